#pragma once
// Loading, reconciling, counting and saving a pupil's progress table, kept in
// the file "<name>.bil" of the installation folder, one quoted cell per line.
#include "ecriture.h"
#include "listemots.h"
#include "tableprogression.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

QString cheminBilan(const QString &dossierInstallation, const QString &nomEleve);

// Fills an empty table from the values of a pupil file; builds it from the
// values of Mots.dat when the file gives no row; dates undated rows with
// today; drops the rows whose cells other than the date are all empty.
void remplirTableProgression(TableProgression &table, const QStringList &valeursBilan,
                             const QStringList &valeursMots, const QDate &aujourdhui);

struct ChargementBilan {
    // False when the file exists but cannot be read: the table is left as it
    // was, and nothing may be saved over the file.
    bool lu = true;
    QString raison;      // why, in French, when not lu
    // Read with damage (see the reading below): the file is kept in
    // Sauvegardes before it is replaced.
    bool abime = false;
};

// ChargerBilan: the file of this pupil (missing: no value read), and
// Mots.dat for a new pupil. A file of one quoted cell per line whose quotes
// were damaged is read one cell per line, so no cell moves to another
// column; a date that cannot be read becomes today's.
ChargementBilan ChargerBilan(TableProgression &table, const QString &dossierInstallation,
                             const QString &nomEleve, const QDate &aujourdhui);

// Brings the table in line with the word list: adds new words at stage 0
// dated today, removes rows whose word left the list, copies every level.
// Linear time; same result as searching every cell for every word.
void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const QDate &aujourdhui);
// The same with the list's index made once, for many tables against one list.
class IndexMots;
void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const IndexMots &index,
                     const QDate &aujourdhui);

// Rows whose word is past the initial test (a cell of columns 3 to 10 not
// empty). Loading and the engine never lower it; only rows the
// reconciliation removes do.
int CompterLignesEtudiees(const TableProgression &table);

// Rows whose column 10 is not empty.
int CompterMotsAcquis(const TableProgression &table);

// The file content: every cell quoted on its own line, CR LF; empty table,
// empty text. (Decoded text; saving encodes it in Windows-1252.)
QString texteBilan(const TableProgression &table);

// The same content as the file's bytes, in Windows-1252; no value when a
// cell holds a character Windows-1252 lacks.
std::optional<QByteArray> encoderBilan(const TableProgression &table);

// Replaces the pupil file with the table. On failure the file and the table
// are untouched; a file that cannot be read is not replaced. With garderCopie
// (the file was read with damage, or the table lost a row holding progress
// since it was loaded), the file is first copied into Sauvegardes: no copy,
// no save.
ResultatEcriture EnregistrerBilan(const TableProgression &table, const QString &dossierInstallation,
                                  const QString &nomEleve, bool garderCopie);
