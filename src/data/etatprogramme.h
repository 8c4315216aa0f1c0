#pragma once
// What lives for the whole run: the data folder, the exercise font and the
// teacher's access flag. Created at start-up, lent to every window.
#include "data/reglages.h"

#include <QString>

inline const ReglageFonte kPoliceExerciceParDefaut{QStringLiteral("Comic Sans MS"), 15.75};

struct EtatProgramme {
    // The data folder decided at start-up (beside the program, a configured
    // folder or the per-user one): every file the program reads or writes is
    // in it. Without a trailing separator.
    QString dossierInstallation;
    ReglageFonte policeExercice = kPoliceExerciceParDefaut;
    bool accessGranted = false;
    // The folder of the running program, where the installer Sons.exe lies.
    // Never the data folder: every pupil account may write there, and a
    // program planted in it would run under the teacher's account. Empty:
    // no installer is started.
    QString dossierProgramme{};
};
