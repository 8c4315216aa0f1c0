#pragma once
// A wrong answer read the way a French teacher reads it: either the child
// wrote other sounds than the word's (he did not hear or encode them right),
// or the sounds are right and the letters are not (he has not yet memorised
// the spelling), and then which letters: another real word that sounds the
// same (dans for dent), a silent final letter, a single or double consonant,
// an accent that does not change the sound, an apostrophe, hyphen, space or
// capital, or other letters.
//
// Whether two spellings sound the same is decided by a text-to-phoneme
// conversion (the synthesizer's own French one in the program), not by a
// table of ours.
#include "data/journal.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <functional>

enum class SorteErreur {
    SonChange,         // other sounds than the word's
    FinaleMuette,      // same sounds; a silent last letter missing, extra or wrong
    ConsonneDouble,    // same sounds; a consonant single for double, or double for single
    Accent,            // same sounds; an accent missing, extra or another one
    Signes,            // same sounds; apostrophe, hyphen, space or capital letter
    AutreOrthographe,  // same sounds; other letters (méson for maison)
    Inconnue,          // the sounds could not be compared (no speech engine)
    Homophone,         // same sounds; another real word (dans for dent)
};
inline constexpr int kNombreSortes = 8;

// True for the kinds whose sounds are right.
bool sonGarde(SorteErreur sorte);

// For a teacher, in full: "Le son a changé", "Le son est juste, l'orthographe
// n'est pas encore mémorisée : lettre finale muette"...
QString libelleSorte(SorteErreur sorte);
// Short, for a column or a total: "Son changé", "Lettre finale muette"...
QString libelleCourt(SorteErreur sorte);

// Where the phonemes of a spelling come from. phonemes: empty when not
// known. prevoir (may be empty): given every spelling of a journal before
// they are classified one by one, when converting many at once costs less.
// homophones (may be empty: no word is known): the other real words that
// sound like this one, without its own plural and feminine; for any form
// that sounds like no other word, nothing.
struct SourcePhonemes {
    std::function<QString(const QString &)> phonemes;
    std::function<void(const QStringList &)> prevoir;
    std::function<QStringList(const QString &)> homophones = {};
};

// The kind of a wrong answer, the phonemes from the source. An empty answer
// is a changed sound. A silent final letter is one the word can lose and
// keep its phonemes (gran for grand), not any ending (bato for bateau).
SorteErreur ClasserErreur(const QString &tapee, const QString &attendue, const SourcePhonemes &source);

struct ErreurRecente {
    QDate date;
    QTime heure;
    QString mot;
    QString tapee;
    SorteErreur sorte = SorteErreur::Inconnue;
};

// One pupil's mistakes over the whole journal (at most a year of answers).
struct BilanErreurs {
    int reponses = 0;
    int erreurs = 0;
    std::array<int, kNombreSortes> parSorte{};  // indexed by SorteErreur
    QList<ErreurRecente> recentes;              // newest first
    bool incomplet = false;                     // answers are missing from the journal
    // Per word answered at least once: how many of its answers were wrong
    // (0 for a word always right), over the whole journal.
    QHash<QString, int> fautesParMot;
    // Some mistakes could not be sorted by sound (no speech engine): the
    // totals by kind leave them out.
    bool nonCompare() const { return parSorte[size_t(SorteErreur::Inconnue)] > 0; }
};

// Counts every wrong answer of the journal by kind and keeps the newest
// maxRecentes of them for display.
BilanErreurs ResumerErreurs(const LectureJournal &journal, const SourcePhonemes &source, int maxRecentes = 30);
BilanErreurs ResumerErreursEleve(const QString &dossier, const QString &eleve, const SourcePhonemes &source,
                                 int maxRecentes = 30);
