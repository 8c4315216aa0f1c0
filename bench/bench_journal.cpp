// The answer journal: one answer appended (the pupil waits for it), one
// pupil's year of answers read and summed by kind of mistake, the class of 30
// pupils the overview shows, and the phonemes of a word never seen before.
// A school year of answers: see anneejournal.h.
#include "anneejournal.h"
#include "audio/synthese.h"
#include "data/journal.h"
#include "engine/erreurs.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using annee::ecrireAnnee;
using annee::kAujourdhui;
using annee::kEleves;

void BM_AjouterReponse(benchmark::State &state)
{
    QTemporaryDir dossier;
    Journal journal(dossier.path(), QStringLiteral("Dupont Léa"));
    const QDateTime moment(kAujourdhui, QTime(9, 0));
    for (auto _ : state)
        journal.AjouterReponse(moment, QStringLiteral("fenêtre"), QStringLiteral("fenètre"), false, 6);
}
BENCHMARK(BM_AjouterReponse)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Registered first: the process's caches of phonemes and kinds are empty, as
// when the teacher opens the overview for the first time in a run.
void BM_ClasseFroide(benchmark::State &state)
{
    QTemporaryDir dossier;
    for (int e = 0; e < kEleves; ++e)
        ecrireAnnee(dossier.path(), QStringLiteral("Élève %1").arg(e), quint32(1000 + e));
    phonemesMot(QStringLiteral("chat"));  // the engine starts once in the program's life
    for (auto _ : state) {
        int erreurs = 0;
        for (int e = 0; e < kEleves; ++e)
            erreurs += ResumerErreursEleve(dossier.path(), QStringLiteral("Élève %1").arg(e), phonemesSynthese()).erreurs;
        benchmark::DoNotOptimize(erreurs);
    }
}
BENCHMARK(BM_ClasseFroide)->Unit(benchmark::kMillisecond)->Iterations(1);

// The overview opened again in the same run: every kind is remembered.
void BM_Classe(benchmark::State &state)
{
    QTemporaryDir dossier;
    for (int e = 0; e < kEleves; ++e)
        ecrireAnnee(dossier.path(), QStringLiteral("Élève %1").arg(e), quint32(1000 + e));
    for (int e = 0; e < kEleves; ++e)
        ResumerErreursEleve(dossier.path(), QStringLiteral("Élève %1").arg(e), phonemesSynthese());
    for (auto _ : state) {
        int erreurs = 0;
        for (int e = 0; e < kEleves; ++e)
            erreurs += ResumerErreursEleve(dossier.path(), QStringLiteral("Élève %1").arg(e), phonemesSynthese()).erreurs;
        benchmark::DoNotOptimize(erreurs);
    }
}
BENCHMARK(BM_Classe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One pupil's year read and summed, the kinds already known.
void BM_UnEleve(benchmark::State &state)
{
    QTemporaryDir dossier;
    ecrireAnnee(dossier.path(), QStringLiteral("Paul"), 7);
    ResumerErreursEleve(dossier.path(), QStringLiteral("Paul"), phonemesSynthese());
    for (auto _ : state)
        benchmark::DoNotOptimize(ResumerErreursEleve(dossier.path(), QStringLiteral("Paul"), phonemesSynthese()).erreurs);
}
BENCHMARK(BM_UnEleve)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Reading alone, without the kinds.
void BM_LireAnnee(benchmark::State &state)
{
    QTemporaryDir dossier;
    ecrireAnnee(dossier.path(), QStringLiteral("Paul"), 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(LireJournal(dossier.path(), QStringLiteral("Paul")).lignes.size());
}
BENCHMARK(BM_LireAnnee)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The phonemes of a word not converted before (through the synthesis thread).
void BM_PhonemesMotNouveau(benchmark::State &state)
{
    phonemesMot(QStringLiteral("chat"));
    static int n = 0;  // the function runs several times; every word stays new
    const QString syllabes[] = {QStringLiteral("ba"), QStringLiteral("ché"), QStringLiteral("di"), QStringLiteral("fo"),
                                QStringLiteral("gu"), QStringLiteral("lan"), QStringLiteral("mé"), QStringLiteral("noi")};
    for (auto _ : state) {
        QString mot;
        for (int k = ++n; k > 0; k /= 8)
            mot += syllabes[k % 8];
        benchmark::DoNotOptimize(phonemesMot(mot + QStringLiteral("tre")));
    }
}
BENCHMARK(BM_PhonemesMotNouveau)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
