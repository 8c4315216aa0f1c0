#include "selection.h"

#include "data/dates.h"
#include "etapes.h"

#include <QTime>

#include <algorithm>
#include <random>

namespace {

constexpr int kNiveauMax = 5;

// The first row meeting the condition, scanning depart .. end, then depart .. 0.
template<typename Condition>
int chercher(const QList<LigneProgression> &lignes, int depart, Condition &&condition)
{
    const int n = int(lignes.size());
    for (int r = depart; r < n; ++r)
        if (condition(lignes[r]))
            return r;
    for (int r = depart; r >= 0; --r)
        if (condition(lignes[r]))
            return r;
    return -1;
}

Proposition proposer(const LigneProgression &ligne, int r, int etape, const QString &niveau)
{
    Proposition p;
    p.trouvee = true;
    p.ligne = r;
    p.etape = etape;
    p.mot = ligne[etape];
    p.niveau = niveau;
    return p;
}

} // namespace

Proposition ChoisirMot(const TableProgression &table, int depart, const QDate &aujourdhui)
{
    const QList<LigneProgression> &lignes = table.lignes();
    if (lignes.isEmpty())
        return {};
    // A continuation may name a row that has gone since: start as near as possible.
    depart = std::clamp(depart, 0, int(lignes.size()) - 1);

    // Words whose wait is over, the longest wait first.
    struct Attente { int etape; int jours; };
    static constexpr Attente attentes[] = {
        {kEtapeUnMois, 30}, {kEtapeUneSemaine, 7}, {kEtapeUnJour, 1}};
    for (const Attente &a : attentes) {
        const QDate limite = aujourdhui.addDays(-a.jours);
        const int r = chercher(lignes, depart, [&](const LigneProgression &l) {
            return !l[a.etape].isEmpty() && dateOuAujourdhui(l[kColonneDate], aujourdhui) <= limite;
        });
        if (r >= 0)
            return proposer(lignes[r], r, a.etape, lignes[r][kColonneNiveau]);
    }

    // Words in the middle of the ladder, the highest stage first.
    for (int etape = kEtapeSansModele; etape >= kEtapeModele; --etape) {
        const int r = chercher(lignes, depart, [&](const LigneProgression &l) { return !l[etape].isEmpty(); });
        if (r >= 0)
            return proposer(lignes[r], r, etape, lignes[r][kColonneNiveau]);
    }

    // New words, level by level; the level must be exactly the digit.
    for (int niveau = 1; niveau <= kNiveauMax; ++niveau) {
        const QString chiffre = QString::number(niveau);
        const int r = chercher(lignes, depart, [&](const LigneProgression &l) {
            return !l[kEtapeNouveau].isEmpty() && l[kColonneNiveau] == chiffre;
        });
        if (r >= 0)
            return proposer(lignes[r], r, kEtapeNouveau, chiffre);
    }
    return {};
}

int tirerLigneDepart(int nombreLignes, int secondesDepuisMinuit)
{
    if (nombreLignes <= 0)
        return 0;
    std::mt19937 generateur(static_cast<std::mt19937::result_type>(secondesDepuisMinuit));
    return std::uniform_int_distribution<int>(0, nombreLignes - 1)(generateur);
}

int tirerLigneDepart(int nombreLignes)
{
    return tirerLigneDepart(nombreLignes, QTime::currentTime().msecsSinceStartOfDay() / 1000);
}
