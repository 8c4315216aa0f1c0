#pragma once
// The next-word choice written exactly as its rule reads: eight passes (the
// last one once per level), each scanning forward from the start row and then
// backward, every row's date read in the first three. Slow but plain; the
// tests and the benchmark hold the real one against it.
#include "data/dates.h"
#include "engine/selection.h"

#include <algorithm>

inline Proposition ChoisirMotLitteralement(const TableProgression &table, int depart, const QDate &aujourdhui)
{
    const int n = table.nombreLignes();
    if (n == 0)
        return {};
    const int s = std::clamp(depart, 0, n - 1);
    // One pass: the first row, forward then backward, whose cell at this stage is filled and meets the condition.
    const auto passe = [&](int etape, auto condition) -> Proposition {
        for (int r = s; r < n; ++r)
            if (!table.cellule(r, etape).isEmpty() && condition(r))
                return {true, r, etape, table.cellule(r, etape), table.cellule(r, kColonneNiveau)};
        for (int r = s; r >= 0; --r)
            if (!table.cellule(r, etape).isEmpty() && condition(r))
                return {true, r, etape, table.cellule(r, etape), table.cellule(r, kColonneNiveau)};
        return {};
    };
    const int attentes[][2] = {{9, 30}, {8, 7}, {7, 1}};
    for (const auto &[etape, jours] : attentes) {
        const Proposition p = passe(etape, [&](int r) {
            return dateOuAujourdhui(table.cellule(r, kColonneDate), aujourdhui) <= aujourdhui.addDays(-jours);
        });
        if (p.trouvee)
            return p;
    }
    for (int etape = 6; etape >= 3; --etape)
        if (const Proposition p = passe(etape, [](int) { return true; }); p.trouvee)
            return p;
    for (const QString niveau : {"1", "2", "3", "4", "5"})
        if (const Proposition p = passe(0, [&](int r) { return table.cellule(r, kColonneNiveau) == niveau; }); p.trouvee)
            return p;
    return {};
}
