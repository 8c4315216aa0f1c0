// From the pupil's "C'est moi." to the first sound of the first word, heard
// through a private PulseAudio server whose sink writes what it plays into a
// FIFO, with 1,000 words in the installation. The playback module and the
// audio libraries behind it load at the first word, once per process, so
// every measurement is a fresh process: the benchmark starts itself as the
// pupil's program, which prints the instant of the click (monotonic clock)
// and clicks; the time is taken when the first sound is seen in the capture
// (polled every millisecond).
#include "audio/serveurson.h"
#include "platform/plateformeqt.h"
#include "pupil/frmeleve.h"
#include "support/plateformefactice.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>

namespace {

const char *const kEnfant = "--visite";
ServeurSon *serveur = nullptr;

// The monotonic clock in nanoseconds, the same in every process.
qint64 instantNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The instant the capture first holds sound after the frame `de` (a few
// samples above -66 dB; the sink's silence is exact zeros), or -1.
qint64 premierSon(qint64 de)
{
    for (int attente = 0; attente < 5000; ++attente) {
        if (serveur->energie(de, serveur->trames()) > 1e-11)
            return instantNs();
        QThread::msleep(1);
    }
    return -1;
}

// The pupil's side, in the child: the window on the real sound device, then
// the click, its instant printed first.
int visiter(const QString &dossier)
{
    PlateformeFactice factice;
    SonQt son;
    Plateforme services = factice.services();
    services.son = &son;
    EtatProgramme etat{dossier};
    FrmEleve fenetre(etat, services);
    fenetre.show();
    auto *liste = fenetre.findChild<QComboBox *>(QStringLiteral("cmbEleve"));
    liste->setCurrentIndex(liste->findText(QStringLiteral("Paul")));
    QTest::qWait(50);   // the window is up and idle, as when a child reaches for the button
    std::printf("%lld\n", static_cast<long long>(instantNs()));
    std::fflush(stdout);
    QTest::mouseClick(fenetre.findChild<QPushButton *>(QStringLiteral("cmdIdentite")), Qt::LeftButton);
    return fenetre.motCourant().isEmpty() ? 1 : 0;
}

// An installation with n words at levels 1 to 5, all recorded (one spoken
// word, hard-linked under every name), and the pupil Paul.
QString installation(int n)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> dossiers;
    auto &dossier = dossiers[n];
    if (dossier)
        return dossier->path();
    dossier = std::make_unique<QTemporaryDir>();
    const QString racine = dossier->path();
    QDir(racine).mkpath(QStringLiteral("Sons"));
    const QString modele = racine + QStringLiteral("/modele.wav");
    QProcess::execute(QStringLiteral("espeak-ng"),
                      {QStringLiteral("-v"), QStringLiteral("fr"), QStringLiteral("-w"), modele, QStringLiteral("hippopotame")});
    QFile mots(racine + QStringLiteral("/Mots.dat"));
    mots.open(QIODevice::WriteOnly);
    for (int i = 0; i < n; ++i) {
        const QString mot = QStringLiteral("mot%1").arg(i);
        std::error_code erreur;
        std::filesystem::create_hard_link(modele.toStdString(), (racine + QStringLiteral("/Sons/") + mot + QStringLiteral(".wav")).toStdString(), erreur);
        mots.write(QStringLiteral("\"*\",\"%1\",\"%2\"\r\n").arg(mot).arg(1 + i % 5).toLatin1());
    }
    return racine;
}

void BM_PremierSon(benchmark::State &state)
{
    const QString dossier = installation(int(state.range(0)));
    for (auto _ : state) {
        QFile bilan(dossier + QStringLiteral("/Paul.bil"));   // a new pupil every time
        bilan.open(QIODevice::WriteOnly | QIODevice::Truncate);
        bilan.close();
        const qint64 debut = serveur->trames();
        QProcess enfant;   // a client of the private server, as this process
        enfant.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        enfant.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kEnfant), dossier});
        qint64 clic = -1;
        while (clic < 0 && enfant.waitForReadyRead(20000))
            if (enfant.canReadLine())
                clic = enfant.readLine().trimmed().toLongLong();
        const qint64 son = clic < 0 ? -1 : premierSon(debut);
        const bool fini = enfant.waitForFinished(30000);
        if (!fini || enfant.exitCode() != 0) {
            state.SkipWithError("the pupil's program did not present a word");
            break;
        }
        if (son < 0) {
            state.SkipWithError("no sound came through the sink");
            break;
        }
        state.SetIterationTime(double(son - clic) / 1e9);
    }
}
BENCHMARK(BM_PremierSon)->Arg(1000)->UseManualTime()->Iterations(1)->Repetitions(9)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], kEnfant) == 0)
        return visiter(QString::fromLocal8Bit(argv[2]));
    ServeurSon serveurPrive;
    const QString erreur = serveurPrive.demarrer();
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "cannot start the sound server: %s\n", qPrintable(erreur));
        return 1;
    }
    serveur = &serveurPrive;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
