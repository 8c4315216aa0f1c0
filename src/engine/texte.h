#pragma once
// Clean-up of a typed answer and the two masks of the copying models.
#include <QChar>
#include <QString>

// The character that takes the place of a masked letter.
inline constexpr QChar kCaractereMasque = QChar(127);

// Removes outer spaces, shrinks runs of spaces to one, and removes the spaces
// around apostrophes and hyphens. Case, accents and other blanks stay.
QString NormaliserReponse(const QString &reponse);

// True for œ, Œ, æ and Æ: letters with no key, typed as two letters.
bool EstLigature(QChar c);

// Whether an answer spells the word: the same text, except that each œ, Œ, æ
// or Æ of the word may also be written oe, OE, ae or AE (a French keyboard
// and the on-screen keys have no key for them). "cœur" is spelt by "cœur"
// and "coeur"; "coexister" is not spelt by "cœxister".
bool ReponseEgaleMot(const QString &reponse, const QString &mot);

// The text without its accents, cedillas and other marks ("Été" gives "Ete");
// compatibility forms spread ("ﬁ" gives "fi"). Case and ligatures stay.
QString SansAccents(const QString &texte);

// The word with every vowel key letter (a e i o u y and the accented ones)
// and every small œ or æ replaced by the mask character; length unchanged.
QString MasquerVoyelles(const QString &mot);

// The word with every consonant key letter (b c d ... z and ç) replaced by
// the mask character; length unchanged.
QString MasquerConsonnes(const QString &mot);
