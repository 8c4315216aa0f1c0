#pragma once
// Installs the starter sound library into an installation folder: the
// recordings go to Sons/, a first Mots.dat gives each starter word its
// suggested level, and the starter sentences go to Phrases.dat and Phrases/
// for the words that have none. What the teacher already has is never replaced.
#include <QString>
#include <QStringList>

// The starter list's file name inside the library folder.
inline const QString kFichierListeDepart = QStringLiteral("mots-depart.txt");
// The starter sentences' list, beside it; their recordings are in its Phrases/.
inline const QString kFichierPhrasesDepart = QStringLiteral("phrases-depart.txt");

struct ResultatInstallation {
    bool ok = false;
    QString erreur;                // French, empty when ok
    bool sonsCree = false;         // Sons did not exist before
    int enregistrementsCopies = 0;
    int enregistrementsPresents = 0;  // already in Sons, left as they were
    bool motsDatEcrit = false;
    int motsListes = 0;            // words written to Mots.dat
    int phrasesAjoutees = 0;       // starter sentences given, with their recordings
    int phrasesGardees = 0;        // words whose own sentence or recording was kept
    QStringList avertissements;    // what went wrong without stopping the work

    // Recordings in Sons once the work is done.
    int enregistrements() const { return enregistrementsCopies + enregistrementsPresents; }
    // A French sentence for the window or the console.
    QString message() const;
};

// source: the folder holding the starter recordings (*.wav) and the list.
// When Sons is missing it is filled under another name first and renamed at
// the end, so an interrupted run never leaves a half-filled Sons behind (the
// program only starts the installer when Sons is missing). A second installer
// started meanwhile waits for the first one.
ResultatInstallation InstallerBibliotheque(const QString &source, const QString &dossierInstallation);
