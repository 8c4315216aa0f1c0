#include "installerbibliotheque.h"

#include "data/enregistrement.h"
#include "data/listemots.h"
#include "data/phrases.h"
#include "data/valeurs.h"
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

// The starter sentences of the words recorded in Sons that have none yet.
// A teacher's sentence is kept, and so is a recording in Phrases without its
// line: its words are not known, the starter sentence could say others.
void installerPhrases(const QDir &source, const QDir &installation, ResultatInstallation &resultat)
{
    const std::optional<PhrasesDepart> depart = lireFichierPhrasesDepart(source.filePath(kFichierPhrasesDepart));
    if (!depart)
        return;   // a library recorded without its sentences
    for (const QString &erreur : depart->erreurs)
        resultat.avertissements << QStringLiteral("Phrases de départ, %1.").arg(erreur);

    const QString dossier = installation.path();
    const LectureFichier fichier = lireFichier(installation.filePath(kFichierPhrases));
    if (fichier.illisible()) {
        resultat.avertissements << QStringLiteral("Les phrases de départ ne sont pas ajoutées : « %1 » ne peut pas "
                                                  "être lu (%2).").arg(kFichierPhrases, fichier.raison);
        return;
    }
    // Every line that can be read is kept, from a damaged file too; the file
    // itself goes to Sauvegardes before it is written again.
    ListePhrases phrases = fichier.lu() ? lirePhrases(fichier.texte) : ListePhrases();
    QStringList copiees;
    for (const EntreePhrase &e : depart->phrases) {
        const QString nom = nomEnregistrement(e.mot);
        QFile enregistrement(source.filePath(kDossierPhrases + u'/' + nom));
        if (cheminEnregistrement(dossier, e.mot).isEmpty() || !QFileInfo(enregistrement).isFile())
            continue;
        if (!phraseDe(phrases, e.mot).isEmpty() || !cheminEnregistrement(dossier, e.mot, kDossierPhrases).isEmpty()) {
            ++resultat.phrasesGardees;
            continue;
        }
        if (!enregistrement.open(QIODevice::ReadOnly)) {
            resultat.avertissements << QStringLiteral("La phrase de « %1 » n'a pas pu être lue.").arg(e.mot);
            continue;
        }
        const ResultatEcriture ecrit = ecrireEnregistrement(dossier, nom, enregistrement.readAll(),
                                                            Remplacement::Jamais, kDossierPhrases);
        if (!ecrit.ok) {
            // The folder refuses (a link, no room): the next ones would fail alike.
            resultat.avertissements << QStringLiteral("Les phrases de départ ne sont pas toutes installées : %1")
                                           .arg(ecrit.message());
            break;
        }
        copiees << e.mot;
        donnerPhrase(phrases, e.mot, e.phrase);
    }
    if (copiees.isEmpty())
        return;
    const ResultatEcriture ecriture = EnregistrerPhrases(dossier, phrases);
    if (!ecriture.ok) {
        // A recording left without its line would keep the sentence from
        // being given at the next installation.
        const QDir dossierPhrases(installation.filePath(kDossierPhrases));
        for (const QString &mot : std::as_const(copiees))
            supprimerFichier(dossierPhrases.filePath(nomEnregistrement(mot)));
        resultat.avertissements << ecriture.message();
        return;
    }
    resultat.phrasesAjoutees = int(copiees.size());
}

}  // namespace

QString ResultatInstallation::message() const
{
    if (!ok)
        return erreur;
    if (phrasesAjoutees > 0)
        return QStringLiteral("La bibliothèque sonore est installée : %1 mots, et %2 phrases pour les dicter.")
            .arg(enregistrements()).arg(phrasesAjoutees);
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
    if (!QFileInfo::exists(installation.filePath(kFichierMots)))
        resultat = ecrireMotsDat(dossierSource, installation, resultat);
    if (resultat.ok)
        installerPhrases(dossierSource, installation, resultat);
    return resultat;
}
