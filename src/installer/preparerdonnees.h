#pragma once
// Makes the chosen data folder ready before the first window: the per-user
// folder is created, and a folder that is not the program's own gets the
// starter library (Sons/ and a Mots.dat with the suggested levels) when it
// has no Sons yet. The program's own folder keeps its older way: Sons.exe.
#include "data/dossierdonnees.h"

#include <QString>

struct PreparationDonnees {
    QString erreur;          // French; the program does not start
    QString avertissement;   // French; the program starts without the starter library
    bool ok() const { return erreur.isEmpty(); }
};

// bibliotheque: the starter library's folder (trouverBibliotheque), may be empty.
PreparationDonnees preparerDossierDonnees(const ChoixDonnees &choix, const QString &bibliotheque);
