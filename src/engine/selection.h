#pragma once
// Choosing the next word and its stage: words whose wait is over first (the
// highest stage first), then words in the middle of the ladder (stage 6 down
// to 3), then new words by level. Each pass scans forward from the start row,
// then backward.
#include "data/tableprogression.h"

#include <QDate>
#include <QString>

struct Proposition {
    bool trouvee = false;
    int ligne = -1;
    int etape = 0;       // 0 also when nothing is found
    QString mot;
    QString niveau;      // level shown: the row's level, or the digit of the pass for new words
};

// depart: the start row (0 .. rows-1; a row outside the table is brought back
// to the nearest end). Today is the day the waits are measured to; a row whose
// date cannot be read counts as dated today. Nothing found: trouvee false,
// stage 0, empty word and level.
Proposition ChoisirMot(const TableProgression &table, int depart, const QDate &aujourdhui);

// True when the row's word waits at stage 7, 8 or 9 and its wait is over
// today: the selection would take it before any other group.
bool attenteFinie(const LigneProgression &ligne, const QDate &aujourdhui);

// A start row drawn at random in [0, nombreLignes), the generator reseeded
// from the time of day; 0 for an empty table.
int tirerLigneDepart(int nombreLignes);
// The same draw with the generator seeded from the given time of day.
int tirerLigneDepart(int nombreLignes, int secondesDepuisMinuit);
