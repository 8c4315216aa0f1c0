// A pupil's visit as the data layer sees it (load the progress file, bring it
// in line with the word list, save it), the save made after every answer, and the teacher's merge of the word
// list with the recordings, at 1,000 to 100,000 words; the literal quadratic
// versions alongside where they finish in reasonable time.
#include "data/bilan.h"
#include "data/dates.h"
#include "data/listemots.h"
#include "data/oracles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

const QDate kAujourdhui(2026, 3, 1);
const QString kEleve = QStringLiteral("Élodie M");

QString motNumero(int n)
{
    static const char *const syllabes[] = {"ba", "cé", "di", "fo", "gu", "la", "mè", "ni", "po", "ru"};
    QString mot;
    do {
        mot += QString::fromUtf8(syllabes[n % 10]);
        n /= 10;
    } while (n > 0);
    return mot;
}

// A pupil who has worked on most words of a library of n words; since his
// last visit 1% of the words left the library and 1% arrived.
struct Classe {
    QTemporaryDir dossier;
    ListeMots fgMots;
    QStringList enregistrements;
    ListeMots listeFichier;
};

Classe &classe(int n)
{
    static std::map<int, std::unique_ptr<Classe>> classes;
    auto &place = classes[n];
    if (place)
        return *place;
    place = std::make_unique<Classe>();
    Classe &c = *place;
    QRandomGenerator alea(n);
    TableProgression table;
    for (int i = 0; i < n; ++i) {
        LigneProgression ligne;
        ligne[kColonnesMot[alea.bounded(int(kColonnesMot.size()))]] = motNumero(i);
        ligne[kColonneNiveau] = QString::number(1 + alea.bounded(5));
        ligne[kColonneDate] = texteDate(kAujourdhui.addDays(-alea.bounded(400)));
        table.ajouterLigne(ligne);
    }
    EnregistrerBilan(table, c.dossier.path(), kEleve, false);
    const int churn = std::max(1, n / 100);
    for (int i = churn; i < n + churn; ++i) {
        c.fgMots.append(EntreeMot{motNumero(i), QString::number(1 + alea.bounded(5))});
        c.enregistrements.append(motNumero(i) + QStringLiteral(".wav"));
    }
    for (int i = 0; i < n; ++i)
        c.listeFichier.append(EntreeMot{motNumero(i), QString::number(1 + alea.bounded(5))});
    return c;
}

template <void (*Actualiser)(TableProgression &, const ListeMots &, const QDate &)>
void visiteEleve(benchmark::State &etat)
{
    Classe &c = classe(int(etat.range(0)));
    for (auto _ : etat) {
        TableProgression table;
        const ChargementBilan chargement = ChargerBilan(table, c.dossier.path(), kEleve, kAujourdhui);
        const int etudiees = CompterLignesEtudiees(table);
        Actualiser(table, c.fgMots, kAujourdhui);
        const bool garderCopie = chargement.abime || CompterLignesEtudiees(table) < etudiees;
        if (!EnregistrerBilan(table, c.dossier.path(), kEleve + QStringLiteral(" copie"), garderCopie).ok)
            etat.SkipWithError("save failed");
        benchmark::DoNotOptimize(table);
    }
    etat.SetComplexityN(etat.range(0));
}

// The save made after every answer: the table of the visit, one word moved
// one step up the ladder, written whole.
void enregistrementReponse(benchmark::State &etat)
{
    Classe &c = classe(int(etat.range(0)));
    TableProgression table;
    ChargerBilan(table, c.dossier.path(), kEleve, kAujourdhui);
    ActualiserBilan(table, c.fgMots, kAujourdhui);
    int ligne = 0;
    for (auto _ : etat) {
        const int etape = table.etapeDeLigne(ligne);
        if (etape >= 0 && etape < kColonneAcquis) {
            const int suivante = etape == 0 ? 3 : etape + 1;
            table.ecrireCellule(ligne, suivante, table.cellule(ligne, etape));
            table.ecrireCellule(ligne, etape, QString());
        }
        ligne = (ligne + 1) % table.nombreLignes();
        if (!EnregistrerBilan(table, c.dossier.path(), kEleve + QStringLiteral(" en cours"), false).ok)
            etat.SkipWithError("save failed");
    }
    etat.SetComplexityN(etat.range(0));
}

template <void (*Actualiser)(TableProgression &, const ListeMots &, const QDate &)>
void reconciliation(benchmark::State &etat)
{
    Classe &c = classe(int(etat.range(0)));
    TableProgression chargee;
    ChargerBilan(chargee, c.dossier.path(), kEleve, kAujourdhui);
    TableProgression table;
    for (auto _ : etat) {
        // A private copy made, and the previous one freed, outside the timing.
        etat.PauseTiming();
        table = chargee;
        table.reserver(table.nombreLignes() + 1);
        etat.ResumeTiming();
        Actualiser(table, c.fgMots, kAujourdhui);
        benchmark::DoNotOptimize(table);
    }
    etat.SetComplexityN(etat.range(0));
}

template <ListeMots (*Fusionner)(const ListeMots &, const QStringList &)>
void fusion(benchmark::State &etat)
{
    Classe &c = classe(int(etat.range(0)));
    for (auto _ : etat)
        benchmark::DoNotOptimize(Fusionner(c.listeFichier, c.enregistrements));
    etat.SetComplexityN(etat.range(0));
}

} // namespace

BENCHMARK(visiteEleve<ActualiserBilan>)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(visiteEleve<oracle::ActualiserBilan>)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(enregistrementReponse)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(reconciliation<ActualiserBilan>)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(reconciliation<oracle::ActualiserBilan>)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(fusion<fusionnerAvecEnregistrements>)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(fusion<oracle::fusionnerAvecEnregistrements>)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
