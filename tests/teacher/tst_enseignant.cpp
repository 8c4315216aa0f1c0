// Tests of the teacher module: the access code, the level boxes, the word
// list on opening and closing, the exercise font and the pupil list.
#include "outils.h"
#include "platform/plateformeqt.h"

#include <QProcess>

namespace {

// Opens the access-code dialog on the folder; types each entry and presses
// "O&k" after it, except after the last one, which is followed by `bouton`.
// Returns whether access was granted (the flag is set beforehand: a refusal
// must clear it; an open dialog has granted nothing) and whether the dialog
// is still open.
std::pair<bool, bool> essayerCode(const Installation &inst, PlateformeFactice &p, const QStringList &saisies,
                                  const QString &bouton, bool *premiereFois = nullptr)
{
    EtatProgramme etat{inst.dossier.path()};
    etat.accessGranted = true;
    FrmCode code(etat, p.services());
    code.show();
    if (premiereFois)
        *premiereFois = code.findChild<QLabel *>(u"lblPremiereFois"_s)->isVisible();
    for (qsizetype i = 0; i < saisies.size(); ++i) {
        auto *champ = code.findChild<QLineEdit *>(u"txtCode"_s);
        champ->clear();
        taper(champ, saisies[i]);
        QTest::mouseClick(code.findChild<QPushButton *>(i + 1 < saisies.size() ? u"cmdOk"_s : bouton), Qt::LeftButton);
    }
    return {etat.accessGranted && !code.isVisible(), code.isVisible()};
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
        QTest::addColumn<bool>("ouvert");          // the dialog still open afterwards
        QTest::addColumn<QByteArray>("apres");
        QTest::addColumn<QStringList>("messages");

        using L = QStringList;
        const QByteArray abc = "\"Abc1\"\r\n";
        const QString incorrect = u"Code incorrect.\nVérifiez les majuscules et les minuscules, puis tapez-le de nouveau."_s;
        const QString differents = u"Les deux codes tapés sont différents : aucun code n'a été enregistré.\n"
                                   "Choisissez un code, puis tapez-le deux fois de suite."_s;
        QTest::newRow("premier code, blancs autour") << QByteArray() << L{" a b1 ", "a b1"} << "cmdOk" << true << false
                                                    << QByteArray("\"a b1\"\r\n") << L{};
        QTest::newRow("premier code tapé une fois") << QByteArray() << L{"neuf"} << "cmdOk" << false << true << QByteArray("") << L{};
        QTest::newRow("premier code, faute de frappe") << QByteArray() << L{"neuf", "nefu"} << "cmdOk" << false << true
                                                      << QByteArray("") << L{differents};
        QTest::newRow("faute, puis deux fois le même") << QByteArray() << L{"neuf", "nefu", "onze", "onze"} << "cmdOk" << true
                                                      << false << QByteArray("\"onze\"\r\n") << L{differents};
        QTest::newRow("premier code, blancs seuls") << QByteArray() << L{"   "} << "cmdOk" << false << false << QByteArray("") << L{};
        QTest::newRow("premier code, septième caractère") << QByteArray() << L{"abcdefg", "abcdef"} << "cmdOk" << true << false
                                                           << QByteArray("\"abcdef\"\r\n") << L{};
        QTest::newRow("premier code annulé") << QByteArray() << L{"neuf", "neuf"} << "cmdAnnule" << false << false << QByteArray("") << L{};
        QTest::newRow("même code, blancs") << abc << L{" Abc1 "} << "cmdOk" << true << false << abc << L{};
        QTest::newRow("autre casse") << abc << L{"ABC1"} << "cmdOk" << false << true << abc << L{incorrect};
        QTest::newRow("erreur puis bon code") << abc << L{"Abc", "Abc1"} << "cmdOk" << true << false << abc << L{incorrect};
        QTest::newRow("bon code annulé") << abc << L{"Abc1"} << "cmdAnnule" << false << false << abc << L{};
        QTest::newRow("ligne vide après le code") << QByteArray("\"abc\"\r\n\r\n") << L{"xyz"} << "cmdOk" << false << true
                                                  << QByteArray("\"abc\"\r\n\r\n") << L{incorrect};
        QTest::newRow("ligne vide, bon code") << QByteArray("\"abc\"\r\n\r\n") << L{"abc"} << "cmdOk" << true << false
                                              << QByteArray("\"abc\"\r\n\r\n") << L{};
        QTest::newRow("plusieurs valeurs: la dernière") << QByteArray("\"un\"\r\n\"deux\"\r\n\r\n") << L{"deux"} << "cmdOk" << true
                                                       << false << QByteArray("\"un\"\r\n\"deux\"\r\n\r\n") << L{};
        QTest::newRow("fichier vide ou blanc") << QByteArray("\r\n \r\n") << L{"zut", "zut"} << "cmdOk" << true << false
                                               << QByteArray("\"zut\"\r\n") << L{};
    }
    void code()
    {
        QFETCH(QByteArray, stocke);
        QFETCH(QStringList, saisies);
        QFETCH(QString, bouton);
        QFETCH(bool, accorde);
        QFETCH(bool, ouvert);
        QFETCH(QByteArray, apres);
        QFETCH(QStringList, messages);
        Installation inst;
        if (!stocke.isNull())
            inst.ecrire(u"Code.dat"_s, stocke);
        PlateformeFactice p;
        bool premiereFois = false;
        const auto [acces, encoreOuvert] = essayerCode(inst, p, saisies, bouton, &premiereFois);
        QCOMPARE(acces, accorde);
        QCOMPARE(encoreOuvert, ouvert);
        QCOMPARE(inst.lire(u"Code.dat"_s), apres);
        QStringList textes;
        for (const MessageDemande &m : p.messages.demandes)
            textes << m.texte;
        QCOMPARE(textes, messages);
        // The advice for a first use shows only when no code is stored.
        QCOMPARE(premiereFois, stocke.trimmed().isEmpty());
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

    void niveaux()
    {
        Fenetre t({"arbre", "chat", "chien"});
        const QColor normal = t.f->palette().color(QPalette::Window);
        const QList<std::pair<QString, QColor>> attendus{
            {"1", QColor(255, 255, 0)}, {"2", QColor(0, 255, 255)}, {"3", QColor(255, 255, 255)},
            {"4", QColor(0, 255, 0)},   {"5", QColor(255, 0, 255)}, {"", normal}, {"1", QColor(255, 255, 0)}};
        for (const auto &[niveau, couleur] : attendus) {
            t.clic(t.boite(1));
            QCOMPARE(t.boite(1)->text(), niveau);
            QCOMPARE(fond(t.boite(1)), couleur);
            QCOMPARE(t.f->tableur(), (ListeMots{{"arbre", ""}, {"chat", niveau}, {"chien", ""}}));
        }
    }

    void defilement_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("maximum");
        QTest::newRow("3 mots") << 3 << 0;
        QTest::newRow("10 mots") << 10 << 0;
        QTest::newRow("25 mots") << 25 << 15;
    }
    // Every reachable position shows the ten rows from that position on.
    void defilement()
    {
        QFETCH(int, nombre);
        QFETCH(int, maximum);
        QStringList mots;
        for (int i = 0; i < nombre; ++i)
            mots << u"mot%1"_s.arg(i, 2, 10, QLatin1Char('0'));   // sorted = numbered
        Fenetre t(mots);
        auto *barre = t.w<QScrollBar>(u"VScroll"_s);
        QCOMPARE(barre->maximum(), maximum);
        QCOMPARE(barre->isEnabled(), maximum > 0);
        for (int valeur : {0, maximum / 2, maximum, maximum + 5}) {
            barre->setValue(valeur);
            for (int k = 0; k < FrmEnseignant::kLignes; ++k) {
                const int r = std::min(valeur, maximum) + k;
                QCOMPARE(t.mot(k)->text(), r < nombre ? mots.at(r) : QString());
            }
        }
    }

    // Opening merges Mots.dat with the recordings: levels kept, vanished
    // words dropped, new ones added in order; closing writes the result.
    void motsDat()
    {
        Fenetre t({"zebre", "chat", "arbre", "chien"}, {}, [](Fenetre &x) {
            x.inst.ecrire(u"Mots.dat"_s, ligneMots("chien", "2") + ligneMots("parti", "4") + ligneMots("chat", "")
                                             + ligneMots("envole", "1"));
        });
        t.clic(t.boite(1));   // chat: 1
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
        QCOMPARE(t.mot(9)->font().family(), famille);
        QCOMPARE(t.mot(9)->font().pointSizeF(), attendue);
        t.f->close();
        QCOMPARE(t.inst.lire(u"Fonte.dat"_s), fonteDat(famille.toLatin1(), QByteArray::number(attendue)));
        QCOMPARE(t.etat.policeExercice.taille, attendue);
    }

    // Without a pick the size saved is the starting 15.75, whatever was saved before.
    // The real font list: fontconfig's own judgement of which fonts write
    // French is the yardstick; the symbol fonts (Dingbats, Symbol) are never offered.
    void policesLisibles()
    {
        QProcess fcList;
        fcList.start(u"fc-list"_s, {u":lang=fr"_s, u"family"_s});
        if (!fcList.waitForFinished(30000) || fcList.exitCode() != 0)
            QSKIP("fc-list is not available");
        // The names as the font list shows them, without the " [foundry]".
        QSet<QString> connues, francaises, toutes;
        for (const QString &famille : QFontDatabase::families())
            connues << famille.section(u" ["_s, 0, 0);
        for (const QString &ligne : QString::fromUtf8(fcList.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
            for (const QString &nom : ligne.split(u','))
                if (connues.contains(nom))
                    francaises << nom;

        Installation inst;
        PlateformeFactice p;
        PolicesQt reelles;
        Plateforme services = p.services();
        services.polices = &reelles;
        EtatProgramme etat{inst.dossier.path()};
        FrmEnseignant f(etat, services);
        f.show();
        auto *liste = f.findChild<QComboBox *>(u"cmbPolices"_s);
        for (int i = 0; i < liste->count(); ++i)
            toutes << liste->itemText(i).section(u" ["_s, 0, 0);
        QVERIFY(!toutes.isEmpty());
        QCOMPARE(toutes, francaises);
        for (const QString &symboles : {u"D050000L"_s, u"Standard Symbols PS"_s, u"Dingbats"_s, u"Symbol"_s})
            QVERIFY2(!toutes.contains(symboles), qPrintable(symboles));
    }

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

    // Blanks around the name are dropped; the new pupil is selected.
    void eleveAjoute()
    {
        Fenetre t({"chat"}, {"Durand Paul"});
        t.clic(u"cmdEleves"_s);
        t.ajouter(u"  ÉVRARD Zoé  "_s);
        QCOMPARE(t.inst.fichiers(u"*.bil"_s), (QStringList{"Durand Paul.bil", u"ÉVRARD Zoé.bil"_s}));
        QCOMPARE(t.inst.lire(u"ÉVRARD Zoé.bil"_s), QByteArray());
        QCOMPARE(t.w<QComboBox>(u"cmbEleves"_s)->currentText(), u"ÉVRARD Zoé"_s);
        QVERIFY(t.w<QWidget>(u"frameSaisie"_s)->isHidden());
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    // Adding a pupil who is already there keeps his progress and lists him once.
    void eleveEnDouble()
    {
        Fenetre t({"chat"}, {"Anne"});
        t.inst.ecrire(u"Paul.bil"_s, "\"chat\"\r\n");
        t.clic(u"cmdEleves"_s);
        t.ajouter(u"Paul"_s);
        QCOMPARE(t.inst.lire(u"Paul.bil"_s), QByteArray("\"chat\"\r\n"));
        QCOMPARE(t.liste(), (QStringList{"Anne", "Paul"}));
        QCOMPARE(t.w<QComboBox>(u"cmbEleves"_s)->currentText(), u"Paul"_s);
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    void nomRefuse_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("barre") << u"Paul/Anne"_s;
        QTest::newRow("point point") << u".."_s;
        QTest::newRow("hors Windows-1252") << u"Ἀλέξανδρος"_s;
        QTest::newRow("autre casse d'un élève") << u"paul DURAND"_s;
    }
    // A name that cannot be a file name, or only differs by case from a
    // pupil's, is refused; the entry stays open to correct it.
    void nomRefuse()
    {
        QFETCH(QString, nom);
        Fenetre t({"chat"}, {"Paul Durand"});
        t.clic(u"cmdEleves"_s);
        t.ajouter(nom);
        QCOMPARE(QDir(t.inst.dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"Mots.dat", "Paul Durand.bil", "Sons"}));
        QCOMPARE(t.p.messages.titres(), QStringList{u"Nom d'élève refusé"_s});
        QCOMPARE(t.w<QLineEdit>(u"txtEleve"_s)->text(), nom);
        QVERIFY(t.w<QWidget>(u"frameSaisie"_s)->isVisible());
    }

    void eleveSupprime()
    {
        Fenetre t({"chat"}, {"Anne", "Paul"});
        t.clic(u"cmdEleves"_s);
        t.w<QComboBox>(u"cmbEleves"_s)->setCurrentIndex(1);
        t.p.messages.reponseQuestion = false;
        t.clic(u"cmdSupprimer"_s);
        QCOMPARE(t.p.messages.demandes.size(), 1);
        QCOMPARE(t.p.messages.demandes.first().texte, u"L'élève « Paul » et tous ses résultats vont être supprimés.\n"
                                                       "Attention : opération irréversible !\nSouhaitez-vous continuer ?"_s);
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
        t.clic(t.boite(0));
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
        t.clic(t.boite(1));
        t.p.messages.reponseQuestion = false;
        QCOMPARE(t.p.messages.demandes.size(), 1); // told at opening that Mots.dat cannot be read
        QVERIFY(!t.f->close());
        QCOMPARE(t.p.messages.demandes.size(), 2);
        QVERIFY(t.p.messages.demandes.last().question);
        QVERIFY(t.p.messages.demandes.last().texte.contains(u"Mots.dat"_s));
        QCOMPARE(t.f->tableur().at(1).niveau, u"1"_s);

        QVERIFY(QDir(t.inst.dossier.path()).rmdir(u"Mots.dat"_s));
        t.clic(t.boite(1));
        QVERIFY(t.f->close());
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), ligneMots("chat", "") + ligneMots("chien", "2"));
    }
};

QTEST_MAIN(TestEnseignant)
#include "tst_enseignant.moc"
