// The class overview on a large class (offscreen, no display needed): 30
// pupils of 2,000 words each, at every step of the ladder, each with a school
// year of answers in his journal. Reading the class from the folder; the
// window opened and shown, the first time in a run (no phonemes known yet)
// and again; one pupil's words and mistakes.
#include "anneejournal.h"
#include "overview/frmsuivi.h"
#include "overview/frmsuivieleve.h"
#include "overview/suiviclasse.h"
#include "support/plateformefactice.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

constexpr int kEleves = 30;
constexpr int kMots = 2000;
const QDate kJour(2026, 12, 5);

// Mots.dat with kMots words and, per pupil, a file spread over the ladder.
void preparer(const QString &dossier)
{
    QFile mots(dossier + QStringLiteral("/Mots.dat"));
    mots.open(QIODevice::WriteOnly);
    for (int i = 0; i < kMots; ++i)
        mots.write(QStringLiteral("\"*\",\"mot%1\",\"%2\"\r\n").arg(i).arg(1 + i % 5).toLatin1());
    constexpr int kEtapes[] = {0, 3, 4, 5, 6, 7, 8, 9, 10, 10, 0};
    for (int e = 0; e < kEleves; ++e) {
        QFile bil(dossier + QStringLiteral("/Eleve %1.bil").arg(e));
        bil.open(QIODevice::WriteOnly);
        QByteArray octets;
        for (int i = 0; i < kMots; ++i) {
            const int etape = kEtapes[(i * 7 + e) % 11];
            const QByteArray date = kJour.addDays(-((i + e) % 40)).toString(QStringLiteral("dd/MM/yyyy")).toLatin1();
            for (int c = 0; c < 11; ++c) {
                octets += '"';
                if (c == 1)
                    octets += QByteArray::number(1 + i % 5);
                else if (c == 2)
                    octets += date;
                else if (c == etape)
                    octets += "mot" + QByteArray::number(i);
                octets += "\"\r\n";
            }
        }
        bil.write(octets);
        annee::ecrireAnnee(dossier, QStringLiteral("Eleve %1").arg(e), quint32(1000 + e));
    }
}

struct Classe {
    QTemporaryDir dossier;
    ListeMots liste;
    Classe()
    {
        preparer(dossier.path());
        liste = LireListeMotsEleve(dossier.path()).liste;
    }
};

Classe &classe()
{
    static Classe c;
    return c;
}

// What the teacher waits for: the files read, the window built and painted.
// The mistakes by kind come in the background; the counter "erreurs_ms" is
// when they are in the table, counted from the start.
void OuvrirFenetreSuivi(benchmark::State &state)
{
    Classe &c = classe();
    PlateformeFactice factice;
    double erreurs = 0;
    for (auto _ : state) {
        QElapsedTimer montre;
        montre.start();
        auto fenetre = std::make_unique<FrmSuivi>(c.dossier.path(), c.liste, factice.services());
        fenetre->show();
        if (!QTest::qWaitForWindowExposed(fenetre.get()))
            state.SkipWithError("window not shown");
        benchmark::DoNotOptimize(fenetre->grab().width());
        state.PauseTiming();
        fenetre->attendreErreurs();
        erreurs += double(montre.nsecsElapsed()) / 1e6;
        fenetre.reset();
        state.ResumeTiming();
    }
    state.counters["erreurs_ms"] = benchmark::Counter(erreurs / double(state.iterations()));
}

// Registered first: the first opening in a run, when no phoneme is known yet.
void BM_OuvrirFenetreSuiviPremiereFois(benchmark::State &state)
{
    OuvrirFenetreSuivi(state);
}
BENCHMARK(BM_OuvrirFenetreSuiviPremiereFois)->Unit(benchmark::kMillisecond)->Iterations(1);
void BM_OuvrirFenetreSuivi(benchmark::State &state)
{
    OuvrirFenetreSuivi(state);
}
BENCHMARK(BM_OuvrirFenetreSuivi)->Unit(benchmark::kMillisecond);

void BM_LireSuiviClasse(benchmark::State &state)
{
    Classe &c = classe();
    for (auto _ : state) {
        const SuiviClasse suivi = lireSuiviClasse(c.dossier.path(), c.liste, kJour);
        benchmark::DoNotOptimize(compterMotsDifficiles(suivi).size());
    }
}
BENCHMARK(BM_LireSuiviClasse)->Unit(benchmark::kMillisecond);

// One pupil: the window built, shown and painted on his words (range 0), or
// then turned to his mistakes tab (range 1), thirty answers letter by letter.
void BM_OuvrirEleve(benchmark::State &state)
{
    Classe &c = classe();
    PlateformeFactice factice;
    SuiviClasse suivi = lireSuiviClasse(c.dossier.path(), c.liste, kJour);
    ajouterErreurs(suivi, resumerErreursClasse(c.dossier.path(), {suivi.eleves[0].nom}));
    for (auto _ : state) {
        FrmSuiviEleve fenetre(suivi.eleves[0], factice.services());
        fenetre.show();
        if (!QTest::qWaitForWindowExposed(&fenetre))
            state.SkipWithError("window not shown");
        benchmark::DoNotOptimize(fenetre.grab().width());
        if (state.range(0) == 1) {
            fenetre.onglets()->setCurrentIndex(1);
            benchmark::DoNotOptimize(fenetre.grab().width());
        }
    }
}
BENCHMARK(BM_OuvrirEleve)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
