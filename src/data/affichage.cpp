#include "affichage.h"

#include "valeurs.h"

#include <QDir>

namespace {

const QString kCleEspacement = QStringLiteral("Espacement");
const QString kNormal = QStringLiteral("normal");
const QString kLarge = QStringLiteral("large");
const QString kTresLarge = QStringLiteral("tres large");

} // namespace

ReglagesAffichage lireAffichage(const QString &dossierInstallation)
{
    ReglagesAffichage reglages;
    const QStringList valeurs = lireFichierValeurs(QDir(dossierInstallation).filePath(kFichierAffichage))
                                    .value_or(QStringList());
    for (qsizetype i = 0; i + 1 < valeurs.size(); i += 2) {
        if (valeurs[i].trimmed().compare(kCleEspacement, Qt::CaseInsensitive) != 0)
            continue;
        if (const auto espacement = lireEspacement(valeurs[i + 1]))
            reglages.espacement = *espacement;
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

QString nomEspacement(Espacement espacement)
{
    switch (espacement) {
    case Espacement::Large:
        return kLarge;
    case Espacement::TresLarge:
        return kTresLarge;
    case Espacement::Normal:
        break;
    }
    return kNormal;
}

std::optional<Espacement> lireEspacement(const QString &texte)
{
    const QString valeur = texte.trimmed().toLower();
    if (valeur == kNormal)
        return Espacement::Normal;
    if (valeur == kLarge)
        return Espacement::Large;
    if (valeur == kTresLarge || valeur == QStringLiteral("très large"))
        return Espacement::TresLarge;
    return std::nullopt;
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
