#include "reglages.h"

#include "encodage.h"
#include "valeurs.h"

#include <QDir>
#include <cmath>

namespace {

constexpr double kTailleFonteDefaut = 15.75;
constexpr qsizetype kLongueurCodeMax = 6;

namespace textes_code {
// %1: the file, %2: why it cannot be read.
const QString illisible = QStringLiteral(
    "Le fichier « %1 », qui garde le code d'accès, ne peut pas être lu : %2\n"
    "Le module Enseignant reste fermé tant que ce fichier ne peut pas être lu.");
// %1: the file.
const QString endommage = QStringLiteral(
    "Le fichier « %1 », qui garde le code d'accès, est endommagé : il ne contient pas un code "
    "de 1 à 6 caractères (il a peut-être été remplacé par une impression ou modifié à la main).\n"
    "Le module Enseignant reste fermé, et aucun nouveau code ne peut être choisi ici.\n"
    "Pour choisir un nouveau code : depuis le compte de l'enseignant (ou avec la personne qui gère "
    "cet ordinateur), supprimez ce fichier, puis ouvrez aussitôt le module Enseignant et tapez "
    "le nouveau code deux fois.");
const QString refuse = QStringLiteral(
    "le code d'accès doit compter de 1 à 6 caractères, sans caractère de contrôle.");
}  // namespace textes_code

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

bool codeAccesValable(const QString &code)
{
    if (code.isEmpty() || code.size() > kLongueurCodeMax || code != code.trimmed())
        return false;
    for (const QChar c : code)
        if (!c.isPrint() || c == u'"' || c == QChar::ReplacementCharacter)
            return false;
    return representableEnWindows1252(code);
}

LectureCode lireFichierCode(const QString &dossierInstallation)
{
    const QString cheminCode = chemin(dossierInstallation, kFichierCode);
    const LectureFichier lecture = lireFichier(cheminCode);
    if (lecture.illisible())
        return {{}, textes_code::illisible.arg(QDir::toNativeSeparators(cheminCode), lecture.raison)};
    LectureCode resultat;
    if (!lecture.lu())
        return resultat;
    const QString endommage = textes_code::endommage.arg(QDir::toNativeSeparators(cheminCode));
    if (texteAbime(lecture.texte))
        return {{}, endommage};
    // Every value must be a code the dialog could have written: the last
    // value alone would take the "%%EOF" that ends a PDF for a code.
    for (const QString &valeur : lireValeurs(lecture.texte)) {
        // A blank line (left by an editor, say) is no code: were it read as
        // one, any code typed would open the module and replace the real one.
        if (valeur.trimmed().isEmpty())
            continue;
        if (!codeAccesValable(valeur))
            return {{}, endommage};
        resultat.code = valeur;
    }
    return resultat;
}

QString lireCodeAcces(const QString &dossierInstallation)
{
    return lireFichierCode(dossierInstallation).code;
}

ResultatEcriture enregistrerCodeAcces(const QString &dossierInstallation, const QString &code)
{
    const QString cheminCode = chemin(dossierInstallation, kFichierCode);
    if (code.contains(u'"'))
        return refusGuillemet(cheminCode, QStringLiteral("le code d'accès"));
    if (!codeAccesValable(code))
        return ResultatEcriture::echec(cheminCode, textes_code::refuse);
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
