#include "affichage.h"

#include "valeurs.h"

#include <QDir>

namespace {

const QString kCleEspacement = QStringLiteral("Espacement");
const QString kNormal = QStringLiteral("normal");
const QString kLarge = QStringLiteral("large");
const QString kTresLarge = QStringLiteral("tres large");

QString nomEspacement(Espacement e)
{
    switch (e) {
    case Espacement::Large:
        return kLarge;
    case Espacement::TresLarge:
        return kTresLarge;
    case Espacement::Normal:
        break;
    }
    return kNormal;
}

} // namespace

ReglagesAffichage lireAffichage(const QString &dossierInstallation)
{
    ReglagesAffichage reglages;
    const QStringList valeurs = lireFichierValeurs(QDir(dossierInstallation).filePath(kFichierAffichage))
                                    .value_or(QStringList());
    for (qsizetype i = 0; i + 1 < valeurs.size(); i += 2) {
        if (valeurs[i].trimmed().compare(kCleEspacement, Qt::CaseInsensitive) != 0)
            continue;
        const QString valeur = valeurs[i + 1].trimmed().toLower();
        if (valeur == kLarge)
            reglages.espacement = Espacement::Large;
        else if (valeur == kTresLarge)
            reglages.espacement = Espacement::TresLarge;
        else if (valeur == kNormal)
            reglages.espacement = Espacement::Normal;
    }
    return reglages;
}

QString texteAffichage(const ReglagesAffichage &reglages)
{
    return ligneValeurs({kCleEspacement, nomEspacement(reglages.espacement)});
}

ResultatEcriture enregistrerAffichage(const QString &dossierInstallation, const ReglagesAffichage &reglages)
{
    return ecrireFichierTexte(QDir(dossierInstallation).filePath(kFichierAffichage), texteAffichage(reglages));
}

double pourcentageEspacement(Espacement espacement)
{
    switch (espacement) {
    case Espacement::Large:
        return 115.0;
    case Espacement::TresLarge:
        return 130.0;
    case Espacement::Normal:
        break;
    }
    return 100.0;
}
