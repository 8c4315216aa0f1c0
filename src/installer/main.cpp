// Sons.exe: installs the starter sound library into the data folder (the
// program's folder, a configured one or the per-user one: the same rule as
// the program, see data/dossierdonnees.h). The
// program starts it with --cache when the Sons folder is missing at start-up
// (no window); the teacher button starts it without, and then it shows what
// it did.
#include "fenetreinstallation.h"
#include "installerbibliotheque.h"
#include "data/dossierdonnees.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

const QString kOptionCache = QStringLiteral("cache");

const ProgrammeLigneCommande kProgramme{
    QStringLiteral("Sons.exe"),
    QStringLiteral("Installe la bibliothèque sonore de départ d'OrthoVal dans le dossier des données."),
    QStringLiteral(ORTHOVAL_VERSION),
    {{kOptionCache, QStringLiteral("sans fenêtre : le résultat est écrit sur la console")}}};

ResultatInstallation installerDansDossierDonnees(const QString &dossierDemande)
{
    const ChoixDonnees choix = choisirDossierDonnees(lireEnvironnementDonnees(dossierDemande));
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
    const LigneCommande ligne = lireLigneCommande(argumentsBruts(argc, argv), kProgramme);
    if (const int code = repondreLigneCommande(ligne); code >= 0)
        return code;

    if (ligne.demande(kOptionCache)) {
        QCoreApplication application(argc, argv);
        const ResultatInstallation resultat = installerDansDossierDonnees(ligne.dossierDonnees);
        QTextStream sortie(resultat.ok ? stdout : stderr);
        sortie << resultat.message() << '\n';
        for (const QString &avertissement : resultat.avertissements)
            sortie << avertissement << '\n';
        return resultat.ok ? 0 : 1;
    }

    QApplication application(argc, argv);
    FenetreInstallation fenetre([&ligne] { return installerDansDossierDonnees(ligne.dossierDonnees); });
    fenetre.show();
    return application.exec();
}
