#include "preparerdonnees.h"

#include "data/listemots.h"
#include "installerbibliotheque.h"

#include <QDir>
#include <QFileInfo>

PreparationDonnees preparerDossierDonnees(const ChoixDonnees &choix, const QString &bibliotheque)
{
    PreparationDonnees preparation;
    if (!choix.ok()) {
        preparation.erreur = choix.erreur;
        return preparation;
    }
    if (choix.origine == OrigineDonnees::Programme)
        return preparation;
    const QString dossier = QDir::toNativeSeparators(choix.dossier);
    if (!QDir().mkpath(choix.dossier) || !QFileInfo(choix.dossier).isWritable()) {
        preparation.erreur = QStringLiteral("Le dossier des données « %1 » ne peut pas être créé.").arg(dossier);
        return preparation;
    }
    if (QFileInfo(QDir(choix.dossier).filePath(kDossierSons)).exists())
        return preparation;
    if (bibliotheque.isEmpty()) {
        preparation.avertissement = QStringLiteral(
            "La bibliothèque de départ d'OrthoVal est introuvable : le dossier « %1 » reste sans mots "
            "enregistrés. Ajoutez des enregistrements dans son dossier « Sons ».").arg(dossier);
        return preparation;
    }
    const ResultatInstallation resultat = InstallerBibliotheque(bibliotheque, choix.dossier);
    if (!resultat.ok)
        preparation.avertissement = resultat.message();
    return preparation;
}
