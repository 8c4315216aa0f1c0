#pragma once
// The starter word list shipped with the sound library: a text file a teacher
// can read and extend, one word a line after its suggested level:
//   # comment
//   1	papa
//   5	porte-monnaie
// and the starter sentences beside it, one word a line before its sentence:
//   dent	J'ai mal à une dent.
#include "data/phrases.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct MotDepart {
    QString mot;
    int niveau = 0;  // 1 to 5
    bool operator==(const MotDepart &) const = default;
};

struct ListeDepart {
    QList<MotDepart> mots;  // in file order, each word once
    QStringList erreurs;    // "ligne N : ..." for every line that was refused
};

// Reads the list. A refused line (bad level, a word that cannot be a
// recording's file name or a Mots.dat word, a repeat) is reported and skipped;
// the other lines are still read.
ListeDepart lireListeDepart(const QString &texte);

// Reads the list file (UTF-8 or Windows-1252); no value when it cannot be read.
std::optional<ListeDepart> lireFichierListeDepart(const QString &chemin);

// Why a word cannot be a starter word, in French; empty when it can.
QString refusMotDepart(const QString &mot);

struct PhrasesDepart {
    ListePhrases phrases;   // in file order, each word once, as Phrases.dat keeps them
    QStringList erreurs;    // "ligne N : ..." for every line that was refused
};

// Reads the sentence list. A refused line (no tab, a word that could not be
// a starter word, a sentence Phrases.dat could not keep, a repeat) is
// reported and skipped.
PhrasesDepart lirePhrasesDepart(const QString &texte);

// Reads the sentence file (UTF-8 or Windows-1252); no value when it cannot be read.
std::optional<PhrasesDepart> lireFichierPhrasesDepart(const QString &chemin);
