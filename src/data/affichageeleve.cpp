#include "affichageeleve.h"

#include "sauvegardes.h"
#include "valeurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

const QString kClePolice = QStringLiteral("Police");
const QString kClePetitesLettres = QStringLiteral("Petites lettres");
const QString kCleEspacement = QStringLiteral("Espacement");

// A setting is a few lines: anything larger was put there by something else,
// and is not read whole into memory to find out.
constexpr qint64 kTailleMaxFichier = 4096;

// Millimetres, point or comma as decimal separator; 0 when out of range.
double lireMillimetres(QString texte)
{
    texte = texte.trimmed();
    texte.replace(u',', u'.');
    bool ok = false;
    const double mm = texte.toDouble(&ok);
    if (!ok || !std::isfinite(mm) || mm < kPetitesLettresMinMm || mm > kPetitesLettresMaxMm)
        return 0;
    return mm;
}

// A name the pupil screen can ask for: printable, of a sensible length.
bool nomPoliceLisible(const QString &nom)
{
    if (nom.isEmpty() || nom.size() > 100)
        return false;
    for (const QChar c : nom)
        if (!c.isPrint() || c == QChar::ReplacementCharacter)
            return false;
    return true;
}

QString sansFonderie(const QString &famille)
{
    const qsizetype crochet = famille.indexOf(QLatin1String(" ["));
    return crochet < 0 ? famille : famille.left(crochet);
}

} // namespace

QString cheminAffichageEleve(const QString &dossierInstallation, const QString &nomEleve)
{
    return QDir(dossierInstallation).filePath(nomEleve + kExtensionAffichageEleve);
}

AffichageEleve lireAffichageEleve(const QString &dossierInstallation, const QString &nomEleve)
{
    AffichageEleve affichage;
    const QString chemin = cheminAffichageEleve(dossierInstallation, nomEleve);
    const QFileInfo info(chemin);
    if (!info.isFile() || info.isSymLink() || info.size() > kTailleMaxFichier)
        return affichage;
    const QStringList valeurs = lireFichierValeurs(chemin).value_or(QStringList());
    // The last value of each key wins, as in the program's other files.
    for (qsizetype i = 0; i + 1 < valeurs.size(); i += 2) {
        const QString cle = valeurs[i].trimmed();
        const QString &valeur = valeurs[i + 1];
        if (cle.compare(kClePolice, Qt::CaseInsensitive) == 0) {
            const QString nom = valeur.trimmed();
            affichage.police = nomPoliceLisible(nom) ? nom : QString();
        } else if (cle.compare(kClePetitesLettres, Qt::CaseInsensitive) == 0) {
            affichage.petitesLettresMm = lireMillimetres(valeur);
        } else if (cle.compare(kCleEspacement, Qt::CaseInsensitive) == 0) {
            affichage.espacement = lireEspacement(valeur);
        }
    }
    return affichage;
}

QString texteAffichageEleve(const AffichageEleve &affichage)
{
    QString texte;
    if (!affichage.police.isEmpty())
        texte += ligneValeurs({kClePolice, affichage.police});
    if (affichage.petitesLettresMm > 0)
        texte += ligneValeurs({kClePetitesLettres, texteTaille(affichage.petitesLettresMm)});
    if (affichage.espacement)
        texte += ligneValeurs({kCleEspacement, nomEspacement(*affichage.espacement)});
    return texte;
}

ResultatEcriture enregistrerAffichageEleve(const QString &dossierInstallation, const QString &nomEleve,
                                           const AffichageEleve &affichage)
{
    const QString chemin = cheminAffichageEleve(dossierInstallation, nomEleve);
    if (affichage.commeLaClasse())
        return supprimerFichier(chemin);
    if (affichage.police.contains(u'"'))
        return ResultatEcriture::echec(chemin, QStringLiteral("le nom de la police ne peut pas contenir de guillemet (\")."));
    if (!affichage.police.isEmpty() && !nomPoliceLisible(affichage.police.trimmed()))
        return ResultatEcriture::echec(chemin, QStringLiteral("ce nom de police ne peut pas être enregistré."));
    if (affichage.petitesLettresMm > 0
        && (affichage.petitesLettresMm < kPetitesLettresMinMm || affichage.petitesLettresMm > kPetitesLettresMaxMm))
        return ResultatEcriture::echec(chemin, QStringLiteral("la hauteur des petites lettres doit aller de %1 à %2 mm.")
                                                   .arg(kPetitesLettresMinMm)
                                                   .arg(kPetitesLettresMaxMm));
    // The gate creates the file with the rights of the folder, as the pupil
    // file: a teacher on another account may change it later.
    return ecrireFichierTexte(chemin, texteAffichageEleve(affichage));
}

AffichageExercice resoudreAffichage(const AffichageEleve &eleve, const ReglageFonte &fonteClasse,
                                    const ReglagesAffichage &affichageClasse,
                                    const QStringList &famillesInstallees)
{
    AffichageExercice resultat{fonteClasse, 0, affichageClasse.espacement};
    if (!eleve.police.isEmpty()) {
        const bool installee = famillesInstallees.isEmpty()
                               || std::any_of(famillesInstallees.begin(), famillesInstallees.end(),
                                              [&eleve](const QString &f) {
                                                  return sansFonderie(f).compare(eleve.police, Qt::CaseInsensitive) == 0
                                                         || f.compare(eleve.police, Qt::CaseInsensitive) == 0;
                                              });
        if (installee)
            resultat.fonte.nom = eleve.police;
    }
    resultat.petitesLettresMm = eleve.petitesLettresMm;
    if (eleve.espacement)
        resultat.espacement = *eleve.espacement;
    return resultat;
}

ResultatEcriture rangerAffichageEleve(const QString &dossierInstallation, const QString &nomEleve,
                                      QString *nomRange)
{
    // Named like the copies of "<name>.aff", so that restoring finds it.
    return rangerDansSauvegardes(dossierInstallation, cheminAffichageEleve(dossierInstallation, nomEleve), nomEleve,
                                 nomRange);
}

void remettreAffichageEleve(const QString &dossierInstallation, const QString &nomEleve, const QString &nomRange)
{
    if (nomRange.isEmpty())
        return;
    QFile::rename(QDir(dossierInstallation).filePath(kDossierSauvegardes + u'/' + nomRange),
                  cheminAffichageEleve(dossierInstallation, nomEleve));
}

bool ramenerAffichageEleve(const QString &dossierInstallation, const QString &nomEleve)
{
    const QString chemin = cheminAffichageEleve(dossierInstallation, nomEleve);
    const QFileInfo info(chemin);
    if (info.exists() || info.isSymLink())
        return false;
    const QStringList copies = listerSauvegardes(dossierInstallation, nomEleve + kExtensionAffichageEleve);
    if (copies.isEmpty())
        return false;
    return restaurerSauvegarde(dossierInstallation, nomEleve + kExtensionAffichageEleve, copies.first()).ok;
}
