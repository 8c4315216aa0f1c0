#pragma once
// Loading, reconciling, counting and saving a pupil's progress table, kept in
// the file "<name>.bil" of the installation folder, one quoted cell per line.
#include "ecriture.h"
#include "listemots.h"
#include "tableprogression.h"

#include <QDate>
#include <QString>
#include <QStringList>

QString cheminBilan(const QString &dossierInstallation, const QString &nomEleve);

// Fills an empty table from the values of a pupil file; builds it from the
// values of Mots.dat when the file gives no row; dates undated rows with
// today; drops the rows whose cells other than the date are all empty.
void remplirTableProgression(TableProgression &table, const QStringList &valeursBilan,
                             const QStringList &valeursMots, const QDate &aujourdhui);

// ChargerBilan: the file of this pupil (missing or unreadable: no value read),
// and Mots.dat for a new pupil.
void ChargerBilan(TableProgression &table, const QString &dossierInstallation,
                  const QString &nomEleve, const QDate &aujourdhui);

// Brings the table in line with the word list: adds new words at stage 0
// dated today, removes rows whose word left the list, copies every level.
// Linear time; same result as searching every cell for every word.
void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const QDate &aujourdhui);

// Rows whose column 10 is not empty.
int CompterMotsAcquis(const TableProgression &table);

// The file content: every cell quoted on its own line, CR LF; empty table,
// empty text. (Decoded text; saving encodes it in Windows-1252.)
QString texteBilan(const TableProgression &table);

// Replaces the pupil file with the table. On failure the file and the table
// are untouched.
ResultatEcriture EnregistrerBilan(const TableProgression &table, const QString &dossierInstallation,
                                  const QString &nomEleve);
