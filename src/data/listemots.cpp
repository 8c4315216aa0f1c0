#include "listemots.h"

#include "encodage.h"
#include "trinoms.h"
#include "valeurs.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

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
    return !mot.isEmpty() && mot != kMarqueur && !mot.contains(u'"') && representableEnWindows1252(mot);
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
    ouverture.liste = lireEnregistrementsMots(lireFichierValeurs(chemin).value_or(QStringList()));
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
    if (liste.isEmpty())
        return supprimerFichier(chemin);
    return ecrireFichierTexte(chemin, texteMotsDat(liste));
}

std::optional<ListeMots> LireListeMotsEleve(const QString &dossierInstallation)
{
    const std::optional<QStringList> valeurs = lireFichierValeurs(cheminMots(dossierInstallation));
    if (!valeurs)
        return std::nullopt;
    return lireEnregistrementsMotsStricte(*valeurs);
}
