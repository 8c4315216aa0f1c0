#pragma once
// Copies of data files kept before a save that would drop something they
// hold (a pupil's progress, the teacher's levels), in the folder
// "Sauvegardes" beside the data: "Paul (2026-12-07 09h41m05).bil". The last
// few copies of each file are kept; a teacher restores one by copying it back.
#include "ecriture.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

inline const QString kDossierSauvegardes = QStringLiteral("Sauvegardes");
inline constexpr int kSauvegardesGardees = 5;
// Removed and replaced recordings, beside Sons.
inline const QString kDossierCorbeille = QStringLiteral("Corbeille");

// Copies the file, byte for byte, into Sauvegardes under a dated name, then
// removes the oldest copies of that file beyond kSauvegardesGardees. A missing
// file needs no copy (success). Refused for a symbolic link, in the file or as
// the folder.
ResultatEcriture sauvegarderCopie(const QString &chemin, const QDateTime &moment = QDateTime::currentDateTime());

// The copies of a file of the data folder ("Paul.bil"), newest first, as file
// names within Sauvegardes.
QStringList listerSauvegardes(const QString &dossierDonnees, const QString &nomFichier);

// The moment a copy was made, read from its name ("Paul (2026-12-07
// 09h41m05).bil"); invalid for another name.
QDateTime momentSauvegarde(const QString &nomCopie);

// Puts a copy back in place of the file. The file being replaced is copied
// into Sauvegardes first, beside the others: restoring never removes a copy.
ResultatEcriture restaurerSauvegarde(const QString &dossierDonnees, const QString &nomFichier,
                                     const QString &nomCopie);

// Moves a file of the data folder into Sauvegardes as "<base> (yyyy-MM-dd
// HHhmmmss).<its extension>", a number added when that name is taken; such a
// file is never removed to make room for copies. nomRange receives the name
// given within Sauvegardes. A missing file needs no move (success, nomRange
// empty). Refused for a Sauvegardes that is a symbolic link.
ResultatEcriture rangerDansSauvegardes(const QString &dossierDonnees, const QString &chemin, const QString &base,
                                       QString *nomRange, const QDateTime &moment = QDateTime::currentDateTime());

// Moves a recording of Sons into Corbeille as "<word> (yyyy-MM-dd
// HHhmmmss).wav", like rangerDansSauvegardes: nothing there is ever replaced.
ResultatEcriture mettreALaCorbeille(const QString &dossierInstallation, const QString &chemin,
                                    QString *nomRange = nullptr,
                                    const QDateTime &moment = QDateTime::currentDateTime());
// The same into a folder of Corbeille ("Phrases"), which the Corbeille's list
// of word recordings does not read.
ResultatEcriture mettreALaCorbeille(const QString &dossierInstallation, const QString &sousDossier,
                                    const QString &chemin, QString *nomRange = nullptr,
                                    const QDateTime &moment = QDateTime::currentDateTime());
