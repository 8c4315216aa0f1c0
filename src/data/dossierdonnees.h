#pragma once
// Where the data live (the pupils' .bil files, Mots.dat, Code.dat, Fonte.dat,
// Sons/), decided once at start-up, in this order:
//   1. --donnees DOSSIER on the command line;
//   2. the program's own folder, when it is writable and is not a system
//      installation (a copied folder, a USB stick, a build folder);
//   3. the line "donnees=DOSSIER" of the per-user configuration file
//      ($XDG_CONFIG_HOME/OrthoVal/orthoval.conf);
//   4. the same line in the system-wide file (/etc/orthoval/orthoval.conf);
//   5. the per-user data folder ($XDG_DATA_HOME/OrthoVal), created at the
//      first start.
// A folder named on the command line or in a configuration file must exist
// and be writable: otherwise the program says so and does not start, rather
// than keep a pupil's progress in two places.
// QtCore only: the environment is a parameter, so tests give a fake one.
#include <QList>
#include <QString>
#include <QStringList>

// An option of a program besides --donnees, --help and --version.
struct OptionLigneCommande {
    QString nom;      // without dashes: "verifier"
    QString aide;     // French, one line of the help
};

struct ProgrammeLigneCommande {
    QString nom;                          // "orthoval", "Sons.exe"
    QString description;                  // French, first line of the help
    QString version;
    QList<OptionLigneCommande> options;
};

struct LigneCommande {
    enum class Suite { Demarrer, Aide, Version, Erreur };
    Suite suite = Suite::Demarrer;
    QString texte;             // French: the help, the version or the error to print
    QString dossierDonnees;    // the value of --donnees, as typed; empty when not given
    QStringList options;       // the program's own options that were given
    bool demande(const QString &nom) const { return options.contains(nom); }
};

// The command line (program name first) of orthoval and Sons.exe, read before
// any QCoreApplication exists, so that --help and --version need no display.
// Qt's own options (-platform, -style, ...) are let through for QApplication.
LigneCommande lireLigneCommande(const QStringList &arguments, const ProgrammeLigneCommande &programme);

// What the program does before any window for that command line: prints the
// help or the version (exit code 0) or the error (exit code 1); -1 when it
// is to start.
int repondreLigneCommande(const LigneCommande &ligne);

// argv as QCoreApplication::arguments() would give it.
QStringList argumentsBruts(int argc, char **argv);

struct EnvironnementDonnees {
    QString dossierProgramme;    // the folder of the running program
    QString dossierDemande;      // --donnees, as typed (relative to the current folder); empty when not given
    QString configUtilisateur;   // path of the per-user configuration file
    QString configSysteme;       // path of the system-wide configuration file
    QString dossierUtilisateur;  // the per-user data folder
};

enum class OrigineDonnees { LigneCommande, Programme, ConfigUtilisateur, ConfigSysteme, Utilisateur };

struct ChoixDonnees {
    QString dossier;          // absolute, clean; empty on failure
    OrigineDonnees origine = OrigineDonnees::Programme;
    QString erreur;           // French, for a teacher; empty when the folder can be used
    bool ok() const { return erreur.isEmpty(); }
};

// The real environment: the running program, QStandardPaths, /etc.
EnvironnementDonnees lireEnvironnementDonnees(const QString &dossierDemande);

// Applies the rule. The per-user folder is only chosen here, not created.
ChoixDonnees choisirDossierDonnees(const EnvironnementDonnees &environnement);

// The folder of the starter library (recordings and mots-depart.txt) that
// ships with the program: beside it in a copied folder, under
// share/orthoval in a system installation. Empty when none is found.
QString trouverBibliotheque(const QString &dossierProgramme);

// A line for the main window: where the data are and why there.
QString decrireDossierDonnees(const ChoixDonnees &choix);
