// Choosing the next word on large progress tables.
#include "data/dates.h"
#include "engine/selection.h"
#include "engine/selection_litterale.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

namespace {

const QDate kAujourdhui(2026, 3, 15);

LigneProgression ligne(const QString &mot, int etape, const QString &niveau, const QDate &date)
{
    LigneProgression l;
    l[etape] = mot;
    l[kColonneNiveau] = niveau;
    l[kColonneDate] = texteDate(date);
    return l;
}

// A class after some months: mostly acquired and new words, a tenth in the
// middle of the ladder, dated over the last joursMax days (0: all today, so
// no wait is over and every row is looked at).
TableProgression tableRealiste(int n, int joursMax)
{
    QRandomGenerator generateur(42);
    TableProgression t;
    t.reserver(n);
    for (int i = 0; i < n; ++i) {
        const QString mot = QStringLiteral("mot%1").arg(i);
        const int tirage = generateur.bounded(100);
        const QString niveau = tirage % 10 == 0 ? QString() : QString::number(1 + tirage % 5);
        const QDate date = kAujourdhui.addDays(-generateur.bounded(joursMax + 1));
        if (tirage < 55)
            t.ajouterLigne(ligne(mot, 10, niveau, date));
        else if (tirage < 90)
            t.ajouterLigne(ligne(mot, 0, niveau, date));
        else
            t.ajouterLigne(ligne(mot, 3 + generateur.bounded(7), niveau, date));
    }
    return t;
}

// Nothing is found before the last level of new words: a third of the words
// wait for their date (every date is read in the first three passes), the
// rest are acquired or new without a level, and the one level-5 word sits
// where the backward scan reaches it last.
TableProgression tablePireCas(int n)
{
    TableProgression t;
    t.reserver(n);
    for (int i = 0; i < n; ++i) {
        const QString mot = QStringLiteral("mot%1").arg(i);
        if (i == 0)
            t.ajouterLigne(ligne(mot, 0, QStringLiteral("5"), kAujourdhui));
        else if (i % 3 == 0)
            t.ajouterLigne(ligne(mot, 7 + (i / 3) % 3, QStringLiteral("2"), kAujourdhui));
        else if (i % 3 == 1)
            t.ajouterLigne(ligne(mot, 10, QStringLiteral("1"), kAujourdhui.addDays(-100)));
        else
            t.ajouterLigne(ligne(mot, 0, QString(), kAujourdhui));
    }
    return t;
}

void executer(benchmark::State &state, const TableProgression &table)
{
    const int n = table.nombreLignes();
    int depart = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChoisirMot(table, depart, kAujourdhui));
        depart = (depart + 7919) % n;
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_ChoisirMot_Realiste(benchmark::State &state)
{
    executer(state, tableRealiste(int(state.range(0)), 42));
}

void BM_ChoisirMot_RealisteRienDAttente(benchmark::State &state)
{
    executer(state, tableRealiste(int(state.range(0)), 0));
}

void BM_ChoisirMot_PireCas(benchmark::State &state)
{
    const TableProgression table = tablePireCas(int(state.range(0)));
    const int n = table.nombreLignes();
    // Start at the far end, so every pass scans the whole table.
    for (auto _ : state) {
        const Proposition p = ChoisirMot(table, n - 1, kAujourdhui);
        if (p.ligne != 0 || p.niveau != QLatin1String("5"))
            state.SkipWithError("unexpected choice");
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// The eight passes as the rule reads them, for comparison.
void BM_ChoisirMotLitteralement_PireCas(benchmark::State &state)
{
    const TableProgression table = tablePireCas(int(state.range(0)));
    const int n = table.nombreLignes();
    for (auto _ : state)
        benchmark::DoNotOptimize(ChoisirMotLitteralement(table, n - 1, kAujourdhui));
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_ChoisirMot_Realiste)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChoisirMot_RealisteRienDAttente)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChoisirMot_PireCas)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChoisirMotLitteralement_PireCas)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
