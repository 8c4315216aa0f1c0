#pragma once
// The word levels the teacher gives: "1" to "5", or empty for a word that is
// never proposed. A click on a level box moves it one step along
// empty, 1, 2, 3, 4, 5, empty...
#include <QColor>
#include <QString>
#include <optional>

// The level after one click. A text that is not a level from 1 to 4 (empty,
// "0", a negative number, anything unreadable) becomes "1"; "5" and above
// become empty.
QString niveauSuivant(const QString &niveau);

// The background of a level box; no value for the normal background.
std::optional<QColor> couleurNiveau(const QString &niveau);
