#pragma once
// Correcting the spelling of a word of the list: its recording takes the new
// name and its record of Mots.dat the new word, same level, same place. Only
// for a word no pupil has met yet: a pupil's progress on a word is kept under
// the word as written, and would not follow it.
#include "ecriture.h"
#include "listemots.h"

#include <QString>
#include <QStringList>

struct CorrectionOrthographe {
    bool ok = false;
    QString raison;         // why not, in French, when not ok
    QStringList eleves;     // when the word was met: the pupils who met it
};

// The pupils whose progress table has the word past the initial test (they
// have answered it at least once), sorted by name. A pupil file that cannot
// be read goes into illisibles: whether he met the word is unknown.
QStringList elevesAyantRencontre(const QString &dossierInstallation, const QString &mot,
                                 QStringList *illisibles = nullptr);

// Gives liste[rang] the spelling nouveau, in Sons and in Mots.dat. Refused,
// with nothing changed, for a word some pupil has met or might be meeting
// (his file unreadable, or he is at work now), for a new spelling the list
// or Sons already holds (in any case), and for one that cannot be a word.
// The new recording is written before Mots.dat and the old one removed after
// it, so a failure at any step leaves the word whole under one of its names.
CorrectionOrthographe corrigerOrthographe(const QString &dossierInstallation, ListeMots &liste, qsizetype rang,
                                          const QString &nouveau);
