#include "listemots.h"

#include "encodage.h"
#include "sauvegardes.h"
#include "trinoms.h"
#include "valeurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace {

const QString kMarqueur = QStringLiteral("*");
constexpr int kLongueurExtension = 4; // ".wav"

QString cheminMots(const QString &dossierInstallation)
{
    return QDir(dossierInstallation).filePath(kFichierMots);
}

QString texteMotsDat(const ListeMots &liste)
{
    QString texte;
    for (const EntreeMot &entree : liste) {
        texte += QLatin1String("\"*\",\"");
        texte += entree.mot;
        texte += QLatin1String("\",\"");
        texte += entree.niveau;
        texte += QLatin1String("\"\r\n");
    }
    return texte;
}

// Reads "*", word, level records. A value past the level is ignored, or makes
// the whole reading fail when strict.
std::optional<ListeMots> lireEnregistrements(const QStringList &valeurs, bool strict)
{
    ListeMots liste;
    int champ = -1; // -1: before the first "*"
    for (const QString &valeur : valeurs) {
        if (valeur == kMarqueur) {
            liste.append(EntreeMot{});
            champ = 0;
        } else if (champ == 0) {
            liste.last().mot = valeur;
            champ = 1;
        } else if (champ == 1) {
            liste.last().niveau = valeur;
            champ = 2;
        } else if (champ == 2 && strict) {
            return std::nullopt; // a third value after "*"
        }
    }
    return liste;
}

bool sansMot(const ListeMots &liste)
{
    return std::all_of(liste.cbegin(), liste.cend(), [](const EntreeMot &entree) { return entree.mot.isEmpty(); });
}

// A file with text in it that gives no word, or with bytes no text holds.
bool abime(const QString &texte, const ListeMots &liste)
{
    return texteAbime(texte) || (sansMot(liste) && !texte.trimmed().isEmpty());
}

// True when a word with a level in the old list is missing from the new one
// or has another level there.
bool perdraitDesNiveaux(const ListeMots &anciens, const ListeMots &nouveaux)
{
    QHash<QString, QString> niveaux;
    niveaux.reserve(nouveaux.size());
    for (const EntreeMot &entree : nouveaux)
        niveaux.insert(entree.mot, entree.niveau);
    for (const EntreeMot &entree : anciens) {
        if (entree.niveau.isEmpty())
            continue;
        const auto trouve = niveaux.constFind(entree.mot);
        if (trouve == niveaux.cend() || trouve->isEmpty())
            return true;
    }
    return false;
}

} // namespace

ListeMots lireEnregistrementsMots(const QStringList &valeurs)
{
    return *lireEnregistrements(valeurs, false);
}

std::optional<ListeMots> lireEnregistrementsMotsStricte(const QStringList &valeurs)
{
    return lireEnregistrements(valeurs, true);
}

bool motEnregistrable(const QString &mot)
{
    return !mot.isEmpty() && mot != kMarqueur && !mot.contains(u'"') && !mot.contains(u'/')
           && !mot.contains(u'\\') && mot != QLatin1String(".") && mot != QLatin1String("..")
           && representableEnWindows1252(mot);
}

std::optional<QByteArray> octetsMotsDat(const ListeMots &liste)
{
    return encoderWindows1252(texteMotsDat(liste));
}

ListeMots fusionnerAvecEnregistrements(const ListeMots &liste, const QStringList &nomsFichiers)
{
    ListeMots fusion = liste;
    QSet<QString> motsListe;
    motsListe.reserve(liste.size() + nomsFichiers.size());
    for (const EntreeMot &entree : liste)
        motsListe.insert(entree.mot);
    QSet<QString> enregistres;
    enregistres.reserve(nomsFichiers.size());
    for (const QString &nom : nomsFichiers) {
        const QString mot = nom.chopped(std::min<qsizetype>(kLongueurExtension, nom.size()));
        if (mot.isEmpty())
            continue;
        enregistres.insert(mot);
        if (!motsListe.contains(mot)) {
            motsListe.insert(mot);
            fusion.append(EntreeMot{mot, QString()});
        }
    }
    fusion.removeIf([&enregistres](const EntreeMot &entree) { return !enregistres.contains(entree.mot); });
    return fusion;
}

std::optional<QStringList> listerEnregistrements(const QString &dossierInstallation)
{
    const QDir sons(QDir(dossierInstallation).filePath(kDossierSons));
    const QFileInfo info(sons.path());
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return std::nullopt;
    QStringList noms;
#ifdef Q_OS_UNIX
    // The folder's own listing says which entries are files: no look at each
    // of thousands of recordings (QDir would ask the disk for every one).
    if (DIR *dossier = ::opendir(QFile::encodeName(sons.path()).constData())) {
        while (const dirent *entree = ::readdir(dossier)) {
            const QString nom = QFile::decodeName(entree->d_name);
            if (nom.startsWith(u'.') || !nom.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
                continue;
            const bool fichier = entree->d_type == DT_REG
                                 || ((entree->d_type == DT_UNKNOWN || entree->d_type == DT_LNK)
                                     && QFileInfo(sons.filePath(nom)).isFile());
            if (fichier)
                noms.append(nom);
        }
        ::closedir(dossier);
        trierNoms(noms);
        return noms;
    }
#endif
    const QStringList fichiers = sons.entryList(QDir::Files, QDir::Unsorted);
    for (const QString &nom : fichiers)
        if (nom.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
            noms.append(nom);
    trierNoms(noms);
    return noms;
}

OuvertureListeMots OuvrirListeMots(const QString &dossierInstallation)
{
    OuvertureListeMots ouverture;
    const QString chemin = cheminMots(dossierInstallation);
    creerSiAbsent(chemin);
    const LectureFichier lecture = lireFichier(chemin);
    if (lecture.illisible())
        ouverture.motsDatIllisible = lecture.raison;
    ouverture.liste = lireEnregistrementsMots(lireValeurs(lecture.texte));
    ouverture.motsDatAbime = lecture.lu() && abime(lecture.texte, ouverture.liste);
    const std::optional<QStringList> noms = listerEnregistrements(dossierInstallation);
    if (!noms) {
        ouverture.sonsIllisible = true;
        return ouverture;
    }
    QStringList acceptes;
    acceptes.reserve(noms->size());
    for (const QString &nom : *noms) {
        // A word with a quote or equal to "*" would come back from Mots.dat as
        // another word, and its level would be lost at every opening.
        if (motEnregistrable(nom.chopped(kLongueurExtension)))
            acceptes.append(nom);
        else
            ouverture.enregistrementsRefuses.append(nom);
    }
    ouverture.liste = fusionnerAvecEnregistrements(ouverture.liste, acceptes);
    return ouverture;
}

ResultatEcriture EnregistrerListeMots(const QString &dossierInstallation, const ListeMots &liste)
{
    const QString chemin = cheminMots(dossierInstallation);
    const LectureFichier ancien = lireFichier(chemin);
    if (ancien.illisible())
        return ResultatEcriture::echec(chemin, ancien.raison
                                                   + QStringLiteral(" Il n'est pas remplacé tant qu'il ne peut pas être lu."));
    if (ancien.lu()) {
        const ListeMots anciens = lireEnregistrementsMots(lireValeurs(ancien.texte));
        if (abime(ancien.texte, anciens) || perdraitDesNiveaux(anciens, liste)) {
            const ResultatEcriture copie = sauvegarderCopie(chemin);
            if (!copie.ok)
                return copie;
        }
    }
    if (liste.isEmpty())
        return supprimerFichier(chemin);
    return ecrireFichierTexte(chemin, texteMotsDat(liste));
}

LectureListeMots LireListeMotsEleve(const QString &dossierInstallation)
{
    LectureListeMots lecture;
    const LectureFichier fichier = lireFichier(cheminMots(dossierInstallation));
    if (fichier.illisible()) {
        lecture.etat = LectureListeMots::Etat::Illisible;
        lecture.raison = fichier.raison;
        return lecture;
    }
    if (!fichier.lu())
        return lecture;
    std::optional<ListeMots> liste = lireEnregistrementsMotsStricte(lireValeurs(fichier.texte));
    if (!liste)
        return lecture;
    // An empty list is damaged when there are recordings to list.
    if (texteAbime(fichier.texte)
        || (sansMot(*liste) && !listerEnregistrements(dossierInstallation).value_or(QStringList()).isEmpty())) {
        lecture.etat = LectureListeMots::Etat::Abimee;
        return lecture;
    }
    // A hand-edited word such as "../x" would lead playback out of Sons.
    liste->removeIf([](const EntreeMot &entree) { return !entree.mot.isEmpty() && !motEnregistrable(entree.mot); });
    lecture.etat = LectureListeMots::Etat::Lue;
    lecture.liste = std::move(*liste);
    return lecture;
}
