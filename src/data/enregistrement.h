#pragma once
// Where a word's recording is: the file of the Sons folder whose name is the
// word followed by ".wav". The word part is matched exactly, as the word list
// does; the extension in any case, so that a recording copied from Windows as
// "Chat.WAV" is heard as the word "Chat".
#include "ecriture.h"
#include "listemots.h"

#include <QByteArray>
#include <QString>

// The path "<installation>/Sons/<word>.<ext>" of the word's recording: the
// ".wav" file when it exists, else the one with ".WAV", ".Wav"... (the first
// in name order when several). Empty when there is none, and for a word that
// could lead out of Sons (empty, ".", "..", a slash, a backslash, a NUL).
// dossier: Phrases for the recording of the word's sentence.
QString cheminEnregistrement(const QString &dossierInstallation, const QString &mot,
                             const QString &dossier = kDossierSons);

// The name a new recording of the word is given in Sons: "<word>.wav".
QString nomEnregistrement(const QString &mot);

// Whether a new recording may take the place of an existing file of its name.
enum class Remplacement { Remplacer, Jamais };

// Why a recording was not written with Remplacement::Jamais: its name is taken.
inline const QString kEnregistrementExistant = QStringLiteral("un enregistrement de ce mot existe déjà.");

// A new recording written beside the one it replaces, in the Sons folder that
// every pupil account can write to. Sons is opened without following a link
// (created when missing), the bytes go into a new hidden file created there
// and nowhere else (never an existing name, never through a link), synced,
// then renamed over the recording's name. Nothing is ever removed but that
// file, by name within the folder opened, and only while it still is the
// file written: a name swapped meanwhile for a link or a folder is left alone
// and the writing reported as failed.
class EnregistrementProvisoire {
public:
    // dossier: the folder of the installation it goes to, Sons unless said
    // (Phrases for the recordings of context sentences).
    EnregistrementProvisoire(const QString &dossierInstallation, const QByteArray &octets,
                             const QString &dossier = kDossierSons);
    // Removes the hidden file when it was not placed.
    ~EnregistrementProvisoire();
    EnregistrementProvisoire(const EnregistrementProvisoire &) = delete;
    EnregistrementProvisoire &operator=(const EnregistrementProvisoire &) = delete;

    // Whether the bytes were written whole; why not otherwise.
    const ResultatEcriture &ecriture() const { return ecriture_; }

    // Renames the file to Sons/<nomFichier>: an existing recording of that
    // name is replaced at once, never half, or, with Remplacement::Jamais,
    // kept and the new one refused (kEnregistrementExistant). Once only.
    ResultatEcriture placer(const QString &nomFichier, Remplacement remplacement = Remplacement::Remplacer);

private:
    ResultatEcriture ecrire(const QString &dossierInstallation, const QString &dossier, const QByteArray &octets);
    void retirer();

    QString sons_;
    int dossier_ = -1;           // Sons, opened without following a link
    int fichier_ = -1;           // the hidden file, as created
    QByteArray nomProvisoire_;
    ResultatEcriture ecriture_;
};

// Writes the bytes as Sons/<nomFichier> (or <dossier>/<nomFichier>) through
// an EnregistrementProvisoire.
ResultatEcriture ecrireEnregistrement(const QString &dossierInstallation, const QString &nomFichier,
                                      const QByteArray &octets,
                                      Remplacement remplacement = Remplacement::Remplacer,
                                      const QString &dossier = kDossierSons);
