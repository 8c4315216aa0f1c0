#pragma once
// What the test program does when it is started again as a child process.
#include <QString>

namespace fiabilite {

// Runs a child mode when the arguments name one; returns its exit code, or
// -1 when the arguments are not a child's (the tests run then).
int lancerEnfant(int argc, char **argv);

// Arguments: mode, file kind ("bilan" or "mots"), folder[, size limit].
inline const char *const kModeBoucle = "--enregistrer-en-boucle";
inline const char *const kModeDisquePlein = "--disque-plein";

} // namespace fiabilite
