#pragma once
// Context sentences: a short sentence a word may be given ("dent" : "j'ai mal
// à une dent"), so that a word heard alone that sounds like another can be
// told from it. Kept in Phrases.dat beside Mots.dat, one "word","sentence"
// record per line (Windows-1252, CR LF), and spoken into Phrases/<word>.wav.
// Older installations ignore both; Mots.dat and Sons are never touched here.
#include "ecriture.h"

#include <QList>
#include <QString>
#include <optional>

struct EntreePhrase {
    QString mot;
    QString phrase;
    bool operator==(const EntreePhrase &) const = default;
};
using ListePhrases = QList<EntreePhrase>;

inline const QString kFichierPhrases = QStringLiteral("Phrases.dat");
inline const QString kDossierPhrases = QStringLiteral("Phrases");

// The sentence as it is kept: blanks and line breaks run together, trimmed,
// and straight double quotes turned into « » (a value cannot hold a straight
// one, and French text writes them so).
QString normaliserPhrase(const QString &texte);

// Why this (normalised) sentence cannot be kept, in French; empty when it can.
QString raisonPhraseRefusee(const QString &phrase);

// Reads Phrases.dat text leniently: a line is a record when it holds exactly
// a word that could be listed and a sentence that can be kept; any other line
// is skipped. A word given twice keeps its last sentence, at its first place.
ListePhrases lirePhrases(const QString &texte);

// The file's sentences; a missing, unreadable or damaged file gives none.
ListePhrases LirePhrases(const QString &dossierInstallation);

// The bytes of Phrases.dat; no value when a text has no Windows-1252 byte.
std::optional<QByteArray> octetsPhrasesDat(const ListePhrases &phrases);

// Rewrites Phrases.dat (removes it when there is no sentence); refused when a
// word or a sentence could not be read back. A file some
// of whose lines could not be read is first copied into Sauvegardes.
ResultatEcriture EnregistrerPhrases(const QString &dossierInstallation, const ListePhrases &phrases);

// The sentence of the word, or empty.
QString phraseDe(const ListePhrases &phrases, const QString &mot);

// Gives the word its sentence (appended when new), or takes it away for an
// empty one. True when the list changed.
bool donnerPhrase(ListePhrases &phrases, const QString &mot, const QString &phrase);

// A typed line "dent 1 ; j'ai mal à une dent": the words part and the
// sentence after the first semicolon that does not bring a level ("hérisson;4"
// keeps its level, "dent;1;j'ai mal" has the sentence "j'ai mal"). The
// sentence is empty when there is none.
struct LigneAvecPhrase {
    QString mots;
    QString phrase;
};
LigneAvecPhrase separerPhrase(const QString &ligne);

// Moves the sentence's recording, Phrases/<word>.wav, into Corbeille/Phrases,
// out of the reach of the Corbeille's word recordings. A word without one
// needs nothing (success).
ResultatEcriture jeterEnregistrementPhrase(const QString &dossierInstallation, const QString &mot);
