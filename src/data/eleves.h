#pragma once
// Pupils are the "<name>.bil" files of the installation folder.
#include "ecriture.h"

#include <QString>
#include <QStringList>

inline const QString kExtensionBilan = QStringLiteral(".bil");

// The pupils' names (file names less ".bil"), sorted by name.
QStringList listerEleves(const QString &dossierInstallation);

// Why a name cannot be a pupil's file name, in French; empty when it can.
// Refused: path separators, "." and "..", the characters : * ? " < > |,
// control characters, characters Windows-1252 cannot hold, a trailing dot or
// blank, and names too long for a file name.
QString raisonNomEleveRefuse(const QString &nom);

// Creates the pupil's empty file unless it exists (an existing file keeps its
// content). A new pupil starts with the class's display: a "<nom>.aff" left
// without its pupil is moved into Sauvegardes.
ResultatEcriture creerEleve(const QString &dossierInstallation, const QString &nom);

// Deletes the pupil's file; a file already gone is a success. His answer
// journal (Journal/<nom>.txt) is moved first into Sauvegardes, as "Journal de
// <nom> (date).txt": a new pupil of the same name starts clean. journalRange
// receives that name within Sauvegardes (empty when there was no journal).
// His display setting (<nom>.aff) goes there too, as "<nom> (date).aff".
// When either cannot be moved, nothing is deleted.
ResultatEcriture supprimerEleve(const QString &dossierInstallation, const QString &nom,
                                QString *journalRange = nullptr);
