#pragma once
// Where the main window's doors lead, kept apart from the window so that each
// road (installer, access code, teacher window) can be checked on its own.
#include "data/listemots.h"
#include "platform/plateforme.h"
#include "data/etatprogramme.h"

#include <QString>
#include <functional>

class QWidget;

// The modal windows the main window opens, and the way the program ends.
// The program uses the real windows (fenetresModalesQt); a test replaces them
// so that no dialog waits for a click.
struct FenetresModales {
    // The access-code dialog; leaves its verdict in etat.accessGranted.
    std::function<void(EtatProgramme &, Plateforme, QWidget *)> code;
    // The teacher window, maximized; returns when it is closed.
    std::function<void(EtatProgramme &, Plateforme, QWidget *)> enseignant;
    // The pupil window; true when it closed itself because the word list
    // could not be read.
    std::function<bool(EtatProgramme &, Plateforme, QWidget *)> eleve;
    // Ends the program at once.
    std::function<void()> terminer;
};

FenetresModales fenetresModalesQt();

// True when the installation folder holds the sound library folder.
bool sonsPresents(const QString &dossierInstallation);

// The exercise font of Fonte.dat, or the default one when the file is missing
// or damaged.
ReglageFonte lirePoliceExercice(const QString &dossierInstallation);

// The installer is always taken from dossierProgramme, the folder of the
// running program, and told the data folder ("--donnees DOSSIER"); never from
// the data folder, where any pupil account may plant a program that would
// then run under the teacher's account. An empty dossierProgramme starts
// nothing.

// At start-up: starts the installer hidden ("--cache") when the sound library
// is missing. A missing installer is no error; nothing is shown.
void installerSonsAuDemarrage(const QString &dossierInstallation, const QString &dossierProgramme,
                              Lanceur &lanceur);

// From the teacher button: starts the installer in a window when the sound
// library is missing, under "sons.exe" first and then "Sons.exe" (file names
// differ by case outside Windows). False when the library is missing and
// cannot come: no installer could be started, or the data folder is read-only.
bool installerSonsPourEnseignant(const QString &dossierInstallation, const QString &dossierProgramme,
                                 Lanceur &lanceur);

// The access code, then the teacher window when the code was accepted; the
// access flag is down again afterwards whatever happened.
void passerPorteEnseignant(EtatProgramme &etat, Plateforme plateforme, QWidget *parent,
                           const FenetresModales &fenetres);
