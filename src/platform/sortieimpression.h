#pragma once
// Where a printed PDF may be written. The print dialog offers "print to a
// file" and lets anyone type any name: from the pupil window that is a way
// to overwrite Code.dat or a pupil's file with a PDF. The rule, written once
// for every print command: never into the data folder (nor anything under
// it, whatever links or spelling lead there), never over an existing file
// that is not a PDF.
#include <QString>

// Why a PDF may not be written at fichier, in French for the person at the
// computer; empty when it may. A name without a folder is taken from the
// current folder, as the file would be opened. dossierDonnees: the data
// folder decided at start-up.
QString refusFichierImpression(const QString &fichier, const QString &dossierDonnees);

// The folder to suggest instead: the user's Documents, else the home folder.
QString dossierImpressionPropose();

// A PDF name in that folder, after the refused one ("Code.dat" gives
// "Documents/Code.pdf"); nomParDefaut when the refused one has no name.
QString fichierImpressionPropose(const QString &refuse, const QString &nomParDefaut);
