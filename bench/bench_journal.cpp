// The answer journal: one answer appended (the pupil waits for it), one
// pupil's year of answers read and summed by kind of mistake, the class of 30
// pupils the overview shows, and the phonemes of a word never seen before.
//
// A school year: 180 days of 20 answers, a quarter of them wrong, on the
// starter words; the misspellings are those children make (a double letter
// single, a silent end left out, another accent, a vowel or a letter changed),
// so the same ones come back, as in a class.
#include "audio/synthese.h"
#include "data/journal.h"
#include "overview/erreurs.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kJours = 180;
constexpr int kReponsesParJour = 20;
constexpr int kEleves = 30;
const QDate kAujourdhui(2026, 12, 7);

QStringList motsDepart()
{
    QStringList mots;
    QFile fichier(QStringLiteral(ORTHOVAL_SOURCE "/resources/mots-depart.txt"));
    if (!fichier.open(QIODevice::ReadOnly))
        return mots;
    for (const QString &ligne : QString::fromUtf8(fichier.readAll()).split(u'\n')) {
        const QString propre = ligne.trimmed();
        if (!propre.isEmpty() && !propre.startsWith(u'#'))
            mots << propre.mid(1).trimmed();
    }
    return mots;
}

QString estropier(const QString &mot, QRandomGenerator &hasard)
{
    QString t = mot;
    const int i = int(hasard.bounded(qsizetype(t.size())));
    switch (hasard.bounded(6)) {
    case 0:  // a double letter written single
        for (int k = 1; k < t.size(); ++k)
            if (t[k] == t[k - 1])
                return t.remove(k, 1);
        return t + u'e';
    case 1:  // the silent end left out
        return t.chopped(1);
    case 2:  // another accent
        return t.replace(u'é', u'è').replace(u'ê', u'è').replace(u'â', u'a');
    case 3:  // a vowel changed
        return t.replace(u'o', QStringLiteral("au"));
    case 4:
        return t.remove(i, 1);
    default:
        t[i] = QChar(u'a' + char16_t(hasard.bounded(26)));
        return t;
    }
}

// The journal of one pupil for a school year, written as the pupil window does.
void ecrireAnnee(const QString &dossier, const QString &eleve, quint32 graine)
{
    static const QStringList mots = motsDepart();
    QRandomGenerator hasard(graine);
    Journal journal(dossier, eleve);
    for (int jour = 0; jour < kJours; ++jour) {
        const QDate date = kAujourdhui.addDays(-365 + 2 * jour);
        for (int n = 0; n < kReponsesParJour; ++n) {
            const QString mot = mots[int(hasard.bounded(qsizetype(mots.size())))];
            const bool juste = hasard.bounded(4) != 0;
            journal.AjouterReponse(QDateTime(date, QTime(9, n)), mot, juste ? mot : estropier(mot, hasard), juste,
                                   3 + int(hasard.bounded(7)));
        }
    }
}

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
            erreurs += ResumerErreursEleve(dossier.path(), QStringLiteral("Élève %1").arg(e)).erreurs;
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
        ResumerErreursEleve(dossier.path(), QStringLiteral("Élève %1").arg(e));
    for (auto _ : state) {
        int erreurs = 0;
        for (int e = 0; e < kEleves; ++e)
            erreurs += ResumerErreursEleve(dossier.path(), QStringLiteral("Élève %1").arg(e)).erreurs;
        benchmark::DoNotOptimize(erreurs);
    }
}
BENCHMARK(BM_Classe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One pupil's year read and summed, the kinds already known.
void BM_UnEleve(benchmark::State &state)
{
    QTemporaryDir dossier;
    ecrireAnnee(dossier.path(), QStringLiteral("Paul"), 7);
    ResumerErreursEleve(dossier.path(), QStringLiteral("Paul"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ResumerErreursEleve(dossier.path(), QStringLiteral("Paul")).erreurs);
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
