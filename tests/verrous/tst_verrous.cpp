// Two computers on one shared folder: a pupil, or the teacher module, open in
// one program keeps the other out until it is left. The same test program,
// started with a child mode, is the other computer's program: a real pupil
// window or teacher window on the same folder, ended by "quitter" on its
// standard input or killed.
#include "data/eleves.h"
#include "data/verrou.h"
#include "pupil/pilote.h"
#include "shell/frmorthoval.h"
#include "shell/portes.h"
#include "teacher/frmenseignant.h"

#include <QProcess>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

const QString kTitreEleve = u"Élève déjà au travail"_s;
const QString kTitreEnseignant = u"Module Enseignant déjà ouvert"_s;

// Child: "--eleve dossier" identifies Paul, writes "chat" right and says
// "pret"; "--enseignant dossier" opens the teacher module through its door
// and says "pret" once it is up. Either says "refuse" when kept out, and
// leaves on "quitter".
int enfant(int argc, char **argv)
{
    const bool eleve = argc == 3 && std::strcmp(argv[1], "--eleve") == 0;
    if (argc != 3 || (!eleve && std::strcmp(argv[1], "--enseignant") != 0))
        return -1;
    QApplication application(argc, argv);
    PlateformeFactice plateforme;
    plateforme.horloge.jour = QDate(2026, 12, 5);
    EtatProgramme etat{QString::fromLocal8Bit(argv[2])};
    auto dire = [](const char *mot) { std::puts(mot); std::fflush(stdout); };
    QSocketNotifier entree(0, QSocketNotifier::Read);
    QObject::connect(&entree, &QSocketNotifier::activated, [&] {
        char ligne[64] = {};
        if (!std::fgets(ligne, sizeof ligne, stdin) || std::strcmp(ligne, "quitter\n") == 0) {
            entree.setEnabled(false);
            for (QWidget *fenetre : QApplication::topLevelWidgets())
                if (fenetre->isVisible() && qobject_cast<QDialog *>(fenetre))
                    fenetre->close();
        }
    });
    if (eleve) {
        FrmEleve fenetre(etat, plateforme.services());
        fenetre.show();
        auto *liste = fenetre.findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(u"Paul"_s));
        fenetre.findChild<QPushButton *>(u"cmdIdentite"_s)->click();
        if (fenetre.nomEleve().isEmpty()) {
            dire("refuse");
            return 1;
        }
        auto *reponse = fenetre.findChild<QLineEdit *>(u"txtMot"_s);
        for (QChar c : fenetre.motCourant())
            frapper(reponse, QString(c), c.toUpper().unicode());
        QTest::keyClick(reponse, Qt::Key_Return);
        dire("pret");
        fenetre.exec();
        return 0;
    }
    FenetresModales fenetres = fenetresModalesQt();
    fenetres.code = [](EtatProgramme &e, Plateforme, QWidget *) { e.accessGranted = true; };
    QTimer::singleShot(0, [&] { dire("pret"); });
    passerPorteEnseignant(etat, plateforme.services(), nullptr, fenetres);
    if (plateforme.messages.titres().contains(kTitreEnseignant)) {
        dire("refuse");
        return 1;
    }
    return 0;
}

// The other computer's program.
struct Enfant {
    QProcess processus;
    QByteArray demarrer(const char *mode, const QString &dossier)
    {
        processus.start(QCoreApplication::applicationFilePath(), {QLatin1String(mode), dossier});
        while (!processus.canReadLine() && processus.waitForReadyRead(30000)) {}
        return processus.readLine().trimmed();
    }
    // Leaves the normal way, or dies at once (power cut, task manager).
    bool terminer(bool tuer)
    {
        if (tuer)
            ::kill(pid_t(processus.processId()), SIGKILL);
        else
            processus.write("quitter\n");
        return processus.waitForFinished(30000)
               && processus.exitStatus() == (tuer ? QProcess::CrashExit : QProcess::NormalExit);
    }
    ~Enfant()
    {
        if (processus.state() != QProcess::NotRunning) {
            processus.kill();
            processus.waitForFinished();
        }
    }
};

// A lock file as another program wrote it: process, program, computer name,
// machine and boot identifiers.
QByteArray verrouEcrit(const QByteArray &ordinateur, const QByteArray &machine, const QByteArray &demarrage)
{
    return "999999\northoval\n" + ordinateur + '\n' + machine + '\n' + demarrage + '\n';
}

bool vieillir(const QString &chemin, int minutes)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadWrite)
           && f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutes), QFileDevice::FileModificationTime);
}

QStringList contenuDossier(const Installation &inst)
{
    return QDir(inst.dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class TestVerrous : public QObject {
    Q_OBJECT
private slots:
    // Paul works on one computer: on the other, "C'est moi." is refused and
    // that window neither reads nor writes his file, so his answer survives
    // whichever program closes last; the teacher cannot delete him either. Once the first program has ended, by
    // "Quitter" or killed, Paul gets in without anyone's help.
    void eleveSurDeuxOrdinateurs_data()
    {
        QTest::addColumn<bool>("tue");
        QTest::addColumn<QString>("acquis");   // Paul's acquired words once back in
        QTest::newRow("quitte") << false << u"1"_s;
        QTest::newRow("tué") << true << u"0"_s;
    }
    void eleveSurDeuxOrdinateurs()
    {
        QFETCH(bool, tue);
        QFETCH(QString, acquis);
        Installation inst;
        inst.preparer({u"chat"_s, u"chien"_s});   // one left to propose after the one answered
        Enfant autre;
        QCOMPARE(autre.demarrer("--eleve", inst.dossier.path()), QByteArray("pret"));

        Pilote ici(inst, u"Paul"_s);
        QCOMPARE(ici.plateforme.messages.titres(), QStringList{kTitreEleve});
        const QString texte = ici.plateforme.messages.demandes.first().texte;
        QVERIFY2(texte.startsWith(u"«\u00A0Paul\u00A0» travaille déjà sur cet ordinateur"_s), qPrintable(texte));
        QVERIFY(ici.fenetre->nomEleve().isEmpty());
        QCOMPARE(ici.fenetre->fgEleve().nombreLignes(), 0);
        QVERIFY(ici.w<QGroupBox>(u"frameEleve"_s)->isVisible());
        QCOMPARE(listerEleves(inst.dossier.path()), QStringList{u"Paul"_s});
        // Nor can the teacher delete him meanwhile: his work would be saved
        // again into a pupil who no longer exists.
        FrmEnseignant enseignant(ici.etat, ici.plateforme.services());
        enseignant.findChild<QPushButton *>(u"cmdEleves"_s)->click();
        enseignant.findChild<QPushButton *>(u"cmdSupprimer"_s)->click();   // Paul, the only pupil
        QCOMPARE(ici.plateforme.messages.titres().last(), u"Suppression impossible"_s);
        QVERIFY(QFileInfo::exists(inst.chemin(u"Paul.bil"_s)));

        QVERIFY(autre.terminer(tue));
        const QByteArray laisse = inst.lireBilan(u"Paul"_s);
        ici.fenetre->reject();   // the refused window closed by its frame
        QCOMPARE(inst.lireBilan(u"Paul"_s), laisse);

        Pilote ensuite(inst, u"Paul"_s);
        QCOMPARE(ensuite.plateforme.messages.titres(), QStringList{});
        QCOMPARE(ensuite.texte(u"lblMotsConnus"_s), acquis);
        ensuite.quitter();
        QCOMPARE(contenuDossier(inst), (QStringList{u"Mots.dat"_s, u"Paul.bil"_s, u"Sons"_s}));
    }

    // The teacher module open on one computer: the other's teacher door says
    // so after the code and opens nothing, until the first is closed or dies.
    void enseignantSurDeuxOrdinateurs_data()
    {
        QTest::addColumn<bool>("tue");
        QTest::newRow("fermé") << false;
        QTest::newRow("tué") << true;
    }
    void enseignantSurDeuxOrdinateurs()
    {
        QFETCH(bool, tue);
        Installation inst;
        inst.preparer({u"chat"_s});
        Enfant autre;
        QCOMPARE(autre.demarrer("--enseignant", inst.dossier.path()), QByteArray("pret"));

        PlateformeFactice plateforme;
        EtatProgramme etat{inst.dossier.path()};
        FrmOrthoval principale(etat, plateforme.services());
        QStringList ouvertes;
        FenetresModales fenetres;
        fenetres.code = [&](EtatProgramme &e, Plateforme, QWidget *) { ouvertes << u"code"_s; e.accessGranted = true; };
        fenetres.enseignant = [&](EtatProgramme &, Plateforme, QWidget *) { ouvertes << u"enseignant"_s; };
        principale.remplacerFenetres(fenetres);
        auto *cmdMaitre = principale.findChild<QPushButton *>(u"cmdMaitre"_s);

        cmdMaitre->click();
        QCOMPARE(ouvertes, QStringList{u"code"_s});
        QCOMPARE(plateforme.messages.titres(), QStringList{kTitreEnseignant});
        QVERIFY(!etat.accessGranted);

        QVERIFY(autre.terminer(tue));
        cmdMaitre->click();
        QCOMPARE(ouvertes, (QStringList{u"code"_s, u"code"_s, u"enseignant"_s}));
        QCOMPARE(plateforme.messages.titres(), QStringList{kTitreEnseignant});
        QVERIFY(!contenuDossier(inst).join(u' ').contains(u"verrou"_s));
    }

    // What may lie at the lock's name when Paul says "C'est moi.": a lock of
    // another computer, fresh (refused, naming it) or abandoned (taken over);
    // one of a cloned computer (same machine identifier, another name); a
    // link planted by a pupil account, removed without a byte written through it.
    void verrouTrouve_data()
    {
        QTest::addColumn<QByteArray>("verrou");   // "lien": a link to a file outside
        QTest::addColumn<int>("ageMinutes");
        QTest::addColumn<QString>("refus");       // the start of the message, empty: Paul gets in
        const QByteArray ailleurs = verrouEcrit("salle-B-03", "autre-machine", "autre-demarrage");
        const QByteArray clone = verrouEcrit("salle-B-04", QSysInfo::machineUniqueId(), QSysInfo::bootUniqueId());
        QTest::newRow("autre ordinateur, au travail") << ailleurs << 1 << u"«\u00A0Paul\u00A0» travaille déjà sur un autre ordinateur («\u00A0salle\u2011B\u201103\u00A0»)."_s;
        QTest::newRow("autre ordinateur, abandonné") << ailleurs << 10 << QString();
        QTest::newRow("ordinateur cloné, au travail") << clone << 0 << u"«\u00A0Paul\u00A0» travaille déjà sur un autre ordinateur («\u00A0salle\u2011B\u201104\u00A0»)."_s;
        QTest::newRow("lien planté") << QByteArray("lien") << 0 << QString();
    }
    void verrouTrouve()
    {
        QFETCH(QByteArray, verrou);
        QFETCH(int, ageMinutes);
        QFETCH(QString, refus);
        Installation inst;
        inst.preparer({u"chat"_s});
        QTemporaryDir dehors;
        const QString cible = dehors.filePath(u"cible"_s), chemin = inst.chemin(u"Paul.bil.verrou"_s);
        QFile f(cible);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("intact\n") == 7);
        f.close();
        const QDateTime dateCible = QFileInfo(cible).lastModified();
        if (verrou == "lien") {
            QVERIFY(QFile::link(cible, chemin));
        } else {
            inst.ecrire(u"Paul.bil.verrou"_s, verrou);
            QVERIFY(vieillir(chemin, ageMinutes));
        }

        Pilote ici(inst, u"Paul"_s);
        const auto &demandes = ici.plateforme.messages.demandes;
        QCOMPARE(demandes.isEmpty() ? QString() : demandes.first().texte.section(u'\n', 0, 0), refus);
        QCOMPARE(ici.fenetre->nomEleve().isEmpty(), !refus.isEmpty());
        QCOMPARE(QFileInfo(chemin).isSymLink(), false);
        QFile relue(cible);
        QVERIFY(relue.open(QIODevice::ReadOnly));
        QCOMPARE(relue.readAll(), QByteArray("intact\n"));
        QCOMPARE(QFileInfo(cible).lastModified(), dateCible);
    }

    // A session longer than the time after which another computer's lock
    // counts as abandoned: the held lock stays fresh, so a second computer
    // reading it as another's still keeps out.
    void longueSeance()
    {
        Verrou::reglerDelais(std::chrono::milliseconds(50), std::chrono::seconds(5));
        const auto retablir = qScopeGuard([] { Verrou::reglerDelais(std::chrono::minutes(1), std::chrono::minutes(5)); });
        Installation inst;
        inst.preparer({u"chat"_s});
        Pilote premier(inst, u"Paul"_s);
        QVERIFY(!premier.fenetre->nomEleve().isEmpty());
        // As a computer elsewhere sees it an hour after identification: a
        // file of another computer, without this system's lock on it (a new
        // file put in its place).
        QSaveFile ailleurs(inst.chemin(u"Paul.bil.verrou"_s));
        QVERIFY(ailleurs.open(QIODevice::WriteOnly));
        ailleurs.write(verrouEcrit("salle-B-03", "autre-machine", "autre-demarrage"));
        QVERIFY(ailleurs.commit() && vieillir(inst.chemin(u"Paul.bil.verrou"_s), 60));
        QTest::qWait(300);

        Pilote second(inst, u"Paul"_s);
        QCOMPARE(second.plateforme.messages.titres(), QStringList{kTitreEleve});
        QVERIFY(second.fenetre->nomEleve().isEmpty());
    }
};

int main(int argc, char **argv)
{
    if (const int codeEnfant = enfant(argc, argv); codeEnfant >= 0)
        return codeEnfant;
    QApplication application(argc, argv);
    TestVerrous test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_verrous.moc"
