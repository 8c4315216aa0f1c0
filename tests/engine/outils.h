#pragma once
// Building progress tables for the engine tests.
#include "data/dates.h"
#include "data/tableprogression.h"

#include <QDate>
#include <QString>

namespace outils {

// A fixed day, so the tests do not depend on the clock.
inline const QDate kAujourdhui(2026, 3, 15);

// A row holding mot at the given stage, with its level and date text.
inline LigneProgression ligne(const QString &mot, int etape, const QString &niveau, const QString &date)
{
    LigneProgression l;
    l[etape] = mot;
    l[kColonneNiveau] = niveau;
    l[kColonneDate] = date;
    return l;
}

inline LigneProgression ligne(const QString &mot, int etape, const QString &niveau = QStringLiteral("1"),
                              const QDate &date = kAujourdhui)
{
    return ligne(mot, etape, niveau, texteDate(date));
}

// n rows that no pass proposes: acquired words and new words without a level.
inline TableProgression tableNeutre(int n)
{
    TableProgression t;
    for (int i = 0; i < n; ++i)
        t.ajouterLigne(i % 2 ? ligne(QStringLiteral("acquis%1").arg(i), 10)
                             : ligne(QStringLiteral("sansniveau%1").arg(i), 0, QString()));
    return t;
}

// Appends the rows of another table.
inline void ajouterLignes(TableProgression &t, const TableProgression &suite)
{
    for (const LigneProgression &l : suite.lignes())
        t.ajouterLigne(l);
}

// Counted here again, independently of the code under test.
inline int compterAcquis(const TableProgression &t)
{
    int n = 0;
    for (int r = 0; r < t.nombreLignes(); ++r)
        n += !t.cellule(r, kColonneAcquis).isEmpty();
    return n;
}

} // namespace outils
