#pragma once
// Clean-up of a typed answer and the two masks of the copying models.
#include <QChar>
#include <QString>

// The character that takes the place of a masked letter.
inline constexpr QChar kCaractereMasque = QChar(127);

// Removes outer spaces, shrinks runs of spaces to one, and removes the spaces
// around apostrophes and hyphens. Case, accents and other blanks stay.
QString NormaliserReponse(const QString &reponse);

// The word with every vowel key letter (a e i o u y and the accented ones)
// replaced by the mask character; length unchanged.
QString MasquerVoyelles(const QString &mot);

// The word with every consonant key letter (b c d ... z and ç) replaced by
// the mask character; length unchanged.
QString MasquerConsonnes(const QString &mot);
