// A school day's accidents through the real windows: the disk fills during a
// visit or while the teacher works (a small tmpfs, as a full share or quota
// does it), and files that are not files (named pipes planted by a pupil
// account) at the doors. Nothing is emptied, nothing hangs, and the user is
// told.
#include "pupil/pilote.h"
#include "../support/fichiers.h"
#include "shell/frmorthoval.h"
#include "shell/portes.h"
#include "teacher/frmcode.h"
#include "teacher/frmenseignant.h"

#include "data/journal.h"
#include "data/verrou.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QDate kJour(2026, 12, 5);
const QColor kVert(0x00, 0xFF, 0x00);

// A small filesystem of its own mounted on the installation folder (root
// only), unmounted before the folder is removed.
struct DisqueMonte {
    QString point;
    bool monte = false;
    explicit DisqueMonte(const QString &dossier) : point(dossier)
    {
        monte = ::getuid() == 0
            && ::mount("tmpfs", QFile::encodeName(point).constData(), "tmpfs", 0, "size=1m,mode=0755") == 0;
    }
    ~DisqueMonte()
    {
        if (monte)
            ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
    }
};

// Fills the filesystem holding the folder, to the last byte a file may take.
void remplir(const QString &dossier)
{
    const int fd = ::open(QFile::encodeName(dossier + u"/remplissage"_s).constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    const QByteArray bloc(4096, 'x');
    while (::write(fd, bloc.constData(), size_t(bloc.size())) > 0) {}
    while (::write(fd, "x", 1) > 0) {}
    QCOMPARE(errno, ENOSPC);
    ::close(fd);
}

// Ends the test program, naming the case, if what it guards has not
// returned in time: a blocked open() lets no timer of the test fire.
class Chien {
public:
    explicit Chien(QByteArray cas) : fil_([this, cas] {
        for (int i = 0; i < 200 && !fini_; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!fini_) {
            std::fprintf(stderr, "FAIL: bloqué : %s\n", cas.constData());
            std::_Exit(1);
        }
    }) {}
    ~Chien()
    {
        fini_ = true;
        fil_.join();
    }

private:
    std::atomic<bool> fini_{false};
    std::thread fil_;
};

} // namespace

class TestDisque : public QObject {
    Q_OBJECT
private slots:
    // The disk fills during the work; "Quitter" says so and keeps the window
    // open with the work in memory; the file on disk is the old one, whole;
    // once room is made, the same "Quitter" saves.
    void disquePlein_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<int>("mots");   // words in the list and in Paul's file
        QTest::newRow("élève, petit fichier") << "élève" << 3;
        QTest::newRow("élève, grand fichier") << "élève" << 1500;
        QTest::newRow("enseignant, petit fichier") << "enseignant" << 3;
        QTest::newRow("enseignant, grand fichier") << "enseignant" << 1500;
    }
    void disquePlein()
    {
        QFETCH(QString, fenetre);
        QFETCH(int, mots);
        Installation inst;
        const DisqueMonte disque(inst.dossier.path());
        if (!disque.monte)
            QSKIP("monter un petit système de fichiers demande les droits de root");
        QStringList liste;
        QList<LigneProgression> lignes;
        for (int i = 0; i < mots; ++i) {
            liste << u"mot%1"_s.arg(i);
            lignes << ligne(liste.last(), 0, u"1"_s, u"01/12/2026"_s);
        }
        inst.preparer(liste);
        inst.ecrireBilan(u"Paul"_s, lignes);
        const QString fichier = inst.chemin(fenetre == u"élève" ? u"Paul.bil"_s : u"Mots.dat"_s);
        const QByteArray avant = lireOctets(fichier);

        PlateformeFactice plateforme;
        plateforme.horloge.jour = kJour;
        plateforme.messages.reponseQuestion = false;   // "close anyway?": no
        EtatProgramme etat{inst.dossier.path()};
        std::unique_ptr<QDialog> f;
        if (fenetre == u"élève") {
            auto eleve = std::make_unique<FrmEleve>(etat, plateforme.services());
            eleve->show();
            auto *noms = eleve->findChild<QComboBox *>(u"cmbEleve"_s);
            noms->setCurrentIndex(noms->findText(u"Paul"_s));
            eleve->findChild<QPushButton *>(u"cmdIdentite"_s)->click();
            remplir(inst.dossier.path());
            auto *reponse = eleve->findChild<QLineEdit *>(u"txtMot"_s);
            QTest::keyClicks(reponse, eleve->motCourant());
            QTest::keyClick(reponse, Qt::Key_Return);
            f = std::move(eleve);
        } else {
            f = std::make_unique<FrmEnseignant>(etat, plateforme.services());
            f->show();
            remplir(inst.dossier.path());
            {   // level 1 -> 2
                auto *vue = f->findChild<QTableView *>(u"vueMots"_s);
                QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, vue->visualRect(vue->model()->index(0, 1)).center());
            }
        }
        f->findChild<QPushButton *>(u"cmdQuitter"_s)->click();
        QVERIFY(f->isVisible());
        QCOMPARE(lireOctets(fichier), avant);
        QVERIFY(!plateforme.messages.demandes.isEmpty());
        const QString message = plateforme.messages.demandes.constLast().texte;
        QVERIFY2(message.contains(u"le disque est plein"_s), qPrintable(message));
        QVERIFY2(message.contains(QFileInfo(fichier).fileName()), qPrintable(message));
        // No temporary file is left to fill the disk further.
        QCOMPARE(QDir(inst.dossier.path()).entryList({u"*.ecriture-*"_s}, QDir::Files | QDir::Hidden), QStringList());

        QVERIFY(QFile::remove(inst.chemin(u"remplissage"_s)));
        f->findChild<QPushButton *>(u"cmdQuitter"_s)->click();
        QVERIFY(!f->isVisible());
        QVERIFY(lireOctets(fichier) != avant);
        QVERIFY(lireOctets(fichier).size() > 0);
    }

    // A named pipe at a data file's name is unreadable like a damaged file:
    // the door it stands behind says so, or goes on without it, and never
    // waits for a writer that will not come.
    void tubes_data()
    {
        QTest::addColumn<QString>("tube");
        QTest::addColumn<QString>("porte");
        QTest::addColumn<QString>("attendu");   // a message title, or what goes on
        QTest::newRow("Fonte.dat au démarrage") << "Fonte.dat" << "démarrage" << "police par défaut";
        QTest::newRow("Mots.dat à la porte élève") << "Mots.dat" << "élève" << "Liste des mots abîmée";
        QTest::newRow("Affichage.dat à la porte élève") << "Affichage.dat" << "élève" << "visite";
        QTest::newRow("Paul.bil à la porte élève") << "Paul.bil" << "élève" << "absent de la liste";
        QTest::newRow("Code.dat à la porte enseignant") << "Code.dat" << "enseignant" << "refusé";
        QTest::newRow("Journal/Paul.incomplet à la première réponse") << "Journal/Paul.incomplet" << "élève" << "visite";
    }
    void tubes()
    {
        QFETCH(QString, tube);
        QFETCH(QString, porte);
        QFETCH(QString, attendu);
        Installation inst;
        inst.preparer({u"chat"_s});
        QDir(inst.dossier.path()).mkpath(kDossierJournal);
        QFile::remove(inst.chemin(tube));
        QCOMPARE(::mkfifo(QFile::encodeName(inst.chemin(tube)).constData(), 0666), 0);
        const Chien chien(QTest::currentDataTag());

        PlateformeFactice plateforme;
        plateforme.horloge.jour = kJour;
        EtatProgramme etat{inst.dossier.path()};
        if (porte == u"démarrage") {
            FrmOrthoval principal(etat, plateforme.services());
            principal.show();
            QCOMPARE(etat.policeExercice.nom, kPoliceExerciceParDefaut.nom);
        } else if (porte == u"enseignant") {
            FrmCode code(etat, plateforme.services());
            code.show();
            auto *saisie = code.findChild<QLineEdit *>(u"txtCode"_s);
            QTest::keyClicks(saisie, u"abc"_s);
            QTest::keyClick(saisie, Qt::Key_Return);
            QVERIFY(!etat.accessGranted);
            QVERIFY(!plateforme.messages.demandes.isEmpty());
        } else {
            Pilote p(inst, {}, kJour);
            p.identifier(u"Paul"_s);
            if (attendu == u"absent de la liste") {
                QCOMPARE(p.w<QComboBox>(u"cmbEleve"_s)->findText(u"Paul"_s), -1);
            } else if (attendu == u"visite") {
                p.repondre(u"chat"_s);
                QCOMPARE(p.fondReponse(), kVert);
                p.quitter();
                QVERIFY(inst.lireBilan(u"Paul"_s).contains("\"chat\""));
            } else {
                QVERIFY2(p.plateforme.messages.titres().contains(attendu),
                         qPrintable(p.plateforme.messages.titres().join(u" | "_s)));
            }
        }
        // The pipe is still there, untouched: nothing was written over it
        // (the journal's flag, once the gap is written down, is cleared).
        if (!tube.startsWith(kDossierJournal)) {
        struct stat etatTube {};
        QVERIFY(::lstat(QFile::encodeName(inst.chemin(tube)).constData(), &etatTube) == 0 && S_ISFIFO(etatTube.st_mode));
        }
    }

    // A folder at Paul's lock name (with something in it, so nothing may just
    // remove it) keeps him out, and he is told to fetch the teacher; the
    // teacher's door sets it aside, keeping what it holds, and Paul gets in.
    void verrouEnDossier()
    {
        Installation inst;
        inst.preparer({u"chat"_s});
        QVERIFY(QDir(inst.dossier.path()).mkpath(u"Paul.bil.verrou/dedans"_s));
        {
            Pilote p(inst, u"Paul"_s, kJour);
            QCOMPARE(p.plateforme.messages.titres(), QStringList{textes_verrou::kTitreVerrouAbime});
            QVERIFY(p.plateforme.messages.demandes[0].texte.contains(u"Demande à ton enseignant"_s));
        }
        PlateformeFactice plateforme;
        EtatProgramme etat{inst.dossier.path()};
        FenetresModales fenetres;
        fenetres.code = [](EtatProgramme &e, Plateforme, QWidget *) { e.accessGranted = true; };
        bool ouvert = false;
        fenetres.enseignant = [&](EtatProgramme &, Plateforme, QWidget *) { ouvert = true; };
        passerPorteEnseignant(etat, plateforme.services(), nullptr, fenetres);
        QVERIFY(ouvert);
        QCOMPARE(plateforme.messages.titres(), QStringList{textes_verrou::kTitreVerrouAbime});
        QVERIFY(plateforme.messages.demandes[0].texte.contains(u"Paul.bil.verrou"_s));
        const QStringList ecartes = QDir(inst.dossier.path()).entryList({u"Paul.bil.verrou-abime-*"_s}, QDir::Dirs);
        QCOMPARE(ecartes.size(), 1);
        QVERIFY(QFileInfo(inst.chemin(ecartes[0] + u"/dedans"_s)).isDir());

        Pilote p(inst, u"Paul"_s, kJour);
        QCOMPARE(p.plateforme.messages.titres(), QStringList());
        QCOMPARE(p.fenetre->motCourant(), u"chat"_s);
    }
};

QTEST_MAIN(TestDisque)
#include "tst_disque.moc"
