#include "reglageorthographe.h"

#include "valeurs.h"

#include <QDir>

namespace {

const QString kCle = QStringLiteral("Orthographe");
const QString kTraditionnelle = QStringLiteral("traditionnelle");
const QString kRectifiee = QStringLiteral("rectifiee");
const QString kLesDeux = QStringLiteral("les deux");

QString nomReglage(ReglageOrthographe reglage)
{
    switch (reglage) {
    case ReglageOrthographe::Traditionnelle:
        return kTraditionnelle;
    case ReglageOrthographe::Rectifiee:
        return kRectifiee;
    case ReglageOrthographe::LesDeux:
        break;
    }
    return kLesDeux;
}

} // namespace

ReglageOrthographe lireReglageOrthographe(const QString &dossierInstallation)
{
    ReglageOrthographe reglage = ReglageOrthographe::LesDeux;
    const QStringList valeurs = lireFichierValeurs(QDir(dossierInstallation).filePath(kFichierReglageOrthographe))
                                    .value_or(QStringList());
    for (qsizetype i = 0; i + 1 < valeurs.size(); i += 2) {
        if (valeurs[i].trimmed().compare(kCle, Qt::CaseInsensitive) != 0)
            continue;
        // A hand-edited file may carry the accent the teacher sees.
        const QString valeur = valeurs[i + 1].trimmed().toLower().replace(u'é', u'e');
        if (valeur == kTraditionnelle)
            reglage = ReglageOrthographe::Traditionnelle;
        else if (valeur == kRectifiee)
            reglage = ReglageOrthographe::Rectifiee;
        else if (valeur == kLesDeux)
            reglage = ReglageOrthographe::LesDeux;
    }
    return reglage;
}

QString texteReglageOrthographe(ReglageOrthographe reglage)
{
    return ligneValeurs({kCle, nomReglage(reglage)});
}

ResultatEcriture enregistrerReglageOrthographe(const QString &dossierInstallation, ReglageOrthographe reglage)
{
    return ecrireFichierTexte(QDir(dossierInstallation).filePath(kFichierReglageOrthographe),
                              texteReglageOrthographe(reglage));
}
