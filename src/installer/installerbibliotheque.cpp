#include "installerbibliotheque.h"

#include "data/enregistrement.h"
#include "data/listemots.h"
#include "listedepart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString kDossierProvisoire = QStringLiteral("Sons.installation");
const QString kVerrou = QStringLiteral("Sons.verrou");
constexpr int kAttenteVerrouMs = 120'000;

ResultatInstallation echec(ResultatInstallation resultat, const QString &erreur)
{
    resultat.ok = false;
    resultat.erreur = erreur;
    return resultat;
}

// Copies every recording of the library not yet in the destination.
void copierEnregistrements(const QDir &source, const QDir &destination, ResultatInstallation &resultat)
{
    const QStringList noms = source.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (const QString &nom : noms) {
        const QString cible = destination.filePath(nom);
        if (QFileInfo::exists(cible)) {
            ++resultat.enregistrementsPresents;
        } else if (QFile::copy(source.filePath(nom), cible)) {
            ++resultat.enregistrementsCopies;
        } else {
            resultat.avertissements << QStringLiteral("« %1 » n'a pas pu être copié.").arg(nom);
        }
    }
}

// The first Mots.dat: every starter word whose recording is in Sons.
ResultatInstallation ecrireMotsDat(const QDir &source, const QDir &installation, ResultatInstallation resultat)
{
    const std::optional<ListeDepart> liste = lireFichierListeDepart(source.filePath(kFichierListeDepart));
    if (!liste) {
        resultat.avertissements << QStringLiteral("La liste des mots de départ est introuvable : les niveaux seront à donner dans le module Enseignant.");
        return resultat;
    }
    for (const QString &erreur : liste->erreurs)
        resultat.avertissements << QStringLiteral("Liste des mots de départ, %1.").arg(erreur);

    const QDir sons(installation.filePath(kDossierSons));
    ListeMots mots;
    for (const MotDepart &depart : liste->mots) {
        if (QFileInfo::exists(sons.filePath(nomEnregistrement(depart.mot))))
            mots.append({depart.mot, QString::number(depart.niveau)});
    }
    if (mots.isEmpty())
        return resultat;
    const ResultatEcriture ecriture = EnregistrerListeMots(installation.path(), mots);
    if (!ecriture.ok)
        return echec(resultat, ecriture.message());
    resultat.motsDatEcrit = true;
    resultat.motsListes = int(mots.size());
    return resultat;
}

}  // namespace

QString ResultatInstallation::message() const
{
    if (!ok)
        return erreur;
    return QStringLiteral("La bibliothèque sonore est installée : %1 mots.").arg(enregistrements());
}

ResultatInstallation InstallerBibliotheque(const QString &source, const QString &dossierInstallation)
{
    ResultatInstallation resultat;
    const QDir dossierSource(source);
    QDir installation(dossierInstallation);
    const QString cheminSons = installation.filePath(kDossierSons);

    if (!QFileInfo(source).isDir())
        return echec(resultat, QStringLiteral("La bibliothèque de départ est introuvable : %1").arg(QDir::toNativeSeparators(source)));
    if (!QFileInfo(dossierInstallation).isDir())
        return echec(resultat, QStringLiteral("Le dossier d'installation est introuvable : %1").arg(QDir::toNativeSeparators(dossierInstallation)));

    const QString impossible = QStringLiteral("Impossible de créer le dossier des sons : %1").arg(QDir::toNativeSeparators(cheminSons));
    QLockFile verrou(installation.filePath(kVerrou));
    if (!verrou.tryLock(kAttenteVerrouMs)) {
        if (verrou.error() == QLockFile::LockFailedError)
            return echec(resultat, QStringLiteral("Une autre installation de la bibliothèque sonore est en cours."));
        return echec(resultat, impossible);
    }

    const QFileInfo infoSons(cheminSons);
    if (infoSons.exists() && !infoSons.isDir())
        return echec(resultat, impossible + QStringLiteral(" (un fichier porte déjà ce nom)"));

    if (infoSons.isSymLink()) {
        // A library kept elsewhere on purpose, or a link planted by another
        // account: either way nothing is written through it.
    } else if (infoSons.isDir()) {
        copierEnregistrements(dossierSource, QDir(cheminSons), resultat);
    } else {
        // Whatever an interrupted run left is thrown away and done again. A
        // link in its place is removed itself: emptying it would empty the
        // folder it points to.
        const QString cheminProvisoire = installation.filePath(kDossierProvisoire);
        QDir provisoire(cheminProvisoire);
        if (QFileInfo(cheminProvisoire).isSymLink()) {
            if (!QFile::remove(cheminProvisoire))
                return echec(resultat, impossible);
        } else if (provisoire.exists() && !provisoire.removeRecursively()) {
            return echec(resultat, impossible);
        }
        if (!installation.mkdir(kDossierProvisoire))
            return echec(resultat, impossible);
        copierEnregistrements(dossierSource, provisoire, resultat);
        if (!installation.rename(kDossierProvisoire, kDossierSons)) {
            provisoire.removeRecursively();
            return echec(resultat, impossible);
        }
        resultat.sonsCree = true;
    }

    resultat.ok = true;
    if (QFileInfo::exists(installation.filePath(kFichierMots)))
        return resultat;
    return ecrireMotsDat(dossierSource, installation, resultat);
}
