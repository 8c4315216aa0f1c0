#include "reglages.h"

#include "valeurs.h"

#include <QDir>
#include <cmath>

namespace {

constexpr double kTailleFonteDefaut = 15.75;

QString chemin(const QString &dossierInstallation, const QString &fichier)
{
    return QDir(dossierInstallation).filePath(fichier);
}

// The value files have no escaping: a double quote inside a value would
// end it early, and the text would read back different.
ResultatEcriture refusGuillemet(const QString &cheminFichier, const QString &quoi)
{
    return ResultatEcriture::echec(cheminFichier,
                                   QStringLiteral("%1 ne peut pas contenir de guillemet (\").").arg(quoi));
}

double lireTaille(QString texte)
{
    texte = texte.trimmed();
    texte.replace(u',', u'.');
    bool ok = false;
    const double taille = texte.toDouble(&ok);
    if (!ok || !std::isfinite(taille))
        return kTailleFonteDefaut;
    return std::clamp(taille, kTailleFonteMin, kTailleFonteMax);
}

} // namespace

QString lireCodeAcces(const QString &dossierInstallation)
{
    const QStringList valeurs = lireFichierValeurs(chemin(dossierInstallation, kFichierCode)).value_or(QStringList());
    // A blank line (left by an editor, say) is no code: were it read as one,
    // any code typed would open the module and replace the real one.
    for (auto valeur = valeurs.crbegin(); valeur != valeurs.crend(); ++valeur)
        if (!valeur->trimmed().isEmpty())
            return *valeur;
    return {};
}

ResultatEcriture enregistrerCodeAcces(const QString &dossierInstallation, const QString &code)
{
    const QString cheminCode = chemin(dossierInstallation, kFichierCode);
    if (code.contains(u'"'))
        return refusGuillemet(cheminCode, QStringLiteral("le code d'accès"));
    return ecrireFichierTexte(cheminCode, ligneValeurs({code}));
}

std::optional<ReglageFonte> lireFonte(const QString &dossierInstallation)
{
    const std::optional<QStringList> valeurs = lireFichierValeurs(chemin(dossierInstallation, kFichierFonte));
    if (!valeurs || valeurs->size() < 2)
        return std::nullopt;
    // The last complete pair; a lone value at the end is ignored.
    const qsizetype paire = (valeurs->size() / 2 - 1) * 2;
    ReglageFonte fonte;
    fonte.nom = valeurs->at(paire).trimmed();
    if (fonte.nom.isEmpty())
        return std::nullopt;
    fonte.taille = lireTaille(valeurs->at(paire + 1));
    return fonte;
}

QString texteTaille(double taille)
{
    QString texte = QString::number(taille, 'f', 4);
    while (texte.endsWith(u'0'))
        texte.chop(1);
    if (texte.endsWith(u'.'))
        texte.chop(1);
    return texte;
}

QString texteFonte(const ReglageFonte &fonte)
{
    return ligneValeurs({fonte.nom}) + texteTaille(fonte.taille) + QLatin1String("\r\n");
}

ResultatEcriture enregistrerFonte(const QString &dossierInstallation, const ReglageFonte &fonte)
{
    const QString cheminFonte = chemin(dossierInstallation, kFichierFonte);
    if (fonte.nom.contains(u'"'))
        return refusGuillemet(cheminFonte, QStringLiteral("le nom de la police"));
    return ecrireFichierTexte(cheminFonte, texteFonte(fonte));
}
