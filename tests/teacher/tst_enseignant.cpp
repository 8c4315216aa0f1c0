// Tests of the teacher module: the access code, the level boxes, the word
// list on opening and closing, the exercise font and the pupil list.
#include "outils.h"
#include "platform/plateformeqt.h"
#include "platform/policesjeunes.h"
#include "support/pdfimprime.h"
#include "teacher/vuemots.h"

namespace {

// Opens the access-code dialog on the folder and types each entry, "O&k"
// after each but the last, which `bouton` follows. Returns whether access was
// granted and the dialog closed (the flag is set beforehand: a refusal must
// clear it), and whether the advice for a first use showed.
std::pair<bool, bool> essayerCode(const Installation &inst, PlateformeFactice &p, const QStringList &saisies, const QString &bouton)
{
    EtatProgramme etat{inst.dossier.path()};
    etat.accessGranted = true;
    FrmCode code(etat, p.services());
    code.show();
    const bool premiereFois = code.findChild<QLabel *>(u"lblPremiereFois"_s)->isVisible();
    for (qsizetype i = 0; i < saisies.size(); ++i) {
        taper(code.findChild<QLineEdit *>(u"txtCode"_s), saisies[i]);
        QTest::mouseClick(code.findChild<QPushButton *>(i + 1 < saisies.size() ? u"cmdOk"_s : bouton), Qt::LeftButton);
    }
    return {etat.accessGranted && !code.isVisible(), premiereFois};
}

// The size the window must find, measured here with the same metrics: the
// half-point series from 1.5 up to the first size too tall for 435 twips.
double tailleAttendue(Polices &polices, const QString &famille)
{
    QFont police(famille);
    police.setBold(true);
    double retenue = 1.0;
    for (double taille = 1.5; taille <= 25.5; taille += 0.5) {
        police.setPointSizeF(taille);
        if (polices.hauteurLigneTwips(police) > 435)
            break;
        retenue = taille;
    }
    return retenue;
}

QByteArray fonteDat(const QByteArray &nom, const QByteArray &taille) { return "\"" + nom + "\"\r\n" + taille + "\r\n"; }

} // namespace

class TestEnseignant : public QObject {
    Q_OBJECT

private slots:
    void code_data()
    {
        QTest::addColumn<QByteArray>("stocke");   // Code.dat before; null: absent
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QString>("bouton");       // pressed after the last entry
        QTest::addColumn<bool>("accorde");
        QTest::addColumn<QByteArray>("apres");
        QTest::addColumn<QString>("message");      // the first line of the last message; empty: none

        const QByteArray abc = "\"Abc1\"\r\n", ligneVide = "\"abc\"\r\n\r\n";
        QTest::newRow("premier code, blancs autour") << QByteArray() << QStringList{" a b1 ", "a b1"} << "cmdOk" << true << QByteArray("\"a b1\"\r\n") << "";
        QTest::newRow("premier code, blancs seuls") << QByteArray() << QStringList{"   "} << "cmdOk" << false << QByteArray("") << "";
        QTest::newRow("premier code, septième caractère") << QByteArray() << QStringList{"abcdefg", "abcdef"} << "cmdOk" << true << QByteArray("\"abcdef\"\r\n") << "";
        QTest::newRow("premier code annulé") << QByteArray() << QStringList{"neuf"} << "cmdAnnule" << false << QByteArray("") << "";
        QTest::newRow("premier code, faute de frappe") << QByteArray() << QStringList{"neuf", "nefu", "onze", "onze"} << "cmdOk" << true
                                                      << QByteArray("\"onze\"\r\n") << "Les deux codes tapés sont différents : aucun code n'a été enregistré.";
        QTest::newRow("même code, blancs") << abc << QStringList{" Abc1 "} << "cmdOk" << true << abc << "";
        QTest::newRow("autre casse") << abc << QStringList{"ABC1"} << "cmdOk" << false << abc << "Code incorrect.";
        QTest::newRow("bon code annulé") << abc << QStringList{"Abc1"} << "cmdAnnule" << false << abc << "";
        QTest::newRow("ligne vide après le code") << ligneVide << QStringList{"xyz"} << "cmdOk" << false << ligneVide << "Code incorrect.";
        // A Code.dat that holds no possible code opens nothing, and is no
        // first use either: whoever damaged it would choose the code.
        const QString endommage = u"Le fichier « <dossier>/Code.dat », qui garde le code d'accès, est endommagé : il ne "
                                  "contient pas un code de 1 à 6 caractères (il a peut-être été remplacé par une "
                                  "impression ou modifié à la main)."_s;
        const QByteArray imprime = pdfImprime();
        QVERIFY(imprime.startsWith("%PDF-") && imprime.trimmed().endsWith("%%EOF"));
        QTest::newRow("PDF, sa dernière ligne") << imprime << QStringList{"%%EOF"} << "cmdOk" << false << imprime << endommage;
        QTest::newRow("PDF, un code choisi") << imprime << QStringList{"neuf"} << "cmdOk" << false << imprime << endommage;
        QTest::newRow("sept caractères") << QByteArray("\"abcdefg\"\r\n") << QStringList{"abcdef"} << "cmdOk" << false
                                         << QByteArray("\"abcdefg\"\r\n") << endommage;
        QTest::newRow("caractère de contrôle") << QByteArray("\"ab\x01\"\r\n") << QStringList{"ab"} << "cmdOk" << false
                                               << QByteArray("\"ab\x01\"\r\n") << endommage;
        QTest::newRow("texte long, puis un code") << QByteArray("une ligne trop longue\r\n\"Abc1\"\r\n") << QStringList{"Abc1"}
                                                  << "cmdOk" << false << QByteArray("une ligne trop longue\r\n\"Abc1\"\r\n") << endommage;
        QTest::newRow("octet nul") << QByteArray("\"Abc1\"\r\n\0", 9) << QStringList{"Abc1"} << "cmdOk" << false
                                   << QByteArray("\"Abc1\"\r\n\0", 9) << endommage;
    }
    void code()
    {
        QFETCH(QByteArray, stocke);
        QFETCH(QStringList, saisies);
        QFETCH(QString, bouton);
        QFETCH(bool, accorde);
        QFETCH(QByteArray, apres);
        QFETCH(QString, message);
        Installation inst;
        if (!stocke.isNull())
            inst.ecrire(u"Code.dat"_s, stocke);
        PlateformeFactice p;
        const auto [acces, premiereFois] = essayerCode(inst, p, saisies, bouton);
        QCOMPARE(acces, accorde);
        QCOMPARE(inst.lire(u"Code.dat"_s), apres);
        const QString dernier = p.messages.demandes.isEmpty() ? QString() : p.messages.demandes.last().texte.section(u'\n', 0, 0);
        QCOMPARE(QString(dernier).replace(QDir::toNativeSeparators(inst.dossier.path()), u"<dossier>"_s), message);
        QCOMPARE(premiereFois, stocke.isNull());
    }

    // A Code.dat that cannot be read is no first use: the teacher is told,
    // and no code opens the module.
    void codeNonEnregistrable()
    {
        Installation inst;
        QVERIFY(QDir(inst.dossier.path()).mkdir(u"Code.dat"_s));
        PlateformeFactice p;
        QVERIFY(!essayerCode(inst, p, {u"abc"_s}, u"cmdOk"_s).first);
        QCOMPARE(p.messages.demandes.size(), 1);
        QVERIFY(p.messages.demandes.first().texte.contains(u"Code.dat"_s));
    }

    // Opening merges Mots.dat with the recordings: levels kept, vanished
    // words dropped, new ones added in order; closing writes the result.
    void motsDat()
    {
        Fenetre t({"zebre", "chat", "arbre", "chien"}, {}, [](Fenetre &x) {
            x.inst.ecrire(u"Mots.dat"_s, ligneMots("chien", "2") + ligneMots("parti", "4") + ligneMots("chat", "")
                                             + ligneMots("envole", "1"));
        });
        t.clicNiveau(1);   // chat: 1
        t.clic(u"cmdQuitter"_s);
        QVERIFY(!t.f->isVisible());
        QCOMPARE(t.inst.lire(u"Mots.dat"_s),
                 ligneMots("chien", "2") + ligneMots("chat", "1") + ligneMots("arbre", "") + ligneMots("zebre", ""));
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    // A recording whose name cannot be written in Windows-1252 is left out, and named.
    void sonsNonEnregistrables()
    {
        Fenetre t({"chat", u"χαρά"_s});
        QCOMPARE(t.p.messages.titres(), QStringList{u"Enregistrements ignorés"_s});
        QVERIFY(t.p.messages.demandes.first().texte.contains(u"χαρά"_s));
        QCOMPARE(t.f->tableur(), (ListeMots{{"chat", ""}}));
    }

    void police_data()
    {
        QTest::addColumn<QString>("famille");
        QTest::newRow("Andika") << u"Andika"_s;
        QTest::newRow("DejaVu Sans") << u"DejaVu Sans"_s;
    }
    // Picking a font sizes it from its metrics; the words and Fonte.dat follow.
    void police()
    {
        QFETCH(QString, famille);
        Fenetre t({"chat"});
        auto *liste = t.w<QComboBox>(u"cmbPolices"_s);
        liste->setCurrentIndex(liste->findText(famille));
        emit liste->textActivated(famille);
        const double attendue = tailleAttendue(t.p.polices, famille);
        QVERIFY(attendue > 1.0 && attendue < 25.5);   // the metrics really decide
        QCOMPARE(t.w(u"lblTestPolice"_s)->font().pointSizeF(), attendue);
        const QFont mots = qobject_cast<DelegueMots *>(t.vue()->itemDelegate())->policeMots;
        QCOMPARE(mots.family(), famille);
        QCOMPARE(mots.pointSizeF(), attendue);
        t.f->close();
        QCOMPARE(t.inst.lire(u"Fonte.dat"_s), fonteDat(famille.toLatin1(), QByteArray::number(attendue)));
        QCOMPARE(t.etat.policeExercice.taille, attendue);
    }

    // The font list offers the families fontconfig finds fit to write French:
    // never a symbol font (Dingbats, Symbol).
    void policesLisibles()
    {
        QProcess fcList;
        fcList.start(u"fc-list"_s, {u":lang=fr"_s, u"family"_s});
        QVERIFY2(fcList.waitForFinished(30000) && fcList.exitCode() == 0, "fc-list is needed (scripts/common.sh)");
        const QStringList francaises = QString::fromUtf8(fcList.readAllStandardOutput()).split(QRegularExpression(u"[,\n]"_s));
        const QStringList offertes = PolicesQt().familles();
        for (const QString &famille : QFontDatabase::families())   // names as "family [foundry]" when two foundries share one
            if (!estPoliceJeunesLecteurs(famille))   // the school cursive is not "French" to fontconfig: test_pupil_ecran
                QVERIFY2(offertes.contains(famille) == francaises.contains(famille.section(u" ["_s, 0, 0)), qPrintable(famille));
        QVERIFY(!offertes.isEmpty() && !offertes.contains(u"D050000L"_s));
    }

    // Without a pick the size saved is the starting 15.75, whatever was saved before.
    void policeSansChoix()
    {
        Fenetre t({"chat"}, {}, [](Fenetre &x) {
            x.inst.ecrire(u"Fonte.dat"_s, fonteDat("Andika", "20"));
            x.etat.policeExercice = {u"Andika"_s, 20};
        });
        t.f->close();
        QCOMPARE(t.inst.lire(u"Fonte.dat"_s), fonteDat("Andika", "15.75"));
        QCOMPARE(t.etat.policeExercice, (ReglageFonte{u"Andika"_s, 15.75}));
    }

    // A name typed in the pupil list: taken trimmed and selected, once even
    // if he is there (his progress kept); refused, with the entry left open to
    // correct it, when it cannot be a file name, differs only by case from a
    // pupil's, or is longer than 40 characters (a longer one already there
    // stays listed).
    void ajouterEleve_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("refus");   // in the message; empty: added
        QTest::addColumn<int>("rang");        // the pupil's place in the list once added
        QTest::newRow("blancs autour") << u"  ÉVRARD Zoé  "_s << QString() << 0;
        QTest::newRow("déjà là") << u"Paul Durand"_s << QString() << 1;
        QTest::newRow("40 caractères") << u"DURAND-LEFÈVRE Marie-Charlotte Élisabeth"_s << QString() << 0;
        QTest::newRow("barre") << u"Paul/Anne"_s << u"« / »"_s << -1;
        QTest::newRow("point point") << u".."_s << u"nom de fichier"_s << -1;
        QTest::newRow("hors Windows-1252") << u"Ἀλέξανδρος"_s << u"ne peut pas contenir le caractère"_s << -1;
        QTest::newRow("autre casse d'un élève") << u"paul DURAND"_s << u"que par les majuscules"_s << -1;
        const QString tropLong = u"Le nom de l'élève est trop long (40 caractères au plus)."_s;
        QTest::newRow("41 caractères") << u"DURAND-LEFÈVRE Marie-Charlotte Élisabeths"_s << tropLong << -1;
        QTest::newRow("196 caractères") << u"Élodie "_s.repeated(28).trimmed() + u"xx"_s << tropLong << -1;
    }
    void ajouterEleve()
    {
        QFETCH(QString, nom);
        QFETCH(QString, refus);
        QFETCH(int, rang);
        const QString ancien = u"MARTIN-DESCHAMPS Anne-Sophie Marguerite Eugénie"_s;   // 47
        Fenetre t({"chat"}, {ancien}, [](Fenetre &x) { x.inst.ecrire(u"Paul Durand.bil"_s, "\"chat\"\r\n"); });
        const auto dossier = [&t] { return QDir(t.inst.dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
        const QStringList avant = dossier();
        t.clic(u"cmdEleves"_s);
        QCOMPARE(t.liste(), (QStringList{ancien, u"Paul Durand"_s}));
        t.ajouter(nom);
        QCOMPARE(t.inst.lire(u"Paul Durand.bil"_s), QByteArray("\"chat\"\r\n"));
        if (!refus.isEmpty()) {
            QCOMPARE(dossier(), avant);
            QCOMPARE(t.p.messages.titres(), QStringList{u"Nom d'élève refusé"_s});
            QVERIFY2(t.p.messages.demandes.first().texte.contains(refus), qPrintable(t.p.messages.demandes.first().texte));
            QCOMPARE(t.w<QLineEdit>(u"txtEleve"_s)->text(), nom);
            QVERIFY(t.w<QWidget>(u"frameSaisie"_s)->isVisible());
            QCOMPARE(t.liste(), (QStringList{ancien, u"Paul Durand"_s}));
            return;
        }
        const QString pris = nom.trimmed();
        QVERIFY(dossier().contains(pris + u".bil"_s));
        QCOMPARE(t.liste().count(pris), 1);
        QCOMPARE(t.liste().indexOf(pris), rang);
        QCOMPARE(t.liste().size(), pris == u"Paul Durand"_s ? 2 : 3);
        QCOMPARE(t.w<QComboBox>(u"cmbEleves"_s)->currentText(), pris);
        if (pris != u"Paul Durand"_s)
            QCOMPARE(t.inst.lire(pris + u".bil"_s), QByteArray());
        QVERIFY(t.w<QWidget>(u"frameSaisie"_s)->isHidden());
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    void eleveSupprime()
    {
        Fenetre t({"chat"}, {"Anne", "Paul"});
        t.clic(u"cmdEleves"_s);
        t.w<QComboBox>(u"cmbEleves"_s)->setCurrentIndex(1);
        t.p.messages.reponseQuestion = false;
        t.clic(u"cmdSupprimer"_s);
        QCOMPARE(t.p.messages.demandes.size(), 1);
        QCOMPARE(t.p.messages.demandes.first().texte, u"L'élève « Paul » et tous ses résultats vont être supprimés.\nAttention : opération irréversible !\nSouhaitez-vous continuer ?"_s);
        QVERIFY(t.p.messages.demandes.first().question);
        QCOMPARE(t.inst.fichiers(u"*.bil"_s), (QStringList{"Anne.bil", "Paul.bil"}));

        t.p.messages.reponseQuestion = true;
        t.clic(u"cmdSupprimer"_s);
        QCOMPARE(t.inst.fichiers(u"*.bil"_s), QStringList{"Anne.bil"});
        QCOMPARE(t.liste(), QStringList{"Anne"});
        QCOMPARE(t.w<QComboBox>(u"cmbEleves"_s)->currentText(), u"Anne"_s);
    }

    // The close box and "&Quitter" both save, and only once.
    void fermetureUneFois()
    {
        Fenetre t({"chat"});
        t.clicNiveau(0);
        QVERIFY(t.f->close());
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), ligneMots("chat", "1"));
        QVERIFY(QFile::remove(t.inst.fichier(u"Mots.dat"_s)));
        QVERIFY(QFile::remove(t.inst.fichier(u"Fonte.dat"_s)));
        t.f->close();
        t.f->done(QDialog::Accepted);
        QVERIFY(t.inst.fichiers(u"*.dat"_s).isEmpty());
    }

    // A Mots.dat that cannot be replaced: the levels stay in the open window
    // until a later close succeeds.
    void echecEnregistrementGardeLesNiveaux()
    {
        Fenetre t({"chat", "chien"}, {}, [](Fenetre &x) { QVERIFY(QDir(x.inst.dossier.path()).mkdir(u"Mots.dat"_s)); });
        t.clicNiveau(1);
        t.p.messages.reponseQuestion = false;
        QCOMPARE(t.p.messages.demandes.size(), 1); // told at opening that Mots.dat cannot be read
        QVERIFY(!t.f->close());
        QCOMPARE(t.p.messages.demandes.size(), 2);
        QVERIFY(t.p.messages.demandes.last().question);
        QVERIFY(t.p.messages.demandes.last().texte.contains(u"Mots.dat"_s));
        QCOMPARE(t.f->tableur().at(1).niveau, u"1"_s);

        QVERIFY(QDir(t.inst.dossier.path()).rmdir(u"Mots.dat"_s));
        t.clicNiveau(1);
        QVERIFY(t.f->close());
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), ligneMots("chat", "") + ligneMots("chien", "2"));
    }

    // Restoring a copy keeps every copy, the oldest too (it may be the only
    // one holding an acquired word), and adds the replaced file beside them.
    void restaurerGardeLesCopies_data()
    {
        QTest::addColumn<int>("choix");   // 0: the newest copy
        QTest::newRow("la plus récente") << 0;
        QTest::newRow("la plus ancienne") << 4;
    }
    void restaurerGardeLesCopies()
    {
        QFETCH(int, choix);
        Fenetre t({"chat"}, {"Anne"});
        const QByteArray actuel = "\"\"\r\n\"1\"\r\n\"01/03/2026\"\r\n";
        t.inst.ecrire(u"Paul.bil"_s, actuel);
        QDir(t.inst.dossier.path()).mkdir(u"Sauvegardes"_s);
        QMap<QString, QByteArray> copies;
        for (int jour = 1; jour <= 5; ++jour) {
            const QString nom = u"Paul (2020-01-0%1 10h00m00).bil"_s.arg(jour);
            copies.insert(nom, jour == 1 ? QByteArray("\"chat\" acquis") : "copie " + QByteArray::number(jour));
            t.inst.ecrire(u"Sauvegardes/"_s + nom, copies.value(nom));
        }
        t.clic(u"cmdEleves"_s);
        auto *eleves = t.w<QComboBox>(u"cmbEleves"_s);
        eleves->setCurrentIndex(eleves->findText(u"Paul"_s));
        t.p.messages.reponseChoix = choix;
        t.clic(u"cmdRestaurer"_s);
        QCOMPARE(t.p.messages.choixProposes.size(), 5);
        QCOMPARE(t.inst.lire(u"Paul.bil"_s), copies.value(u"Paul (2020-01-0%1 10h00m00).bil"_s.arg(5 - choix)));

        const QDir sauvegardes(t.inst.fichier(u"Sauvegardes"_s));
        QStringList dans = sauvegardes.entryList(QDir::Files);
        QCOMPARE(dans.size(), 6);
        for (auto c = copies.cbegin(); c != copies.cend(); ++c) {
            QCOMPARE(t.inst.lire(u"Sauvegardes/"_s + c.key()), c.value());
            dans.removeOne(c.key());
        }
        QCOMPARE(t.inst.lire(u"Sauvegardes/"_s + dans.value(0)), actuel);
        QCOMPARE(t.p.messages.demandes.last().titre, u"Restaurer le travail d'un élève"_s);
    }
};

QTEST_MAIN(TestEnseignant)
#include "tst_enseignant.moc"
