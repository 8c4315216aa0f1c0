#pragma once
// Orthographe.dat: which spelling the class learns, the traditional one, the
// one reformed in 1990 or both. A file of its own, so that older
// installations ignore it and no other file changes. One "name","value" pair.
#include "ecriture.h"

#include <QString>

inline const QString kFichierReglageOrthographe = QStringLiteral("Orthographe.dat");

// In the order the teacher's list offers them.
enum class ReglageOrthographe { Traditionnelle, Rectifiee, LesDeux };

// The class setting; both spellings (the schools' reference since 2016)
// when the file is missing, unreadable or names an unknown value.
ReglageOrthographe lireReglageOrthographe(const QString &dossierInstallation);
QString texteReglageOrthographe(ReglageOrthographe reglage);
ResultatEcriture enregistrerReglageOrthographe(const QString &dossierInstallation, ReglageOrthographe reglage);
