#pragma once
// The starter word list shipped with the sound library: a text file a teacher
// can read and extend, one word a line after its suggested level:
//   # comment
//   1	papa
//   5	porte-monnaie
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
