// Sons.exe: installs the starter sound library into the data folder (the
// program's folder, a configured one or the per-user one: the same rule as
// the program, see platform/dossierdonnees.h). The
// program starts it with --cache when the Sons folder is missing at start-up
// (no window); the teacher button starts it without, and then it shows what
// it did.
#include "fenetreinstallation.h"
#include "installerbibliotheque.h"
#include "platform/dossierdonnees.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstring>

namespace {

bool demandeSansFenetre(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cache") == 0)
            return true;
    }
    return false;
}

ResultatInstallation installerDansDossierDonnees()
{
    const ChoixDonnees choix = choisirDossierDonnees(lireEnvironnementDonnees(QCoreApplication::arguments()));
    if (!choix.ok()) {
        ResultatInstallation resultat;
        resultat.erreur = choix.erreur;
        return resultat;
    }
    if (choix.origine == OrigineDonnees::Utilisateur)
        QDir().mkpath(choix.dossier);
    return InstallerBibliotheque(trouverBibliotheque(QCoreApplication::applicationDirPath()), choix.dossier);
}

}  // namespace

int main(int argc, char **argv)
{
    if (demandeSansFenetre(argc, argv)) {
        QCoreApplication application(argc, argv);
        const ResultatInstallation resultat = installerDansDossierDonnees();
        QTextStream sortie(resultat.ok ? stdout : stderr);
        sortie << resultat.message() << '\n';
        for (const QString &avertissement : resultat.avertissements)
            sortie << avertissement << '\n';
        return resultat.ok ? 0 : 1;
    }

    QApplication application(argc, argv);
    FenetreInstallation fenetre(installerDansDossierDonnees);
    fenetre.show();
    return application.exec();
}
