#pragma once
// A word's sentence shown with the word taken out: "j'ai mal à une ____".
#include <QString>
#include <QStringList>

// What stands in the place of the word, the same length whatever the word,
// so that its length gives nothing away.
inline const QString kTrou = QStringLiteral("____");

// The sentence with every word of it that begins with one of the forms
// (the word, its other accepted spellings) replaced by kTrou, whatever the
// case and the accents: "dents" goes with "dent", "l'arbre" becomes
// "l'____". Empty when no form is found, and when the letters of a form
// would still be read somewhere else ("parapluie" for "pluie"): a sentence
// that gives the word away is better not shown at all.
QString phraseATrou(const QString &phrase, const QStringList &formes);
