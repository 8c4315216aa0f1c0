#pragma once
// "orthoval --verifier": what a technician runs on each computer after
// installing or after pointing it at a shared folder. Says, in French, where
// the data are, how many words a pupil can practise and whether the words
// can be heard; no window. 0 when a pupil can practise.
#include "installer/preparerdonnees.h"
#include "data/dossierdonnees.h"

#include <QTextStream>

int verifierInstallation(const ChoixDonnees &choix, const PreparationDonnees &preparation, QTextStream &sortie);
