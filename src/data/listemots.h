#pragma once
// The word list: every recording of the sound library with the level the
// teacher gave it ("1" to "5", or empty). Stored in Mots.dat, one record per
// line: "*","word","level" CR LF.
#include "ecriture.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct EntreeMot {
    QString mot;
    QString niveau;
    bool operator==(const EntreeMot &) const = default;
};
using ListeMots = QList<EntreeMot>;

inline const QString kFichierMots = QStringLiteral("Mots.dat");
inline const QString kDossierSons = QStringLiteral("Sons");

// Reads records from values: "*" opens a record, the next value is its word,
// the one after its level; values before the first "*" and any value past the
// level are ignored.
ListeMots lireEnregistrementsMots(const QStringList &valeurs);

// The strict reading of the pupil side, from values: as above, but no value
// when a record holds more than two values after its "*".
std::optional<ListeMots> lireEnregistrementsMotsStricte(const QStringList &valeurs);

// True when the word can be stored in Mots.dat and read back as itself: it
// is not empty, has a Windows-1252 byte for every character, holds no double
// quote (values are not escaped) and is not the record marker "*"; and when
// it names a file inside Sons: no path separator, not "." or "..".
bool motEnregistrable(const QString &mot);

// The bytes of Mots.dat for a list (Windows-1252, CR LF). No value when a word
// cannot be written in Windows-1252.
std::optional<QByteArray> octetsMotsDat(const ListeMots &liste);

// Merges a list with the names of the recordings ("word.wav" file names, in
// listing order): appends the words of recordings the list does not hold, with
// an empty level; then drops every entry whose recording is gone. A recording
// belongs to the word that is its name less the extension, exactly (capitals
// included); a file named just ".wav" is ignored. Linear time.
ListeMots fusionnerAvecEnregistrements(const ListeMots &liste, const QStringList &nomsFichiers);

// What opening the word list found.
struct OuvertureListeMots {
    ListeMots liste;
    // Recordings whose words could not be stored and read back (see
    // motEnregistrable): not listed.
    QStringList enregistrementsRefuses;
    // The Sons folder is missing or unreadable: the list is the file's, unmerged,
    // so no level is lost.
    bool sonsIllisible = false;
    // Mots.dat exists but cannot be read (the reason, in French): the list
    // holds the recordings without levels, and saving will not replace it.
    QString motsDatIllisible;
    // Mots.dat holds text but no word could be read from it, or bytes no
    // text file holds: it is kept in Sauvegardes before it is replaced.
    bool motsDatAbime = false;
};

// The teacher's opening: creates an empty Mots.dat when none exists, reads it,
// lists Sons/*.wav and merges. A record with more than a word and a level
// keeps its word and level.
OuvertureListeMots OuvrirListeMots(const QString &dossierInstallation);

// The file names of the recordings in Sons (*.wav, any case of the extension),
// sorted by name in French order (case and accents second); no value when the
// folder is missing or unreadable.
std::optional<QStringList> listerEnregistrements(const QString &dossierInstallation);

// Rewrites Mots.dat; removes it when the list is empty. A Mots.dat that
// cannot be read is not replaced; one that is damaged, or that gives a level
// to a word the new list has without that level, is first copied into
// Sauvegardes (no copy, no save).
ResultatEcriture EnregistrerListeMots(const QString &dossierInstallation, const ListeMots &liste);

// The pupil side's strict reading.
struct LectureListeMots {
    enum class Etat {
        Lue,
        // Missing, or a record holds more than two values after its "*": the
        // teacher has to give levels first.
        Manquante,
        // Exists but cannot be read (raison says why).
        Illisible,
        // No word could be read while Sons holds recordings, or bytes no
        // text file holds: a damaged file, not an empty list.
        Abimee,
    };
    Etat etat = Etat::Manquante;
    ListeMots liste;     // when Lue; words that could not name a file in Sons are left out
    QString raison;
};
LectureListeMots LireListeMotsEleve(const QString &dossierInstallation);
