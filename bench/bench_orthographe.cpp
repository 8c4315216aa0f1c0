// The class's spelling at the first word of a run: the pupil window reads the
// table of 1990 spellings then (each iteration a cold table, as a new
// process would), and a word's forms once it is read.
#include "pupil/orthographeeleve.h"

#include <benchmark/benchmark.h>

namespace {
const QString kProgramme = QStringLiteral(ORTHOVAL_PROGRAMME);

// Another spelling of the same folder: the process keeps one table per folder.
QString dossierNeuf()
{
    static int compteur = 0;
    return kProgramme + QStringLiteral("/.").repeated(++compteur);
}

void BM_PremierMot(benchmark::State &state)
{
    const auto reglage = ReglageOrthographe(state.range(0));
    for (auto _ : state) {
        const auto formes = formesPourVisite(reglage, dossierNeuf());
        benchmark::DoNotOptimize(formes(QStringLiteral("île")));
    }
}
// 0 traditional, 1 reformed, 2 both.
BENCHMARK(BM_PremierMot)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_MotSuivant(benchmark::State &state)
{
    const auto formes = formesPourVisite(ReglageOrthographe::Traditionnelle, kProgramme);
    formes(QStringLiteral("île"));
    for (auto _ : state)
        benchmark::DoNotOptimize(formes(QStringLiteral("ognon")));
}
BENCHMARK(BM_MotSuivant)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
