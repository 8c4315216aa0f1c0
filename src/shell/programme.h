#pragma once
// What lives for the whole run: the installation folder, the exercise font and
// the teacher's access flag. Created by the main window, lent to the others.
#include "data/reglages.h"

#include <QString>

inline const ReglageFonte kPoliceExerciceParDefaut{QStringLiteral("Comic Sans MS"), 15.75};

struct EtatProgramme {
    QString dossierInstallation;                      // without a trailing separator
    ReglageFonte policeExercice = kPoliceExerciceParDefaut;
    bool accessGranted = false;
};
