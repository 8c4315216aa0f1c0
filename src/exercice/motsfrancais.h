#pragma once
// The French words shipped with the program (langue/ beside it), read once
// for the whole run and shared by every window: an answer that is another
// real word sounding like the dictated one is told apart from a misspelling.
#include "engine/erreurs.h"

// The source, with the homophones of the tables found from the program's
// folder (EtatProgramme::dossierProgramme). Nothing is read here: the tables
// are read at the first question, or by preparerEnArrierePlan.
SourcePhonemes ajouterHomophones(SourcePhonemes source, const QString &dossierProgramme);

// Reads the tables and wakes the phoneme conversion on a worker thread, so
// that the first answer judged does not wait for them.
void preparerEnArrierePlan(const SourcePhonemes &source);
