#pragma once
// The next-word choice written exactly as its rule reads: eight passes (the
// last one once per level), each scanning forward from the start row and then
// backward, every row's date read in the first three. Slow but plain; the
// tests and the benchmark hold the real one against it.
#include "data/dates.h"
#include "engine/selection.h"

#include <algorithm>
#include <functional>

inline Proposition ChoisirMotLitteralement(const TableProgression &table, int depart, const QDate &aujourdhui)
{
    const int n = table.nombreLignes();
    if (n == 0)
        return {};
    const int s = std::clamp(depart, 0, n - 1);
    const auto chercher = [&](const std::function<bool(int)> &condition) {
        for (int r = s; r < n; ++r)
            if (condition(r))
                return r;
        for (int r = s; r >= 0; --r)
            if (condition(r))
                return r;
        return -1;
    };
    const auto trouve = [&](int r, int etape, const QString &niveau) {
        Proposition p;
        p.trouvee = true;
        p.ligne = r;
        p.etape = etape;
        p.mot = table.cellule(r, etape);
        p.niveau = niveau;
        return p;
    };
    const int attentes[][2] = {{9, 30}, {8, 7}, {7, 1}};
    for (const auto &[etape, jours] : attentes) {
        const int r = chercher([&](int r) {
            const bool rempli = !table.cellule(r, etape).isEmpty();
            const bool du = dateOuAujourdhui(table.cellule(r, kColonneDate), aujourdhui) <= aujourdhui.addDays(-jours);
            return rempli && du;
        });
        if (r >= 0)
            return trouve(r, etape, table.cellule(r, kColonneNiveau));
    }
    for (int etape = 6; etape >= 3; --etape) {
        const int r = chercher([&](int r) { return !table.cellule(r, etape).isEmpty(); });
        if (r >= 0)
            return trouve(r, etape, table.cellule(r, kColonneNiveau));
    }
    for (int niveau = 1; niveau <= 5; ++niveau) {
        const QString texte = QString::number(niveau);
        const int r = chercher([&](int r) {
            return !table.cellule(r, 0).isEmpty() && table.cellule(r, kColonneNiveau) == texte;
        });
        if (r >= 0)
            return trouve(r, 0, texte);
    }
    return {};
}
