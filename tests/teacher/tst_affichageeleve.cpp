// One pupil's own font, size and spacing: chosen in the teacher's pupil
// list, kept in "<name>.aff", shown by the pupil screen, moved with the pupil
// when he is deleted and brought back when his work is restored.
#include "outils.h"

#include "data/sauvegardes.h"
#include "overview/suiviclasse.h"
#include "platform/plateformeqt.h"
#include "pupil/frmeleve.h"
#include "teacher/dialogueaffichageeleve.h"

#include <sys/stat.h>

namespace {

QByteArray w1252(const QString &texte) { return QStringEncoder("windows-1252").encode(texte); }

// The real font list, made once: it measures every installed family.
Polices *policesInstallees()
{
    static PolicesQt polices;
    return &polices;
}

// A child's visit: the pupil window on the folder, the class at Comic Sans
// MS 15.75, the name chosen and "C'est moi" clicked.
struct Visite {
    PlateformeFactice p;
    EtatProgramme etat;
    std::unique_ptr<FrmEleve> f;
    Visite(const QString &dossier, const QString &eleve)
    {
        etat.dossierInstallation = dossier;
        Plateforme services = p.services();
        services.polices = policesInstallees();
        f = std::make_unique<FrmEleve>(etat, services);
        f->showNormal();
        f->resize(1366, 720);
        auto *liste = f->findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(eleve));
        f->findChild<QPushButton *>(u"cmdIdentite"_s)->click();
    }
    QFont police() const { return f->findChild<QLineEdit *>(u"txtMot"_s)->font(); }
    // The height of the small letters in the answer box, at 96 dpi.
    double petitesLettresMm() const { return QFontMetricsF(police()).xHeight() * 25.4 / 96.0; }
};

// A folder the pupil window can open: one word, Anne and Paul, and the class
// spacing "large".
void preparerClasse(const Installation &inst)
{
    QDir(inst.dossier.path()).mkpath(u"Sons"_s);
    inst.ecrire(u"Sons/chat.wav"_s, "RIFF");
    inst.ecrire(u"Mots.dat"_s, ligneMots("chat", "1"));
    inst.ecrire(u"Anne.bil"_s, {});
    inst.ecrire(u"Paul.bil"_s, {});
    inst.ecrire(u"Affichage.dat"_s, "\"Espacement\",\"large\"\r\n");
}

DialogueAffichageEleve *ouvrirDialogue(const Fenetre &t, const QString &eleve)
{
    auto *liste = t.w<QComboBox>(u"cmbEleves"_s);
    liste->setCurrentIndex(liste->findText(eleve));
    t.clic(u"cmdPoliceEleve"_s);
    return t.f->findChild<DialogueAffichageEleve *>();
}

const QByteArray kAndikaSixLarge = "\"Police\",\"Andika\"\r\n\"Petites lettres\",\"6\"\r\n\"Espacement\",\"large\"\r\n";

}  // namespace

class TestAffichageEleve : public QObject {
    Q_OBJECT
private slots:
    // What the teacher picks in the dialog is what the file holds, and what
    // the dialog and the pupil list show when opened again.
    void choixEnregistre_data()
    {
        QTest::addColumn<QByteArray>("avant");       // Paul.aff before; empty: none
        QTest::addColumn<QString>("police");         // the line picked; empty: the class's
        QTest::addColumn<QString>("taille");
        QTest::addColumn<QString>("espacement");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QByteArray>("fichier");     // "<absent>": no file
        QTest::addColumn<QString>("resume");

        const QString ok = u"cmdOkAffichage"_s;
        QTest::newRow("les trois") << QByteArray() << u"Écolier"_s << u"6 mm"_s << u"large"_s << ok
                                   << QByteArray("\"Police\",\"Ecolier_court\"\r\n\"Petites lettres\",\"6\"\r\n"
                                                 "\"Espacement\",\"large\"\r\n")
                                   << u"Police de l'élève : Écolier, petites lettres de 6 mm, espacement large"_s;
        QTest::newRow("police seule") << QByteArray() << u"OpenDyslexic"_s << QString() << QString() << ok
                                      << QByteArray("\"Police\",\"OpenDyslexic\"\r\n")
                                      << u"Police de l'élève : OpenDyslexic"_s;
        QTest::newRow("taille seule") << QByteArray() << QString() << u"8 mm"_s << QString() << ok
                                      << QByteArray("\"Petites lettres\",\"8\"\r\n")
                                      << u"Police de l'élève : petites lettres de 8 mm"_s;
        QTest::newRow("espacement seul") << QByteArray() << QString() << QString() << u"très large"_s << ok
                                         << QByteArray("\"Espacement\",\"tres large\"\r\n")
                                         << u"Police de l'élève : espacement très large"_s;
        QTest::newRow("tout comme la classe efface") << kAndikaSixLarge << QString() << QString() << QString() << ok
                                                     << QByteArray("<absent>") << u"Police de l'élève : comme la classe"_s;
        QTest::newRow("bouton comme la classe") << kAndikaSixLarge << u"Andika"_s << u"7 mm"_s << QString()
                                                << u"cmdCommeLaClasse"_s << QByteArray("<absent>")
                                                << u"Police de l'élève : comme la classe"_s;
        QTest::newRow("annuler garde le fichier") << kAndikaSixLarge << u"OpenDyslexic"_s << QString() << QString()
                                                  << u"Annuler"_s << kAndikaSixLarge
                                                  << u"Police de l'élève : Andika, petites lettres de 6 mm, espacement large"_s;
        // A height written by hand that the list does not offer stays as it is.
        QTest::newRow("taille écrite à la main") << QByteArray("\"Petites lettres\",\"6.5\"\r\n") << u"Andika"_s
                                                 << u"6,5 mm"_s << QString() << ok
                                                 << QByteArray("\"Police\",\"Andika\"\r\n\"Petites lettres\",\"6.5\"\r\n")
                                                 << u"Police de l'élève : Andika, petites lettres de 6,5 mm"_s;
    }
    void choixEnregistre()
    {
        QFETCH(QByteArray, avant);
        QFETCH(QString, police);
        QFETCH(QString, taille);
        QFETCH(QString, espacement);
        QFETCH(QString, bouton);
        QFETCH(QByteArray, fichier);
        QFETCH(QString, resume);
        Fenetre t({"chat"}, {"Anne", "Paul"}, [&avant](Fenetre &f) {
            if (!avant.isEmpty())
                f.inst.ecrire(u"Paul.aff"_s, avant);
        });
        t.p.polices.listeFamilles = {u"Andika"_s, u"OpenDyslexic"_s, u"Ecolier_court"_s, u"DejaVu Sans"_s};
        t.clic(u"cmdEleves"_s);
        DialogueAffichageEleve *dialogue = ouvrirDialogue(t, u"Paul"_s);
        QVERIFY(dialogue && dialogue->isVisible());
        QCOMPARE(dialogue->windowTitle(), u"Police de Paul"_s);
        const auto choisir = [dialogue](const char *liste, const QString &texte) {
            auto *cmb = dialogue->findChild<QComboBox *>(QLatin1String(liste));
            const int i = texte.isEmpty() ? 0 : cmb->findText(texte);
            QVERIFY2(i >= 0, qPrintable(texte));
            cmb->setCurrentIndex(i);
        };
        choisir("cmbPoliceEleve", police);
        choisir("cmbTailleEleve", taille);
        choisir("cmbEspacementEleve", espacement);
        // For a look by eye: ORTHOVAL_CAPTURES=<folder> test_affichage_eleve choixEnregistre
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty())
            QVERIFY(dialogue->grab().save(dossier + u"/police-eleve-"_s + QString::fromUtf8(QTest::currentDataTag()) + u".png"_s));
        if (bouton == u"Annuler"_s)
            dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        else
            t.clic(dialogue->findChild<QPushButton *>(bouton));
        QTRY_VERIFY(!t.f->findChild<DialogueAffichageEleve *>());
        QCOMPARE(t.inst.lire(u"Paul.aff"_s), fichier);
        QCOMPARE(t.inst.lire(u"Anne.bil"_s) + t.inst.lire(u"Paul.bil"_s), QByteArray());
        QCOMPARE(t.p.messages.demandes.size(), 0);
        QCOMPARE(t.w(u"lblPoliceEleve"_s)->text(), resume);

        // Opened again, the dialog reads back what it wrote.
        dialogue = ouvrirDialogue(t, u"Paul"_s);
        const AffichageEleve relu = dialogue->choix();
        QCOMPARE(relu, lireAffichageEleve(t.inst.dossier.path(), u"Paul"_s));
        QCOMPARE(DialogueAffichageEleve::resume(relu), resume.mid(resume.indexOf(u": "_s) + 2));
        // Anne kept the class's.
        dialogue->reject();
        QTRY_VERIFY(!t.f->findChild<DialogueAffichageEleve *>());
        t.w<QComboBox>(u"cmbEleves"_s)->setCurrentIndex(0);
        QCOMPARE(t.w(u"lblPoliceEleve"_s)->text(), u"Police de l'élève : comme la classe"_s);
    }

    // A setting that cannot be written is told, and the dialog stays open
    // with the teacher's choice.
    void echecEcriture()
    {
        Fenetre t({"chat"}, {"Paul"});
        QVERIFY(QDir(t.inst.dossier.path()).mkdir(u"Paul.aff"_s));
        t.clic(u"cmdEleves"_s);
        DialogueAffichageEleve *dialogue = ouvrirDialogue(t, u"Paul"_s);
        auto *cmb = dialogue->findChild<QComboBox *>(u"cmbPoliceEleve"_s);
        cmb->setCurrentIndex(cmb->findText(u"Andika"_s));
        t.clic(dialogue->findChild<QPushButton *>(u"cmdOkAffichage"_s));
        QCOMPARE(t.p.messages.titres(), QStringList{u"Enregistrement impossible"_s});
        QVERIFY(t.p.messages.demandes.first().texte.contains(u"Paul.aff"_s));
        QVERIFY(dialogue->isVisible());
        QCOMPARE(cmb->currentText(), u"Andika"_s);
        QVERIFY(QFileInfo(t.inst.fichier(u"Paul.aff"_s)).isDir());
    }

    // The setting gets the rights of the folder, as the pupil's file does:
    // another account of the class may change it.
    void droitsDuDossier_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("droits");   // those a saved pupil file gets there
        QTest::newRow("privé") << 0700 << 0600;
        QTest::newRow("lisible par tous") << 0755 << 0644;
        QTest::newRow("partagé par un groupe") << 02775 << 0664;
    }
    void droitsDuDossier()
    {
        QFETCH(int, mode);
        QFETCH(int, droits);
        Fenetre t({"chat"});
        QVERIFY(::chmod(QFile::encodeName(t.inst.dossier.path()).constData(), mode_t(mode)) == 0);
        t.clic(u"cmdEleves"_s);
        t.ajouter(u"Paul"_s);
        DialogueAffichageEleve *dialogue = ouvrirDialogue(t, u"Paul"_s);
        auto *cmb = dialogue->findChild<QComboBox *>(u"cmbTailleEleve"_s);
        cmb->setCurrentIndex(cmb->findText(u"7 mm"_s));
        t.clic(dialogue->findChild<QPushButton *>(u"cmdOkAffichage"_s));
        QCOMPARE(t.inst.lire(u"Paul.aff"_s), QByteArray("\"Petites lettres\",\"7\"\r\n"));
        struct stat etat {};
        QVERIFY(::stat(QFile::encodeName(t.inst.fichier(u"Paul.aff"_s)).constData(), &etat) == 0);
        QCOMPARE(int(etat.st_mode & 07777), droits);
    }

    // The pupil screen shows Paul's own setting over the class's, each
    // choice on its own; whatever cannot be used is the class's, never a
    // failure. Anne, without a file, keeps the class's.
    void ecranEleve_data()
    {
        QTest::addColumn<QByteArray>("fichier");     // Paul.aff; "<absent>": none, "<dossier>": a folder
        QTest::addColumn<QString>("famille");
        QTest::addColumn<double>("millimetres");     // the small letters; 5: the class's
        QTest::addColumn<int>("espacement");         // percent; 115: the class's "large"

        const QString classe = u"Comic Sans MS"_s;
        QTest::newRow("sans fichier") << QByteArray("<absent>") << classe << 5.0 << 115;
        QTest::newRow("complet") << QByteArray("\"Police\",\"Andika\"\r\n\"Petites lettres\",\"7\"\r\n"
                                               "\"Espacement\",\"tres large\"\r\n")
                                 << u"Andika"_s << 7.0 << 130;
        QTest::newRow("police seule") << QByteArray("\"Police\",\"OpenDyslexic\"\r\n") << u"OpenDyslexic"_s << 5.0 << 115;
        QTest::newRow("espacement normal") << QByteArray("\"Espacement\",\"normal\"\r\n") << classe << 5.0 << 100;
        QTest::newRow("virgule décimale") << QByteArray("\"Petites lettres\",\"6,5\"\r\n") << classe << 6.5 << 115;
        QTest::newRow("clés en minuscules, sans guillemets") << QByteArray("police,Andika\r\npetites lettres,6\r\n")
                                                            << u"Andika"_s << 6.0 << 115;
        QTest::newRow("police non installée") << w1252(u"\"Police\",\"Cursive Fantôme\"\r\n\"Petites lettres\",\"6\"\r\n"_s)
                                              << classe << 6.0 << 115;
        QTest::newRow("taille trop grande") << QByteArray("\"Police\",\"Andika\"\r\n\"Petites lettres\",\"50\"\r\n")
                                            << u"Andika"_s << 5.0 << 115;
        QTest::newRow("taille négative") << QByteArray("\"Petites lettres\",\"-6\"\r\n") << classe << 5.0 << 115;
        QTest::newRow("taille illisible") << QByteArray("\"Petites lettres\",\"grand\"\r\n") << classe << 5.0 << 115;
        QTest::newRow("espacement inconnu") << w1252(u"\"Espacement\",\"énorme\"\r\n"_s) << classe << 5.0 << 115;
        QTest::newRow("clé inconnue ignorée") << QByteArray("\"Couleur\",\"rouge\"\r\n\"Police\",\"Andika\"\r\n")
                                              << u"Andika"_s << 5.0 << 115;
        QTest::newRow("la dernière valeur l'emporte")
            << QByteArray("\"Police\",\"Andika\"\r\n\"Police\",\"OpenDyslexic\"\r\n") << u"OpenDyslexic"_s << 5.0 << 115;
        QTest::newRow("clé sans valeur") << QByteArray("\"Police\"") << classe << 5.0 << 115;
        QTest::newRow("vide") << QByteArray() << classe << 5.0 << 115;
        QTest::newRow("octets binaires") << QByteArray("\x00\xff\xfe\x01\"Pol\x00ice\",\x80\x81\r\n", 18) << classe << 5.0 << 115;
        QTest::newRow("nom de police avec caractère de contrôle") << QByteArray("\"Police\",\"And\x01ika\"\r\n")
                                                                  << classe << 5.0 << 115;
        QTest::newRow("fichier énorme") << QByteArray("\"Police\",\"Andika\"\r\n").repeated(100000) << classe << 5.0 << 115;
        QTest::newRow("UTF-16 du Bloc-notes")
            << QByteArray("\xff\xfe", 2) + QStringEncoder(QStringConverter::Utf16LE).encode(u"\"Police\",\"Andika\"\r\n"_s)
            << u"Andika"_s << 5.0 << 115;
        QTest::newRow("un dossier à sa place") << QByteArray("<dossier>") << classe << 5.0 << 115;
    }
    void ecranEleve()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, famille);
        QFETCH(double, millimetres);
        QFETCH(int, espacement);
        Installation inst;
        preparerClasse(inst);
        if (fichier == "<dossier>")
            QVERIFY(QDir(inst.dossier.path()).mkdir(u"Paul.aff"_s));
        else if (fichier != "<absent>")
            inst.ecrire(u"Paul.aff"_s, fichier);

        Visite paul(inst.dossier.path(), u"Paul"_s);
        QCOMPARE(paul.f->nomEleve(), u"Paul"_s);
        QCOMPARE(paul.police().family(), famille);
        QCOMPARE(paul.police().letterSpacing(), qreal(espacement));
        QCOMPARE(paul.police().letterSpacingType(), QFont::PercentageSpacing);
        QVERIFY2(paul.petitesLettresMm() >= millimetres - 0.05 && paul.petitesLettresMm() <= millimetres + 0.6,
                 qPrintable(QString::number(paul.petitesLettresMm())));
        // The model above the answer shows the same letters.
        QCOMPARE(paul.f->findChild<QLabel *>(u"lblModele"_s)->font(), paul.police());
        QCOMPARE(paul.p.messages.demandes.size(), 0);
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES");
            !dossier.isEmpty() && QByteArray(QTest::currentDataTag()) == "complet") {
            QVERIFY(QTest::qWaitForWindowExposed(paul.f.get()));
            QTest::keyClicks(paul.f->findChild<QLineEdit *>(u"txtMot"_s), u"chat"_s);
            QVERIFY(paul.f->grab().save(dossier + u"/eleve-police-propre.png"_s));
        }
        paul.f->findChild<QPushButton *>(u"cmdQuitter"_s)->click();

        Visite anne(inst.dossier.path(), u"Anne"_s);
        QCOMPARE(anne.police().family(), u"Comic Sans MS"_s);
        QCOMPARE(anne.police().letterSpacing(), qreal(115));
        QVERIFY2(anne.petitesLettresMm() >= 4.95 && anne.petitesLettresMm() <= 5.6,
                 qPrintable(QString::number(anne.petitesLettresMm())));
        anne.f->findChild<QPushButton *>(u"cmdQuitter"_s)->click();
        // Neither visit touched the setting.
        if (fichier != "<absent>" && fichier != "<dossier>")
            QCOMPARE(inst.lire(u"Paul.aff"_s), fichier);
    }

    // Deleting Paul keeps his setting in Sauvegardes, beside his journal; a
    // new Paul starts with the class's; restoring his work brings his
    // setting back, unless the new Paul has one of his own by then.
    void suppressionRestauration_data()
    {
        QTest::addColumn<QByteArray>("reglage");      // Paul.aff before; empty: none
        QTest::addColumn<bool>("nouveauChoix");       // the new Paul is given Andika 6 mm large
        QTest::addColumn<QByteArray>("apres");        // Paul.aff after restoring

        const QByteArray ecolier = "\"Police\",\"Ecolier_court\"\r\n\"Petites lettres\",\"7\"\r\n";
        QTest::newRow("avec réglage") << ecolier << false << ecolier;
        QTest::newRow("sans réglage") << QByteArray() << false << QByteArray("<absent>");
        QTest::newRow("réglage choisi depuis") << ecolier << true << kAndikaSixLarge;
    }
    void suppressionRestauration()
    {
        QFETCH(QByteArray, reglage);
        QFETCH(bool, nouveauChoix);
        QFETCH(QByteArray, apres);
        const QByteArray bilan = "\"\"\r\n\"chat\"\r\n";
        Fenetre t({"chat"}, {"Anne", "Paul"}, [&](Fenetre &f) {
            f.inst.ecrire(u"Paul.bil"_s, bilan);
            if (!reglage.isEmpty())
                f.inst.ecrire(u"Paul.aff"_s, reglage);
            // A copy of his work, as a save that dropped words leaves.
            QVERIFY(sauvegarderCopie(f.inst.fichier(u"Paul.bil"_s), QDateTime(QDate(2026, 12, 1), QTime(9, 0))).ok);
        });
        t.clic(u"cmdEleves"_s);
        t.w<QComboBox>(u"cmbEleves"_s)->setCurrentIndex(1);
        t.clic(u"cmdSupprimer"_s);
        QCOMPARE(t.liste(), QStringList{u"Anne"_s});
        QCOMPARE(t.inst.fichiers(u"*.aff"_s), QStringList());
        const QStringList ranges = listerSauvegardes(t.inst.dossier.path(), u"Paul.aff"_s);
        QCOMPARE(ranges.size(), reglage.isEmpty() ? 0 : 1);
        if (!reglage.isEmpty())
            QCOMPARE(t.inst.lire(kDossierSauvegardes + u'/' + ranges.first()), reglage);
        // The class overview counts pupils, never their settings.
        QCOMPARE(lireSuiviClasse(t.inst.dossier.path(), ListeMots(), QDate(2026, 12, 5)).eleves.size(), 1);

        t.ajouter(u"Paul"_s);
        QCOMPARE(t.w<QComboBox>(u"cmbEleves"_s)->currentText(), u"Paul"_s);
        QCOMPARE(t.w(u"lblPoliceEleve"_s)->text(), u"Police de l'élève : comme la classe"_s);
        if (nouveauChoix)
            t.inst.ecrire(u"Paul.aff"_s, kAndikaSixLarge);

        t.p.messages.demandes.clear();
        t.p.messages.reponseChoix = 0;
        t.clic(u"cmdRestaurer"_s);
        QCOMPARE(t.inst.lire(u"Paul.bil"_s), bilan);
        QCOMPARE(t.inst.lire(u"Paul.aff"_s), apres);
        QCOMPARE(t.p.messages.demandes.last().texte.contains(u"Son réglage de police est revenu aussi."_s),
                 !reglage.isEmpty() && !nouveauChoix);
        QCOMPARE(t.w(u"lblPoliceEleve"_s)->text(),
                 u"Police de l'élève : "_s + DialogueAffichageEleve::resume(lireAffichageEleve(t.inst.dossier.path(), u"Paul"_s)));
        QCOMPARE(lireSuiviClasse(t.inst.dossier.path(), ListeMots(), QDate(2026, 12, 5)).eleves.size(), 2);
    }

    // Paul deleted from another computer while the list shows him: no
    // setting is written for a pupil who is gone.
    void eleveDisparu()
    {
        Fenetre t({"chat"}, {"Paul"});
        t.clic(u"cmdEleves"_s);
        QVERIFY(QFile::remove(t.inst.fichier(u"Paul.bil"_s)));
        QVERIFY(!ouvrirDialogue(t, u"Paul"_s));
        QCOMPARE(t.p.messages.titres(), QStringList{u"Liste d'élèves"_s});
        QCOMPARE(t.liste(), QStringList());
        QCOMPARE(t.inst.fichiers(u"*.aff"_s), QStringList());
    }

    // A setting left without its pupil (his file removed by hand) is not
    // given to a new pupil of that name; it is kept in Sauvegardes.
    void reglageOrphelin()
    {
        Fenetre t({"chat"}, {}, [](Fenetre &f) { f.inst.ecrire(u"Paul.aff"_s, kAndikaSixLarge); });
        t.clic(u"cmdEleves"_s);
        t.ajouter(u"Paul"_s);
        QCOMPARE(t.liste(), QStringList{u"Paul"_s});
        QCOMPARE(t.w(u"lblPoliceEleve"_s)->text(), u"Police de l'élève : comme la classe"_s);
        const QStringList ranges = listerSauvegardes(t.inst.dossier.path(), u"Paul.aff"_s);
        QCOMPARE(ranges.size(), 1);
        QCOMPARE(t.inst.lire(kDossierSauvegardes + u'/' + ranges.first()), kAndikaSixLarge);
    }
};

QTEST_MAIN(TestAffichageEleve)
#include "tst_affichageeleve.moc"
