#pragma once
// Which written forms belong to the same word for a child's ear: a plural
// (-s, -x) or a feminine (-e, -es) is the word itself, never "a word that
// sounds the same", and so is a verb's plural (-ent) and the persons of its
// imparfait (-ais, -ait, -aient). "ami", "amie", "amis" are one word, and
// "joue", "jouent"; "dent" and "dans",
// "bois" and "boit", "manger" and "mangé" are two.
#include <QString>
#include <QStringList>

// The forms this one may have been made from by adding -s, -x, -e, -es, -nt
// or -ent, its imparfait in -ais, and itself. An invariable word of everyday
// dictation ("mais", "dans", "très") is made from nothing: "mais" is not the
// plural of "mai".
QStringList basesDe(const QString &forme);

// True when one form is the other's plural or feminine, or both are of a
// third one ("amie" and "amis").
bool memeFamille(const QString &a, const QString &b);
