#pragma once
// File names shown to the teacher and the pupils, sorted as a French reader
// expects (Élodie among the E, not after Zoé).
#include <QStringList>

void trierNoms(QStringList &noms);
