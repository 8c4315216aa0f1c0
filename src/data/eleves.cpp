#include "eleves.h"

#include "bilan.h"
#include "encodage.h"
#include "trinoms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kLongueurNomMax = 200;
constexpr int kOctetsNomFichierMax = 255;
const QString kInterdits = QStringLiteral("/\\:*?\"<>|");

} // namespace

QStringList listerEleves(const QString &dossierInstallation)
{
    QDir dossier(dossierInstallation);
    // Case-sensitive: a "Paul.BIL" would be read and written as "Paul.bil".
    dossier.setFilter(QDir::Files | QDir::CaseSensitive);
    dossier.setNameFilters({QStringLiteral("*") + kExtensionBilan});
    QStringList noms;
    for (const QString &fichier : dossier.entryList()) {
        const QString nom = fichier.chopped(kExtensionBilan.size());
        if (!nom.isEmpty())
            noms.append(nom);
    }
    trierNoms(noms);
    return noms;
}

QString raisonNomEleveRefuse(const QString &nom)
{
    if (nom.trimmed().isEmpty())
        return QStringLiteral("Le nom de l'élève est vide.");
    if (nom == QLatin1String(".") || nom == QLatin1String(".."))
        return QStringLiteral("Le nom « %1 » ne peut pas servir de nom de fichier.").arg(nom);
    for (QChar c : nom) {
        if (kInterdits.contains(c))
            return QStringLiteral("Le nom de l'élève ne peut pas contenir le caractère « %1 ».").arg(c);
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("Le nom de l'élève ne peut pas contenir de caractère de contrôle.");
    }
    const qsizetype position = positionNonRepresentable(nom);
    if (position >= 0)
        return QStringLiteral("Le nom de l'élève ne peut pas contenir le caractère %1.")
            .arg(decrireCaractere(nom, position));
    if (nom.endsWith(u'.') || nom.back().isSpace())
        return QStringLiteral("Le nom de l'élève ne peut pas se terminer par un point ou une espace.");
    if (nom.size() > kLongueurNomMax
        || QFile::encodeName(nom + kExtensionBilan).size() > kOctetsNomFichierMax)
        return QStringLiteral("Le nom de l'élève est trop long (%1 caractères au plus).").arg(kLongueurNomMax);
    return QString();
}

ResultatEcriture creerEleve(const QString &dossierInstallation, const QString &nom)
{
    const QString chemin = cheminBilan(dossierInstallation, nom);
    const QString raison = raisonNomEleveRefuse(nom);
    if (!raison.isEmpty())
        return ResultatEcriture::echec(chemin, raison, ResultatEcriture::Action::Creer);
    QFile fichier(chemin);
    // NewOnly: an existing pupil keeps his file as it is.
    if (fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        fichier.close();
        // The pupil's own account must be able to save it on a shared folder.
        donnerDroitsDuDossier(chemin);
        return ResultatEcriture::reussite(chemin);
    }
    if (QFileInfo(chemin).isFile())
        return ResultatEcriture::reussite(chemin);
    return ResultatEcriture::echec(chemin, fichier.errorString(), ResultatEcriture::Action::Creer);
}

ResultatEcriture supprimerEleve(const QString &dossierInstallation, const QString &nom)
{
    const QString chemin = cheminBilan(dossierInstallation, nom);
    // Names come from the folder listing; a separator would reach another folder.
    if (nom.isEmpty() || nom.contains(u'/') || nom.contains(u'\\'))
        return ResultatEcriture::echec(chemin, QStringLiteral("nom d'élève invalide."),
                                       ResultatEcriture::Action::Supprimer);
    return supprimerFichier(chemin);
}
