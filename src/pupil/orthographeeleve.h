#pragma once
// The spellings the exercise shows and accepts, from the class setting and
// the table of 1990 spellings shipped beside the program.
#include "engine/evaluation.h"

#include <QString>
#include <functional>

// The forms of each listed word for a visit. dossierProgramme: the folder of
// the running program, where the language tables are found (empty: none, so
// every word has one spelling). The tables are read once per process, at
// the first word asked for, never at start-up.
std::function<FormesMot(const QString &)> formesPourVisite(ReglageOrthographe reglage,
                                                           const QString &dossierProgramme);
