#pragma once
// Every file is written whole through a temporary file and a rename, so a
// crash or power cut leaves either the old file or the new one.
#include <QByteArray>
#include <QString>

struct ResultatEcriture {
    // What was attempted, for the wording of the message.
    enum class Action { Enregistrer, Supprimer, Creer };

    bool ok = true;
    QString chemin;  // the file concerned
    // Why, in French for what usually happens (folder gone, not a folder,
    // write-protected, disk full), else the system's words; empty when ok.
    QString detail;
    Action action = Action::Enregistrer;

    // A French sentence for a message box, naming the file:
    // "Impossible d'enregistrer le fichier « Mots.dat » : <detail>"
    // (de supprimer, de créer for the other actions); empty when ok.
    QString message() const;

    static ResultatEcriture reussite(const QString &chemin);
    static ResultatEcriture echec(const QString &chemin, const QString &detail,
                                  Action action = Action::Enregistrer);
};

// Why writing the file at chemin failed, in French for what a school computer
// usually does (folder gone, not a folder, write-protected, disk full when
// the file was open); else the system's words.
QString expliquerEchecEcriture(const QString &chemin, bool ouverture, const QString &systeme);

// Why the file at chemin must not be replaced, in French: it is a symbolic
// link, or it exists and cannot be read. Empty when it may be.
QString raisonRemplacementRefuse(const QString &chemin);

// Replaces the file at chemin with these bytes (atomic). On failure the old
// file is left as it was. Refused, writing nothing, for a symbolic link and
// for a file that exists but cannot be read.
ResultatEcriture ecrireFichier(const QString &chemin, const QByteArray &octets);

// Encodes the text in Windows-1252 and writes it; fails, writing nothing, when
// a character cannot be encoded (the detail names it, in French).
ResultatEcriture ecrireFichierTexte(const QString &chemin, const QString &texte);

// Writes the text in UTF-8 preceded by its byte-order mark, which spreadsheets
// need to tell UTF-8 from their local code page (files for other programs;
// the program's own files stay Windows-1252).
ResultatEcriture ecrireFichierUtf8(const QString &chemin, const QString &texte);

// Removes a file; a file that is already gone is a success.
ResultatEcriture supprimerFichier(const QString &chemin);

// Writes every byte to the descriptor, again after an interruption; false
// with errno set when the system refuses (ENOSPC when it writes nothing
// more). Unix only.
bool ecrireTout(int fd, const QByteArray &octets);

// The rights (permission bits) a new file gets in the folder open at the
// descriptor dossier: those the folder grants, without execution, and
// read-write for the group of a folder shared by a group (setgid and
// group-writable), so that every account of a class can save it. Unix only.
unsigned modeNouveauFichier(int dossier);

// Gives a file just created by this account (a lock, an empty file) the
// rights of its folder, as above. Links and special files are left alone.
void donnerDroitsDuDossier(const QString &chemin);

// Creates the folder (its parent must exist) with its parent's rights,
// setgid included, so that a folder the class shares (Journal, Sauvegardes)
// stays writable by every account that may write its parent. True when the
// folder exists afterwards, made here or before, and is not a link.
bool creerDossierPartage(const QString &chemin);

// Creates the file empty when it does not exist; an existing file is left
// untouched. Returns false when it cannot be created.
bool creerSiAbsent(const QString &chemin);
