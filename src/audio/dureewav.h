#pragma once
#include <QString>

// Length of a sound file in milliseconds, read with libsndfile; 0 when the
// file is missing, unreadable or not a sound file.
int dureeEnregistrementMs(const QString &chemin);
