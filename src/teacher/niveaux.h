#pragma once
// The word levels the teacher gives: "1" to "5", or empty for a word that is
// never proposed. A click on a level box moves it one step along
// empty, 1, 2, 3, 4, 5, empty...
#include <QString>
#include <QStringList>

// The level after one click. A text that is not a level from 1 to 4 (empty,
// "0", a negative number, anything unreadable) becomes "1"; "5" and above
// become empty.
QString niveauSuivant(const QString &niveau);

// The levels in the order of the level lists: "" (no level), then "1" to "5".
inline const QStringList kNiveaux{QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5")};
