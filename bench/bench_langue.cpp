// The homophone index and the reformed spellings as the teacher's word list
// will use them: the first question of a run, which reads both tables from
// the program's folder, and 10,000 words looked up once they are read
// (a large class library; it must stay well under 100 ms).
#include "langue/tableslangue.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {
const QString kTables = QStringLiteral(ORTHOVAL_TABLES_LANGUE);

// 10,000 words: forms of the French word list, about one in three with
// homophones, as a teacher's list mixes both.
QStringList dixMilleMots()
{
    QFile liste(QStringLiteral("/usr/share/dict/french"));
    QStringList formes;
    if (liste.open(QIODevice::ReadOnly))
        formes = QString::fromUtf8(liste.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QStringList mots;
    QRandomGenerator hasard(10000);
    while (!formes.isEmpty() && mots.size() < 10000)
        mots << formes[hasard.bounded(formes.size())];
    return mots;
}

void BM_PremiereQuestion(benchmark::State &state)
{
    for (auto _ : state) {
        const TablesLangue tables(kTables);
        benchmark::DoNotOptimize(tables.homophonesDe(QStringLiteral("dent")));
        benchmark::DoNotOptimize(tables.variantesOrthographe(QStringLiteral("île")));
    }
}
BENCHMARK(BM_PremiereQuestion)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DixMilleMots(benchmark::State &state)
{
    const QStringList mots = dixMilleMots();
    const TablesLangue tables(kTables);
    tables.homophonesDe(QStringLiteral("dent"));
    tables.variantesOrthographe(QStringLiteral("île"));
    qsizetype trouves = 0;
    for (auto _ : state) {
        trouves = 0;
        for (const QString &mot : mots)
            trouves += tables.homophonesDe(mot).size() + tables.variantesOrthographe(mot).size();
        benchmark::DoNotOptimize(trouves);
    }
    state.counters["mots"] = double(mots.size());
    state.counters["reponses"] = double(trouves);
}
BENCHMARK(BM_DixMilleMots)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}  // namespace

BENCHMARK_MAIN();
