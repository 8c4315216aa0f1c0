#include "dossierdonnees.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextStream>

#include <algorithm>

namespace {

const QString kOptionDonnees = QStringLiteral("donnees");
const QString kOptionAide = QStringLiteral("help");
const QString kOptionVersion = QStringLiteral("version");
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

// The configuration file, in INI format: "donnees=DOSSIER", outside any
// section or in one; lines starting with # or ; are comments. The folder
// must be absolute. As in any INI file, a backslash starts an escape (write
// \\) and a comma splits the value unless it is quoted: an unquoted list is
// taken back with its commas.
LectureConfig lireConfig(const QString &chemin)
{
    LectureConfig lecture;
    if (chemin.isEmpty() || !QFileInfo::exists(chemin))
        return lecture;
    lecture.fichierPresent = true;
    // QSettings reports an unreadable file as an empty one.
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        lecture.erreur = QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(natif(chemin));
        return lecture;
    }
    fichier.close();
    const QSettings reglages(chemin, QSettings::IniFormat);
    QVariant valeur = reglages.value(kCleDonnees);
    // Keys outside any section are in [General]; a file that puts the line
    // in a section of its own was valid too.
    for (const QString &cle : reglages.allKeys()) {
        if (!valeur.isValid() && cle.section(u'/', -1) == kCleDonnees)
            valeur = reglages.value(cle);
    }
    if (!valeur.isValid())
        return lecture;
    const QString dossier = valeur.typeId() == QMetaType::QStringList ? valeur.toStringList().join(u',')
                                                                     : valeur.toString().trimmed();
    if (dossier.isEmpty() || QDir::isRelativePath(dossier)) {
        lecture.erreur = QStringLiteral("Dans le fichier de réglages « %1 », la ligne « %2 » doit donner "
                                        "le chemin complet d'un dossier, par exemple "
                                        "donnees=/mnt/ecole/orthoval.")
                             .arg(natif(chemin), kCleDonnees + u'=' + dossier);
        return lecture;
    }
    lecture.dossier = QDir::cleanPath(dossier);
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

EnvironnementDonnees lireEnvironnementDonnees(const QString &dossierDemande)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    EnvironnementDonnees environnement;
    environnement.dossierProgramme = QDir::cleanPath(QCoreApplication::applicationDirPath());
    environnement.dossierDemande = dossierDemande;
    environnement.configUtilisateur = QDir(config).filePath(QStringLiteral("OrthoVal/") + kNomConfig);
    environnement.configSysteme = kConfigSysteme;
    environnement.dossierUtilisateur = QDir(donnees).filePath(QStringLiteral("OrthoVal"));
    return environnement;
}

ChoixDonnees choisirDossierDonnees(const EnvironnementDonnees &environnement)
{
    if (!environnement.dossierDemande.isEmpty()) {
        const QString dossier = QDir::cleanPath(QDir::current().absoluteFilePath(environnement.dossierDemande));
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

namespace {

// Qt's own options, read by QApplication after us (-platform offscreen,
// -style fusion, ...): accepted, not shown in the help.
const char *const kOptionsQtAvecValeur[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "style", "stylesheet", "session", "display", "geometry", "title", "name",
    "visual", "fn", "font", "bg", "background", "fg", "foreground", "btn", "button", "im", "inputstyle"};
const char *const kOptionsQtSansValeur[] = {"reverse", "widgetcount", "sync", "nograb", "dograb",
                                            "qwindowalwaysontop", "testability"};

QString erreurLigneCommande(const QString &programme, const QString &texte)
{
    return QStringLiteral("%1\nLa liste des options : %2 --help").arg(texte, programme);
}

QString aide(const ProgrammeLigneCommande &programme)
{
    struct Ligne { QString noms, texte; };
    QList<Ligne> lignes{{QStringLiteral("--donnees DOSSIER"),
                         QStringLiteral("le dossier des données (élèves, mots, réglages, Sons), "
                                        "au lieu de celui choisi d'habitude")}};
    for (const OptionLigneCommande &option : programme.options)
        lignes.append({QStringLiteral("--") + option.nom, option.aide});
    lignes.append({QStringLiteral("-h, --help"), QStringLiteral("affiche cette aide")});
    lignes.append({QStringLiteral("-v, --version"), QStringLiteral("affiche la version")});
    qsizetype largeur = 0;
    for (const Ligne &ligne : lignes)
        largeur = std::max(largeur, ligne.noms.size());
    QString texte = QStringLiteral("Utilisation : %1 [options]\n%2\n\nOptions :\n").arg(programme.nom, programme.description);
    for (const Ligne &ligne : lignes)
        texte += QStringLiteral("  %1  %2\n").arg(ligne.noms.leftJustified(largeur), ligne.texte);
    return texte;
}

}  // namespace

int repondreLigneCommande(const LigneCommande &ligne)
{
    switch (ligne.suite) {
    case LigneCommande::Suite::Aide:
    case LigneCommande::Suite::Version: QTextStream(stdout) << ligne.texte; return 0;
    case LigneCommande::Suite::Erreur: QTextStream(stderr) << ligne.texte << '\n'; return 1;
    case LigneCommande::Suite::Demarrer: break;
    }
    return -1;
}

QStringList argumentsBruts(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

LigneCommande lireLigneCommande(const QStringList &arguments, const ProgrammeLigneCommande &programme)
{
    QCommandLineParser analyseur;
    // "-platform offscreen" is one option, as QApplication reads it.
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analyseur.addOption({kOptionDonnees, {}, QStringLiteral("DOSSIER")});
    analyseur.addOption({{QStringLiteral("h"), kOptionAide}, {}});
    analyseur.addOption({{QStringLiteral("v"), kOptionVersion}, {}});
    for (const OptionLigneCommande &option : programme.options)
        analyseur.addOption({option.nom, option.aide});
    for (const char *nom : kOptionsQtAvecValeur) {
        QCommandLineOption option(QString::fromLatin1(nom), {}, QStringLiteral("valeur"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        analyseur.addOption(option);
    }
    for (const char *nom : kOptionsQtSansValeur) {
        QCommandLineOption option(QString::fromLatin1(nom));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        analyseur.addOption(option);
    }

    LigneCommande ligne;
    const bool lue = analyseur.parse(arguments);
    // Help and version win over a mistake elsewhere on the line.
    if (analyseur.isSet(kOptionAide)) {
        ligne.suite = LigneCommande::Suite::Aide;
        ligne.texte = aide(programme);
        return ligne;
    }
    if (analyseur.isSet(kOptionVersion)) {
        ligne.suite = LigneCommande::Suite::Version;
        ligne.texte = QStringLiteral("%1 %2\n").arg(programme.nom, programme.version);
        return ligne;
    }
    ligne.suite = LigneCommande::Suite::Erreur;
    if (!analyseur.unknownOptionNames().isEmpty()) {
        ligne.texte = erreurLigneCommande(
            programme.nom, QStringLiteral("Option inconnue : « %1 ».").arg(analyseur.unknownOptionNames().constFirst()));
        return ligne;
    }
    if (!lue) {
        // The only other mistake the parser knows: an option without its value.
        ligne.texte = arguments.constLast().endsWith(kOptionDonnees)
                          ? QStringLiteral("L'option --donnees doit être suivie du dossier des données.")
                          : erreurLigneCommande(programme.nom, QStringLiteral("L'option « %1 » doit être suivie d'une valeur.")
                                                                   .arg(arguments.constLast()));
        return ligne;
    }
    if (!analyseur.positionalArguments().isEmpty()) {
        ligne.texte = erreurLigneCommande(
            programme.nom, QStringLiteral("« %1 » n'est pas une option.").arg(analyseur.positionalArguments().constFirst()));
        return ligne;
    }
    ligne.dossierDonnees = analyseur.value(kOptionDonnees);
    if (analyseur.isSet(kOptionDonnees) && ligne.dossierDonnees.isEmpty()) {
        ligne.texte = QStringLiteral("L'option --donnees doit être suivie du dossier des données.");
        return ligne;
    }
    ligne.suite = LigneCommande::Suite::Demarrer;
    for (const OptionLigneCommande &option : programme.options)
        if (analyseur.isSet(option.nom))
            ligne.options.append(option.nom);
    return ligne;
}
