#include "dossierdonnees.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString kOptionDonnees = QStringLiteral("--donnees");
const QString kCleDonnees = QStringLiteral("donnees");
const QString kNomConfig = QStringLiteral("orthoval.conf");
const QString kConfigSysteme = QStringLiteral("/etc/orthoval/orthoval.conf");
// A system installation keeps its own files apart from the program:
// <prefix>/libexec/orthoval/orthoval and <prefix>/share/orthoval/bibliotheque.
const QString kPartageDepuisProgramme = QStringLiteral("../../share/orthoval/bibliotheque");
const QString kBibliotheque = QStringLiteral("bibliotheque");

QString natif(const QString &chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// A file can really be created there: isWritable() trusts the mode bits,
// which say nothing on a network share or for root on a read-only mount.
bool inscriptible(const QString &dossier)
{
    QTemporaryFile essai(QDir(dossier).filePath(QStringLiteral(".orthoval-essai-XXXXXX")));
    return essai.open();
}

// Why a folder someone named cannot hold the data; empty when it can.
// d'où: where it was named, for the message.
QString refuserDossier(const QString &dossier, const QString &dou)
{
    const QFileInfo info(dossier);
    if (!info.exists())
        return QStringLiteral("Le dossier des données « %1 » (%2) est introuvable.\n"
                              "S'il est sur un lecteur réseau, vérifiez que ce lecteur est connecté, "
                              "puis relancez OrthoVal.")
            .arg(natif(dossier), dou);
    if (!info.isDir())
        return QStringLiteral("« %1 » (%2) n'est pas un dossier.").arg(natif(dossier), dou);
    if (!inscriptible(dossier))
        return QStringLiteral("Le dossier des données « %1 » (%2) est protégé en écriture : "
                              "OrthoVal ne pourrait pas y enregistrer le travail des élèves.\n"
                              "Demandez l'accès en écriture à la personne qui gère cet ordinateur.")
            .arg(natif(dossier), dou);
    return {};
}

struct LectureConfig {
    bool fichierPresent = false;
    QString dossier;  // empty when the file names none
    QString erreur;
};

// The configuration file: "donnees=DOSSIER" on one line; lines starting with
// # or ; are comments. The folder must be absolute.
LectureConfig lireConfig(const QString &chemin)
{
    LectureConfig lecture;
    if (chemin.isEmpty() || !QFileInfo::exists(chemin))
        return lecture;
    lecture.fichierPresent = true;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text)) {
        lecture.erreur = QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(natif(chemin));
        return lecture;
    }
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(u'\n');
    for (const QString &brute : lignes) {
        const QString ligne = brute.trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u'#') || ligne.startsWith(u';'))
            continue;
        const qsizetype egal = ligne.indexOf(u'=');
        if (egal < 0 || ligne.left(egal).trimmed() != kCleDonnees)
            continue;
        const QString valeur = ligne.mid(egal + 1).trimmed();
        if (valeur.isEmpty() || QDir::isRelativePath(valeur)) {
            lecture.erreur = QStringLiteral("Dans le fichier de réglages « %1 », la ligne « %2 » doit donner "
                                            "le chemin complet d'un dossier, par exemple "
                                            "donnees=/mnt/ecole/orthoval.")
                                 .arg(natif(chemin), ligne);
            return lecture;
        }
        lecture.dossier = QDir::cleanPath(valeur);
    }
    return lecture;
}

ChoixDonnees choisi(const QString &dossier, OrigineDonnees origine, const QString &erreur = {})
{
    return {erreur.isEmpty() ? QDir::cleanPath(dossier) : QString(), origine, erreur};
}

bool installationSysteme(const QString &dossierProgramme)
{
    const QDir programme(dossierProgramme);
    return !QFileInfo(programme.filePath(kBibliotheque)).isDir()
           && QFileInfo(programme.filePath(kPartageDepuisProgramme)).isDir();
}

}  // namespace

EnvironnementDonnees lireEnvironnementDonnees(const QStringList &arguments)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    EnvironnementDonnees environnement;
    environnement.dossierProgramme = QDir::cleanPath(QCoreApplication::applicationDirPath());
    environnement.arguments = arguments;
    environnement.configUtilisateur = QDir(config).filePath(QStringLiteral("OrthoVal/") + kNomConfig);
    environnement.configSysteme = kConfigSysteme;
    environnement.dossierUtilisateur = QDir(donnees).filePath(QStringLiteral("OrthoVal"));
    return environnement;
}

ChoixDonnees choisirDossierDonnees(const EnvironnementDonnees &environnement)
{
    const qsizetype option = environnement.arguments.indexOf(kOptionDonnees);
    if (option > 0) {
        if (option + 1 >= environnement.arguments.size())
            return choisi({}, OrigineDonnees::LigneCommande,
                          QStringLiteral("L'option --donnees doit être suivie du dossier des données."));
        const QString dossier = QDir::cleanPath(QDir::current().absoluteFilePath(environnement.arguments.at(option + 1)));
        return choisi(dossier, OrigineDonnees::LigneCommande,
                      refuserDossier(dossier, QStringLiteral("donné par l'option --donnees")));
    }

    const QString programme = environnement.dossierProgramme;
    if (!installationSysteme(programme) && inscriptible(programme))
        return choisi(programme, OrigineDonnees::Programme);

    const struct {
        QString chemin;
        OrigineDonnees origine;
    } configs[] = {{environnement.configUtilisateur, OrigineDonnees::ConfigUtilisateur},
                   {environnement.configSysteme, OrigineDonnees::ConfigSysteme}};
    for (const auto &config : configs) {
        const LectureConfig lecture = lireConfig(config.chemin);
        if (!lecture.erreur.isEmpty())
            return choisi({}, config.origine, lecture.erreur);
        if (!lecture.dossier.isEmpty())
            return choisi(lecture.dossier, config.origine,
                          refuserDossier(lecture.dossier,
                                         QStringLiteral("réglé dans « %1 »").arg(natif(config.chemin))));
    }

    // The per-user folder is created at the first start; an existing one
    // must be usable like any other.
    const QString utilisateur = environnement.dossierUtilisateur;
    if (QFileInfo::exists(utilisateur))
        return choisi(utilisateur, OrigineDonnees::Utilisateur,
                      refuserDossier(utilisateur, QStringLiteral("dossier personnel d'OrthoVal")));
    return choisi(utilisateur, OrigineDonnees::Utilisateur);
}

QString trouverBibliotheque(const QString &dossierProgramme)
{
    const QDir programme(dossierProgramme);
    for (const QString &chemin : {kBibliotheque, kPartageDepuisProgramme}) {
        if (QFileInfo(programme.filePath(chemin)).isDir())
            return QDir::cleanPath(programme.filePath(chemin));
    }
    return {};
}

QString decrireDossierDonnees(const ChoixDonnees &choix)
{
    QString pourquoi;
    switch (choix.origine) {
    case OrigineDonnees::LigneCommande: pourquoi = QStringLiteral("choisi au lancement par --donnees"); break;
    case OrigineDonnees::Programme: pourquoi = QStringLiteral("le dossier du programme"); break;
    case OrigineDonnees::ConfigUtilisateur:
    case OrigineDonnees::ConfigSysteme: pourquoi = QStringLiteral("réglé dans orthoval.conf"); break;
    case OrigineDonnees::Utilisateur: pourquoi = QStringLiteral("le dossier personnel d'OrthoVal"); break;
    }
    return QStringLiteral("Les élèves, les mots et les réglages sont enregistrés dans le dossier « %1 » (%2).")
        .arg(natif(choix.dossier), pourquoi);
}
