// The main window: start-up, activation, its three doors and its background.
#include "banc.h"
#include "shell/portes.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <unistd.h>

namespace {

const QString kTitreSansEleve = QStringLiteral("Pas de fichier Elèves");
const QString kTexteSansEleve = QString::fromUtf8(
    "Aucun élève inscrit. Vous devez d'abord créer un fichier élève\n"
    "en ouvrant le module Enseignant.\n");

void activer(QWidget &fenetre)
{
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&fenetre, &activation);
}

void cliquer(QWidget &fenetre, const char *bouton)
{
    QTest::mouseClick(fenetre.findChild<QPushButton *>(QString::fromLatin1(bouton)), Qt::LeftButton);
}

void cliquer(Banc &banc, const char *bouton)
{
    cliquer(*banc.fenetre, bouton);
}

// Starts only the programs whose path is listed.
class LanceurSelectif : public Lanceur {
public:
    QSet<QString> presents;
    QStringList demandes;
    bool lancer(const QString &chemin, bool cache) override
    {
        demandes << QStringLiteral("%1%2").arg(chemin, cache ? QStringLiteral(" (cache)") : QString());
        return presents.contains(chemin);
    }
};

} // namespace

class TestPrincipal : public QObject {
    Q_OBJECT

private slots:
    // start-up
    void demarrage_installateur_data();
    void demarrage_installateur();
    void demarrage_fonte_data();
    void demarrage_fonte();
    void demarrage_sansAutreFenetre();

    // pupil door
    void eleve_sansFichierEleves();
    void eleve_fichierCreeApresDemarrageVisibleALActivation();
    void eleve_sansListeMots_data();
    void eleve_sansListeMots();
    void eleve_sansListeMots_fenetresReelles();

    // teacher door
    void enseignant_code_data();
    void enseignant_code();
    void enseignant_sablier();
    void enseignant_apresFermeture();
    void enseignant_installateur_data();
    void enseignant_installateur();
    void enseignant_dossierLectureSeule();

    // quit
    void quitter();

    // look
    void textes_data();
    void textes();
    void degrade_data();
    void degrade();
};

void TestPrincipal::demarrage_installateur_data()
{
    QTest::addColumn<QString>("dossierPresent");   // folder created before start-up
    QTest::addColumn<QString>("fichierPresent");   // file created before start-up
    QTest::addColumn<bool>("lance");

    QTest::newRow("dossier vide") << QString() << QString() << true;
    QTest::newRow("Sons présent") << "Sons" << QString() << false;
    QTest::newRow("Sons est un fichier") << QString() << "Sons" << true;
    // Outside Windows file names keep their case: "sons" is another folder.
    QTest::newRow("sons en minuscules") << "sons" << QString() << true;
}

void TestPrincipal::demarrage_installateur()
{
    QFETCH(QString, dossierPresent);
    QFETCH(QString, fichierPresent);
    QFETCH(bool, lance);

    Banc banc;
    if (!dossierPresent.isEmpty())
        QDir(banc.dossier.path()).mkdir(dossierPresent);
    if (!fichierPresent.isEmpty())
        banc.creerFichier(fichierPresent, "x");
    // Without an installer beside the program nothing is shown either.
    banc.plateforme.lanceur.reussite = false;
    banc.demarrer();

    const auto &lancements = banc.plateforme.lanceur.lancements;
    QCOMPARE(lancements.size(), lance ? 1 : 0);
    if (lance) {
        QCOMPARE(lancements[0].chemin, banc.chemin(QStringLiteral("Sons.exe")));
        QVERIFY(lancements[0].cache);
    }
    QVERIFY(banc.plateforme.messages.demandes.isEmpty());
}

void TestPrincipal::demarrage_fonte_data()
{
    QTest::addColumn<bool>("fichier");
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<double>("taille");

    const QString defaut = kPoliceExerciceParDefaut.nom;
    const double tailleDefaut = kPoliceExerciceParDefaut.taille;

    QTest::newRow("absent") << false << QByteArray() << defaut << tailleDefaut;
    QTest::newRow("vide") << true << QByteArray() << defaut << tailleDefaut;
    QTest::newRow("une paire") << true << QByteArray("\"Andika\"\r\n13.5\r\n") << "Andika" << 13.5;
    QTest::newRow("la dernière paire l'emporte")
        << true << QByteArray("\"Andika\"\r\n13.5\r\n\"DejaVu Sans\"\r\n12\r\n\"Comic Sans MS\"\r\n20.25\r\n")
        << "Comic Sans MS" << 20.25;
    QTest::newRow("nom accentué en Windows-1252")
        << true << QByteArray("\"\xC9""cole\"\r\n12\r\n") << QString::fromUtf8("École") << 12.0;
    QTest::newRow("sans guillemets ni CR") << true << QByteArray("Andika\n14\n") << "Andika" << 14.0;
    QTest::newRow("octets quelconques")
        << true << QByteArray("\x00\xFF\x01\x7Fgarbage", 11) << defaut << tailleDefaut;
    QTest::newRow("nom sans taille") << true << QByteArray("\"Andika\"\r\n") << defaut << tailleDefaut;
    QTest::newRow("taille nulle") << true << QByteArray("\"Andika\"\r\n0\r\n") << "Andika" << kTailleFonteMin;
    QTest::newRow("taille négative") << true << QByteArray("\"Andika\"\r\n-12\r\n") << "Andika" << kTailleFonteMin;
    QTest::newRow("taille énorme") << true << QByteArray("\"Andika\"\r\n100000\r\n") << "Andika" << kTailleFonteMax;
}

void TestPrincipal::demarrage_fonte()
{
    QFETCH(bool, fichier);
    QFETCH(QByteArray, octets);
    QFETCH(QString, nom);
    QFETCH(double, taille);

    Banc banc;
    if (fichier)
        banc.creerFichier(QStringLiteral("Fonte.dat"), octets);
    banc.etat.policeExercice = {QStringLiteral("avant"), 9};
    banc.demarrer();

    QCOMPARE(banc.etat.policeExercice.nom, nom);
    QCOMPARE(banc.etat.policeExercice.taille, taille);
    const QFont police = banc.element<QLabel>(QStringLiteral("lblPolice"))->font();
    QCOMPARE(police.family(), nom);
    QCOMPARE(police.pointSizeF(), taille);
    QVERIFY(banc.element<QLabel>(QStringLiteral("lblPolice"))->isHidden());
}

void TestPrincipal::demarrage_sansAutreFenetre()
{
    // The real windows behind the doors: none may be built before a click.
    Banc banc;
    EtatProgramme etat;
    etat.dossierInstallation = banc.dossier.path();
    FrmOrthoval fenetre(etat, banc.plateforme.services());
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    QVERIFY(fenetre.findChildren<QDialog *>().isEmpty());
}

void TestPrincipal::eleve_sansFichierEleves()
{
    Banc banc;
    banc.creerSons();
    banc.creerFichier(QStringLiteral("Mots.dat"), "\"*\",\"chat\",\"1\"\r\n");
    banc.demarrer();
    cliquer(banc, "cmdEleve");

    const auto &demandes = banc.plateforme.messages.demandes;
    QCOMPARE(demandes.size(), 1);
    QCOMPARE(demandes[0].titre, kTitreSansEleve);
    QCOMPARE(demandes[0].texte, kTexteSansEleve);
    QVERIFY(!demandes[0].question);
    QVERIFY(banc.journal.isEmpty());
}

void TestPrincipal::eleve_fichierCreeApresDemarrageVisibleALActivation()
{
    Banc banc;
    banc.creerSons();
    FrmOrthoval &fenetre = banc.demarrer();
    QVERIFY(fenetre.eleves().isEmpty());

    // Created by the teacher window; the main window sees it once active again.
    banc.creerFichier(QStringLiteral("Paul.bil"));
    banc.creerFichier(QStringLiteral("Anaïs.bil"));
    activer(fenetre);
    QCOMPARE(fenetre.eleves(), (QStringList{QStringLiteral("Anaïs"), QStringLiteral("Paul")}));

    cliquer(banc, "cmdEleve");
    QCOMPARE(banc.journal, QStringList{QStringLiteral("eleve")});
    QVERIFY(banc.plateforme.messages.demandes.isEmpty());

    // And a pupil deleted meanwhile disappears the same way.
    QFile::remove(banc.chemin(QStringLiteral("Paul.bil")));
    QFile::remove(banc.chemin(QStringLiteral("Anaïs.bil")));
    activer(fenetre);
    cliquer(banc, "cmdEleve");
    QCOMPARE(banc.plateforme.messages.titres(), QStringList{kTitreSansEleve});
}

void TestPrincipal::eleve_sansListeMots_data()
{
    QTest::addColumn<bool>("sansListeMots");
    QTest::addColumn<bool>("codeAccepte");
    QTest::addColumn<QStringList>("journal");

    QTest::newRow("liste des mots lue") << false << true << QStringList{"eleve"};
    QTest::newRow("sans liste, code accepté")
        << true << true << QStringList{"eleve", "code", "enseignant"};
    QTest::newRow("sans liste, code refusé") << true << false << QStringList{"eleve", "code"};
}

void TestPrincipal::eleve_sansListeMots()
{
    QFETCH(bool, sansListeMots);
    QFETCH(bool, codeAccepte);
    QFETCH(QStringList, journal);

    Banc banc;
    banc.creerSons();
    banc.creerFichier(QStringLiteral("Paul.bil"));
    banc.eleveSansListeMots = sansListeMots;
    banc.codeAccepte = codeAccepte;
    QPushButton *maitre = nullptr;
    Qt::CursorShape pendant = Qt::ArrowCursor;
    banc.pendantCode = [&] { pendant = maitre->cursor().shape(); };
    banc.demarrer();
    maitre = banc.element<QPushButton>(QStringLiteral("cmdMaitre"));

    cliquer(banc, "cmdEleve");
    QCOMPARE(banc.journal, journal);
    QVERIFY(!banc.etat.accessGranted);
    if (sansListeMots)
        QCOMPARE(pendant, Qt::WaitCursor);
    QVERIFY(!maitre->testAttribute(Qt::WA_SetCursor));
    // The pupil road never looks for the installer.
    QVERIFY(banc.plateforme.lanceur.lancements.isEmpty());
}

// The real windows: the pupil window without Mots.dat gives way to the access
// code; a first visit to the teacher window writes Mots.dat, and the pupil
// window opens normally afterwards.
void TestPrincipal::eleve_sansListeMots_fenetresReelles()
{
    Banc banc;
    banc.creerSons();
    banc.creerFichier(QStringLiteral("Sons/chat.wav"), "RIFF");
    banc.creerFichier(QStringLiteral("Paul.bil"));
    banc.creerFichier(QStringLiteral("Code.dat"), "\"1234\"\r\n");
    QString code;   // typed into the access-code dialog
    QStringList vues;
    bool identification = false;

    EtatProgramme &etat = banc.etat;
    FrmOrthoval fenetre(etat, banc.plateforme.services());
    fenetre.show();

    // Answers each modal window as a user would, and notes what it saw.
    QWidget *derniere = nullptr;
    QTimer utilisateur;
    utilisateur.setInterval(10);
    connect(&utilisateur, &QTimer::timeout, &fenetre, [&] {
        QWidget *modale = QApplication::activeModalWidget();
        if (!modale || modale == derniere)
            return;
        derniere = modale;
        vues << modale->objectName();
        if (modale->objectName() == QLatin1String("frmCode")) {
            modale->findChild<QLineEdit *>(QStringLiteral("txtCode"))->setText(code);
            QTest::mouseClick(modale->findChild<QPushButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
        } else if (modale->objectName() == QLatin1String("frmEleve")) {
            auto *cadre = modale->findChild<QWidget *>(QStringLiteral("frameEleve"));
            identification = cadre && cadre->isVisible();
            QTimer::singleShot(0, modale, [modale] { qobject_cast<QDialog *>(modale)->done(QDialog::Rejected); });
        } else {
            modale->close();
        }
    });
    utilisateur.start();

    // A wrong code: nothing opens, and still no word list.
    code = QStringLiteral("0000");
    cliquer(fenetre, "cmdEleve");
    // The pupil window may close before the user sees it.
    vues.removeAll(QStringLiteral("frmEleve"));
    QCOMPARE(vues, QStringList{QStringLiteral("frmCode")});
    QVERIFY(!QFile::exists(banc.chemin(QStringLiteral("Mots.dat"))));
    QVERIFY(!etat.accessGranted);

    // The right code: the teacher window opens, and writes Mots.dat on closing.
    vues.clear();
    derniere = nullptr;
    code = QStringLiteral("1234");
    cliquer(fenetre, "cmdEleve");
    vues.removeAll(QStringLiteral("frmEleve"));
    QCOMPARE(vues, (QStringList{QStringLiteral("frmCode"), QStringLiteral("frmEnseignant")}));
    QVERIFY(QFile::exists(banc.chemin(QStringLiteral("Mots.dat"))));
    QVERIFY(!etat.accessGranted);
    QCOMPARE(banc.plateforme.messages.titres().count(QStringLiteral("Avertissement")), 2);

    // Now the pupil reaches "Qui es-tu ?".
    vues.clear();
    derniere = nullptr;
    cliquer(fenetre, "cmdEleve");
    QCOMPARE(vues, QStringList{QStringLiteral("frmEleve")});
    QVERIFY(identification);
}

void TestPrincipal::enseignant_code_data()
{
    QTest::addColumn<bool>("codeAccepte");
    QTest::addColumn<QStringList>("journal");

    QTest::newRow("code accepté") << true << QStringList{"code", "enseignant"};
    QTest::newRow("code refusé") << false << QStringList{"code"};
}

void TestPrincipal::enseignant_code()
{
    QFETCH(bool, codeAccepte);
    QFETCH(QStringList, journal);

    Banc banc;
    banc.creerSons();
    banc.codeAccepte = codeAccepte;
    banc.demarrer();
    cliquer(banc, "cmdMaitre");
    QCOMPARE(banc.journal, journal);
    QVERIFY(!banc.etat.accessGranted);
    QVERIFY(banc.plateforme.messages.demandes.isEmpty());

    // A second visit goes through the code again: the flag does not linger.
    banc.journal.clear();
    banc.codeAccepte = false;
    cliquer(banc, "cmdMaitre");
    QCOMPARE(banc.journal, QStringList{QStringLiteral("code")});
}

void TestPrincipal::enseignant_sablier()
{
    Banc banc;
    banc.creerSons();
    QList<Qt::CursorShape> formes;
    banc.demarrer();
    auto *maitre = banc.element<QPushButton>(QStringLiteral("cmdMaitre"));
    banc.pendantCode = [&] { formes << maitre->cursor().shape(); };
    banc.pendantEnseignant = [&] { formes << maitre->cursor().shape(); };
    cliquer(banc, "cmdMaitre");
    QCOMPARE(formes, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    QVERIFY(!maitre->testAttribute(Qt::WA_SetCursor));
}

void TestPrincipal::enseignant_apresFermeture()
{
    // What the teacher window changes is seen as soon as it has closed.
    Banc banc;
    banc.creerSons();
    banc.demarrer();
    banc.pendantEnseignant = [&] {
        banc.creerFichier(QStringLiteral("Zoé.bil"));
        banc.etat.policeExercice = {QStringLiteral("Andika"), 18};
    };
    cliquer(banc, "cmdMaitre");
    QCOMPARE(banc.fenetre->eleves(), QStringList{QStringLiteral("Zoé")});
    const QFont police = banc.element<QLabel>(QStringLiteral("lblPolice"))->font();
    QCOMPARE(police.family(), QStringLiteral("Andika"));
    QCOMPARE(police.pointSizeF(), 18.0);
}

void TestPrincipal::enseignant_installateur_data()
{
    QTest::addColumn<bool>("sons");
    QTest::addColumn<QStringList>("installateurs");   // programs present beside OrthoVal
    QTest::addColumn<QStringList>("demandes");
    QTest::addColumn<bool>("message");

    QTest::newRow("Sons présent") << true << QStringList{"sons.exe", "Sons.exe"} << QStringList{} << false;
    QTest::newRow("sons.exe") << false << QStringList{"sons.exe"} << QStringList{"sons.exe"} << false;
    QTest::newRow("Sons.exe seul")
        << false << QStringList{"Sons.exe"} << QStringList{"sons.exe", "Sons.exe"} << false;
    QTest::newRow("aucun installateur")
        << false << QStringList{} << QStringList{"sons.exe", "Sons.exe"} << true;
}

void TestPrincipal::enseignant_installateur()
{
    QFETCH(bool, sons);
    QFETCH(QStringList, installateurs);
    QFETCH(QStringList, demandes);
    QFETCH(bool, message);

    Banc banc;
    if (sons)
        banc.creerSons();
    LanceurSelectif lanceur;
    for (const QString &nom : installateurs)
        lanceur.presents << banc.chemin(nom);
    banc.autreLanceur = &lanceur;
    banc.demarrer();
    lanceur.demandes.clear();   // start-up has its own test

    cliquer(banc, "cmdMaitre");
    QStringList attendues;
    for (const QString &nom : demandes)
        attendues << banc.chemin(nom);
    QCOMPARE(lanceur.demandes, attendues);
    // The way on to the access code is the same with or without the library.
    QCOMPARE(banc.journal, (QStringList{QStringLiteral("code"), QStringLiteral("enseignant")}));
    const auto &messages = banc.plateforme.messages.demandes;
    QCOMPARE(messages.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(messages[0].titre, QString::fromUtf8("Bibliothèque sonore absente"));
        QVERIFY(messages[0].texte.contains(QStringLiteral("Sons")));
    }
}

void TestPrincipal::enseignant_dossierLectureSeule()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders");
    Banc banc;
    QFile::setPermissions(banc.dossier.path(), QFile::ReadOwner | QFile::ExeOwner);
    banc.demarrer();
    cliquer(banc, "cmdMaitre");
    QFile::setPermissions(banc.dossier.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The installer starts but cannot create the folder: the teacher is told.
    QCOMPARE(banc.plateforme.messages.titres(), QStringList{QString::fromUtf8("Bibliothèque sonore absente")});
    QCOMPARE(banc.journal.first(), QStringLiteral("code"));
}

void TestPrincipal::quitter()
{
    Banc banc;
    banc.creerSons();
    banc.creerFichier(QStringLiteral("Paul.bil"));
    banc.demarrer();
    cliquer(banc, "cmdQuitter");
    QCOMPARE(banc.journal, QStringList{QStringLiteral("fin")});
}

void TestPrincipal::textes_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");

    QTest::newRow("cmdEleve") << "cmdEleve" << QString::fromUtf8("&Elève");
    QTest::newRow("cmdMaitre") << "cmdMaitre" << "En&seignant";
    QTest::newRow("cmdQuitter") << "cmdQuitter" << "&Quitter";
    QTest::newRow("Frame1") << "Frame1" << "Avertissement";
    QTest::newRow("Label1") << "Label1" << QString::fromUtf8(
        "Lors de la première utilisation, ouvrez le module \"Enseignant\" afin de procéder à la "
        "création d'une liste d'élèves et de préparer la liste des mots à étudier.\nDe même, si "
        "vous ajoutez d'autres mots que vous avez vous-même sonorisés dans la bibliothèque \"Sons\" "
        "(répertoire \"C:\\Program Files\\Orthoval\\Sons\\\"), ouvrez le module enseignant pour "
        "affecter un niveau de difficulté à ces mots supplémentaires.");
    QTest::newRow("Label2_0") << "Label2_0" << QString::fromUtf8(
        "Orthoval nécessite un affichage de 800x600, avec 65 000 couleurs (24 bits) ou plus pour un "
        "meilleur confort.\nDe plus, il est préférable de régler la barre de démarrage de Windows en "
        "choisissant l'option \"Masquer automatiquement\" : --> clic droit sur la barre de "
        "démarrage, puis \"Propriété\", puis \"Masquer automatiquement\".");
}

void TestPrincipal::textes()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);

    Banc banc;
    banc.demarrer();
    QWidget *element = banc.element(nom);
    QVERIFY2(element, qPrintable(nom));
    if (auto *bouton = qobject_cast<QPushButton *>(element))
        QCOMPARE(bouton->text(), texte);
    else if (auto *cadre = qobject_cast<QGroupBox *>(element))
        QCOMPARE(cadre->title(), texte);
    else
        QCOMPARE(qobject_cast<QLabel *>(element)->text(), texte);
}

void TestPrincipal::degrade_data()
{
    QTest::addColumn<QSize>("taille");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("plein écran") << QSize(1280, 1000);
    QTest::newRow("moins de 256 lignes") << QSize(700, 200);
}

void TestPrincipal::degrade()
{
    QFETCH(QSize, taille);

    Banc banc;
    FrmOrthoval &fenetre = banc.demarrer();
    fenetre.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    fenetre.setMinimumSize(0, 0);
    fenetre.resize(taille);
    const QImage image = fenetre.grab().toImage();
    const int h = image.height();
    QCOMPARE(h, fenetre.height());

    // Down the left margin, where no control hides the background.
    QCOMPARE(image.pixelColor(1, 0), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(image.width() - 2, 0), QColor(0, 0, 255));
    if (h >= 256) {
        QCOMPARE(image.pixelColor(1, h - 1), QColor(0, 255, 255));
        QCOMPARE(image.pixelColor(image.width() - 2, h - 1), QColor(0, 255, 255));
    }
    int precedent = -1;
    for (int y = 0; y < h; ++y) {
        const QColor c = image.pixelColor(1, y);
        QVERIFY(c.red() == 0 && c.blue() == 255);
        QVERIFY2(c.green() >= precedent, qPrintable(QStringLiteral("ligne %1").arg(y)));
        QCOMPARE(c.green(), y * 256 / h);
        precedent = c.green();
    }
}

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
