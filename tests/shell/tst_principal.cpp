// The main window: start-up, activation, its doors and its background.
#include "shell/frmorthoval.h"
#include "platform/plateformeqt.h"
#include "support/pdfimprime.h"
#include "support/plateformefactice.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// An executable shell script.
void ecrireScript(const QString &chemin, const QString &commande)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(("#!/bin/sh\n" + commande + "\n").toUtf8()) > 0);
    QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser));
}

// A main window over a temporary installation folder, with fake services and
// modal windows that note their opening instead of waiting for a click.
struct Banc {
    QTemporaryDir dossier;
    PlateformeFactice plateforme;
    EtatProgramme etat{dossier.path()};
    std::unique_ptr<FrmOrthoval> fenetre;
    QStringList journal;   // the modal windows opened, in order

    void creer(const QString &nom, const QByteArray &octets = {}) const
    {
        QFile f(dossier.filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
    }
    FrmOrthoval &demarrer()
    {
        fenetre = std::make_unique<FrmOrthoval>(etat, plateforme.services());
        FenetresModales f;
        f.code = [this](EtatProgramme &e, Plateforme, QWidget *) { journal << "code"; e.accessGranted = true; };
        f.enseignant = [this](EtatProgramme &, Plateforme, QWidget *) { journal << "enseignant"; };
        f.eleve = [this](EtatProgramme &, Plateforme, QWidget *) { journal << "eleve"; return false; };
        fenetre->remplacerFenetres(f);
        return *fenetre;
    }
    void cliquer(const char *bouton) { QTest::mouseClick(fenetre->findChild<QPushButton *>(bouton), Qt::LeftButton); }
};

// A user at the real windows: every modal window that comes up is noted
// (the pupil window with " Qui es-tu ?" when it asks for the name), the
// access code gets `code` and "O&k" (after "Code incorrect" this user gives
// up), any other window is closed.
struct Utilisateur {
    QString code;
    QStringList vues;
    QPointer<QWidget> derniere;
    QTimer minuterie;
    explicit Utilisateur(QWidget *fenetre)
    {
        QObject::connect(&minuterie, &QTimer::timeout, fenetre, [this] {
            QWidget *modale = QApplication::activeModalWidget();
            if (!modale || modale == derniere)
                return;
            derniere = modale;
            auto *cadre = modale->findChild<QWidget *>("frameEleve");
            vues << modale->objectName() + (cadre && cadre->isVisible() ? " Qui es-tu ?" : "");
            if (auto *txtCode = modale->findChild<QLineEdit *>("txtCode")) {
                txtCode->setText(code);
                QTest::mouseClick(modale->findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
                modale->close();
            } else {
                QTimer::singleShot(0, modale, [modale] { modale->close(); });
            }
        });
        minuterie.start(10);
    }
};

class TestPrincipal : public QObject {
    Q_OBJECT

private slots:
    // The sound library. At start-up: Sons.exe started hidden (--cache) when
    // the Sons folder is missing ("sons" is another folder outside Windows),
    // nothing shown without an installer. From the teacher door: "sons.exe"
    // then "Sons.exe" in a window, the teacher told when none starts, and the
    // access code all the same. Always from the program's folder, told where
    // the data are; without a program folder, nothing is started.
    void installateur_data()
    {
        QTest::addColumn<QString>("dossier");      // the folder in the data folder
        QTest::addColumn<bool>("programme");       // whether the program's folder is known
        QTest::addColumn<bool>("reussite");        // whether the installer starts
        QTest::addColumn<QStringList>("lances");
        const QString cache = "Sons.exe --cache --donnees <donnees>";
        QTest::newRow("Sons présent") << "Sons" << true << true << QStringList{};
        QTest::newRow("sons, autre dossier") << "sons" << true << true << QStringList{cache, "sons.exe --donnees <donnees>"};
        QTest::newRow("installateur absent") << "Autre" << true << false
                                             << QStringList{cache, "sons.exe --donnees <donnees>", "Sons.exe --donnees <donnees>"};
        QTest::newRow("dossier du programme inconnu") << "Autre" << false << true << QStringList{};
    }
    void installateur()
    {
        QFETCH(QString, dossier);
        QFETCH(bool, programme);
        QFETCH(bool, reussite);
        QFETCH(QStringList, lances);
        Banc banc;
        QTemporaryDir dossierProgramme;
        if (programme)
            banc.etat.dossierProgramme = dossierProgramme.path();
        QDir(banc.dossier.path()).mkdir(dossier);
        banc.plateforme.lanceur.reussite = reussite;
        banc.demarrer();
        QVERIFY(banc.plateforme.messages.demandes.isEmpty());
        banc.cliquer("cmdMaitre");
        QStringList demandes;
        for (const auto &l : banc.plateforme.lanceur.lancements) {
            QCOMPARE(QFileInfo(l.chemin).path(), dossierProgramme.path());
            demandes << QString(QFileInfo(l.chemin).fileName() + u' ' + l.arguments.join(u' '))
                            .replace(QDir::toNativeSeparators(banc.dossier.path()), "<donnees>");
        }
        QCOMPARE(demandes, lances);
        const bool manque = dossier != "Sons" && (!reussite || !programme);
        QCOMPARE(banc.plateforme.messages.titres(), manque ? QStringList{"Bibliothèque sonore absente"} : QStringList());
        if (manque && programme)
            QVERIFY(banc.plateforme.messages.demandes[0].texte.contains(QDir::toNativeSeparators(dossierProgramme.path())));
        QCOMPARE(banc.journal, (QStringList{"code", "enseignant"}));
    }

    // A pupil account plants programs named like the installer in the data
    // folder, with Sons missing or made a file. Neither the start-up nor the
    // teacher door runs them: the installers of the program's folder run, told
    // the data folder (through the real launcher).
    void installateurPlante_data()
    {
        QTest::addColumn<bool>("sonsFichier");
        QTest::newRow("Sons absent") << false;
        QTest::newRow("Sons remplacé par un fichier") << true;
    }
    void installateurPlante()
    {
        QFETCH(bool, sonsFichier);
        Banc banc;
        QTemporaryDir programme;
        const QString temoin = banc.dossier.filePath("pirate.txt");
        for (const char *nom : {"Sons.exe", "sons.exe"}) {
            ecrireScript(banc.dossier.filePath(nom), "touch '" + temoin + "'");
            // The program's own installers say how they were started.
            ecrireScript(programme.filePath(nom), "echo \"$@\" > '" + programme.filePath(QString(nom) + ".txt") + "'");
        }
        if (sonsFichier)
            banc.creer("Sons", "pas un dossier");
        banc.etat.dossierProgramme = programme.path();
        LanceurQt lanceur;
        Plateforme services = banc.plateforme.services();
        services.lanceur = &lanceur;
        banc.fenetre = std::make_unique<FrmOrthoval>(banc.etat, services);
        FenetresModales f;
        f.code = [&](EtatProgramme &, Plateforme, QWidget *) { banc.journal << "code"; };
        banc.fenetre->remplacerFenetres(f);
        banc.cliquer("cmdMaitre");

        const QString donnees = QDir::toNativeSeparators(banc.dossier.path());
        QTRY_COMPARE_WITH_TIMEOUT(lire(programme.filePath("Sons.exe.txt")), "--cache --donnees " + donnees + "\n", 10000);
        QTRY_COMPARE_WITH_TIMEOUT(lire(programme.filePath("sons.exe.txt")), "--donnees " + donnees + "\n", 10000);
        QTest::qWait(300);   // time enough for a planted program to have run
        QVERIFY(!QFile::exists(temoin));
        QCOMPARE(banc.journal, QStringList{"code"});
    }

    // The real installer, in the program's folder beside its starter library,
    // fills the data folder it is told, while the planted one never runs.
    void installateurReel()
    {
        Banc banc;
        QTemporaryDir programme;
        const QString temoin = banc.dossier.filePath("pirate.txt");
        ecrireScript(banc.dossier.filePath("Sons.exe"), "touch '" + temoin + "'");
        QVERIFY(QFile::copy(ORTHOVAL_INSTALLATEUR, programme.filePath("Sons.exe")));
        QVERIFY(QDir(programme.path()).mkpath("bibliotheque"));
        QFile son(programme.filePath("bibliotheque/chat.wav")), liste(programme.filePath("bibliotheque/mots-depart.txt"));
        QVERIFY(son.open(QIODevice::WriteOnly) && son.write("RIFF") == 4);
        QVERIFY(liste.open(QIODevice::WriteOnly) && liste.write("2\tchat\n") > 0);
        son.close();
        liste.close();
        banc.etat.dossierProgramme = programme.path();
        LanceurQt lanceur;
        Plateforme services = banc.plateforme.services();
        services.lanceur = &lanceur;
        FrmOrthoval fenetre(banc.etat, services);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(banc.dossier.filePath("Sons/chat.wav")), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(lire(banc.dossier.filePath("Mots.dat")).contains("chat"), 10000);
        QVERIFY(!QFile::exists(temoin));
    }

    // Code.dat overwritten by a printed PDF: its last line, "%%EOF", does not
    // open the teacher window, and the teacher is told the file is damaged
    // (the real windows).
    void porteEnseignant_codeImprime()
    {
        Banc banc;
        QDir(banc.dossier.path()).mkdir("Sons");
        const QByteArray pdf = pdfImprime();
        banc.creer("Code.dat", pdf);
        FrmOrthoval fenetre(banc.etat, banc.plateforme.services());
        fenetre.show();
        Utilisateur utilisateur(&fenetre);
        utilisateur.code = "%%EOF";
        fenetre.findChild<QPushButton *>("cmdMaitre")->click();
        QCOMPARE(utilisateur.vues, QStringList{"frmCode"});
        QCOMPARE(banc.plateforme.messages.titres(), QStringList{"Code d'accès"});
        QVERIFY(banc.plateforme.messages.demandes[0].texte.contains("est endommagé"));
        QVERIFY(!banc.etat.accessGranted);
        QCOMPARE(lire(banc.dossier.filePath("Code.dat")), pdf);
    }

    // Fonte.dat at start-up: missing, several pairs (the last wins), garbage, sizes clamped.
    void demarrage_fonte_data()
    {
        QTest::addColumn<QByteArray>("fichier");   // empty: no Fonte.dat
        QTest::addColumn<QString>("nom");
        QTest::addColumn<double>("taille");
        const auto &[defaut, tailleDefaut] = kPoliceExerciceParDefaut;
        QTest::newRow("absent") << QByteArray() << defaut << tailleDefaut;
        QTest::newRow("deux paires") << QByteArray("\"Andika\"\r\n13.5\r\n\"DejaVu Sans\"\r\n20.25\r\n") << "DejaVu Sans" << 20.25;
        QTest::newRow("octets au hasard") << QByteArray("\x00\xFF\x01\x7Fgarbage", 11) << defaut << tailleDefaut;
        QTest::newRow("taille nulle") << QByteArray("\"Andika\"\r\n0\r\n") << "Andika" << kTailleFonteMin;
        QTest::newRow("taille négative") << QByteArray("\"Andika\"\r\n-12\r\n") << "Andika" << kTailleFonteMin;
        QTest::newRow("taille énorme") << QByteArray("\"Andika\"\r\n100000\r\n") << "Andika" << kTailleFonteMax;
    }
    void demarrage_fonte()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, nom);
        QFETCH(double, taille);
        Banc banc;
        if (!fichier.isEmpty())
            banc.creer("Fonte.dat", fichier);
        banc.etat.policeExercice = {"avant", 9};
        banc.demarrer();
        QCOMPARE(std::pair(banc.etat.policeExercice.nom, banc.etat.policeExercice.taille), std::pair(nom, taille));
        const QFont police = banc.fenetre->findChild<QWidget *>("lblPolice")->font();
        QCOMPARE(std::pair(police.family(), police.pointSizeF()), std::pair(nom, taille));
    }

    // No pupil: a message and nothing opens. A pupil created after start-up (by
    // the teacher window) is seen once the main window is active again.
    void eleve_fichierEleves()
    {
        Banc banc;
        banc.demarrer();
        banc.cliquer("cmdEleve");
        QVERIFY(banc.journal.isEmpty());
        banc.creer("Paul.bil");
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(banc.fenetre.get(), &activation);
        banc.cliquer("cmdEleve");
        QCOMPARE(banc.journal, QStringList{"eleve"});
        QCOMPARE(banc.plateforme.messages.titres(), QStringList{"Pas de fichier Élèves"});   // the first click only
        QCOMPARE(banc.plateforme.messages.demandes[0].texte, "Aucun élève inscrit. Vous devez d'abord créer un "
                                                             "fichier élève\nen ouvrant le module Enseignant.\n");
    }

    // The real windows: without Mots.dat the pupil window gives way to the
    // access code; a wrong code opens nothing, the right one the teacher
    // window, which writes Mots.dat; the pupil then reaches "Qui es-tu ?".
    void eleve_sansListeMots()
    {
        Banc banc;
        QDir(banc.dossier.path()).mkdir("Sons");
        banc.creer("Sons/chat.wav", "RIFF");
        banc.creer("Paul.bil");
        banc.creer("Code.dat", "\"1234\"\r\n");
        FrmOrthoval fenetre(banc.etat, banc.plateforme.services());
        fenetre.show();
        Utilisateur utilisateur(&fenetre);
        const auto porteEleve = [&](const QString &essai) {
            utilisateur.code = essai;
            utilisateur.vues.clear();
            fenetre.findChild<QPushButton *>("cmdEleve")->click();
            utilisateur.vues.removeAll("frmEleve");   // without its word list it may close before the user sees it
            return utilisateur.vues;
        };
        QCOMPARE(porteEleve("0000"), QStringList{"frmCode"});
        QVERIFY(!QFile::exists(banc.dossier.filePath("Mots.dat")));
        QCOMPARE(porteEleve("1234"), (QStringList{"frmCode", "frmEnseignant"}));
        QVERIFY(QFile::exists(banc.dossier.filePath("Mots.dat")));
        QVERIFY(!banc.etat.accessGranted);
        QCOMPARE(porteEleve(""), QStringList{"frmEleve Qui es-tu ?"});
    }

    // The notices are true of this installation: its own sound folder, the
    // right colour depth, no invented web address, the Windows task bar only on Windows.
    void avertissements()
    {
        Banc banc;
        banc.demarrer().show();
        QString textes;
        for (const QWidget *element : banc.fenetre->findChildren<QWidget *>())
            textes += element->isVisible() ? element->property("text").toString() + u'\n' : QString();
        QVERIFY2(textes.contains(u'"' + QDir::toNativeSeparators(banc.dossier.filePath("Sons")) + u'"'), qPrintable(textes));
        QCOMPARE(textes.contains("barre des tâches de Windows"), QSysInfo::productType() == "windows");
        for (const char *faux : {"65 000", "://", "\"Propriété\""})
            QVERIFY2(!textes.contains(faux), faux);
    }

    // What follows the first paint (the paths made selectable, then the
    // program's icon and translations) moves nothing in the window.
    void finDAffichage()
    {
        Banc banc;
        FrmOrthoval &fenetre = banc.demarrer();
        fenetre.afficherDossierDonnees(QStringLiteral("Les données sont dans « /srv/classe/CE1 »."));
        QSignalSpy affichee(&fenetre, &FrmOrthoval::affichee);
        const auto places = [&fenetre] {
            QList<QRect> rectangles;
            for (const QWidget *element : fenetre.findChildren<QWidget *>())
                rectangles << element->geometry();
            return rectangles;
        };
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        const QList<QRect> avant = places();
        QVERIFY(affichee.size() == 1 || affichee.wait());
        for (const char *nom : {"Label2_1", "lblDonnees"})
            QCOMPARE(fenetre.findChild<QLabel *>(nom)->textInteractionFlags(), Qt::TextSelectableByMouse);
        QCoreApplication::processEvents();
        QCOMPARE(places(), avant);
        fenetre.repaint();
        QVERIFY(!affichee.wait(50));
    }

    // Blue at the top to cyan at the bottom, down the left margin where no control hides it.
    void degrade()
    {
        Banc banc;
        FrmOrthoval &fenetre = banc.demarrer();
        fenetre.layout()->setSizeConstraint(QLayout::SetNoConstraint);
        fenetre.setMinimumSize(0, 0);
        for (const QSize taille : {QSize(800, 600), QSize(700, 200)}) {
            fenetre.resize(taille);
            const QImage image = fenetre.grab().toImage();
            QCOMPARE(image.size(), taille);
            for (int y = 0; y < taille.height(); ++y)
                QCOMPARE(image.pixelColor(1, y), QColor(0, y * 256 / taille.height(), 255));
        }
    }
};

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
