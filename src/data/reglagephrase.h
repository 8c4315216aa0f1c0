#pragma once
// PhraseATrou.dat: whether the exercise also shows a word's sentence with
// the word replaced by a gap ("j'ai mal à une ____"). A file of its own, so
// that older installations ignore it and no other file changes. One
// "name","value" pair; off unless the teacher turns it on.
#include "ecriture.h"

#include <QString>

inline const QString kFichierReglagePhrase = QStringLiteral("PhraseATrou.dat");

// Off when the file is missing, unreadable or says anything but "oui".
bool lireReglagePhraseATrou(const QString &dossierInstallation);
QString texteReglagePhraseATrou(bool montrer);
ResultatEcriture enregistrerReglagePhraseATrou(const QString &dossierInstallation, bool montrer);
