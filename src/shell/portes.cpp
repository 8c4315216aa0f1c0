#include "portes.h"

#include "data/reglages.h"
#include "data/verrou.h"

#include <QDir>
#include <QFileInfo>

bool sonsPresents(const QString &dossierInstallation)
{
    return QFileInfo(QDir(dossierInstallation).filePath(kDossierSons)).isDir();
}

ReglageFonte lirePoliceExercice(const QString &dossierInstallation)
{
    return lireFonte(dossierInstallation).value_or(kPoliceExerciceParDefaut);
}

namespace {

const QString kOptionCache = QStringLiteral("--cache");
const QString kOptionDonnees = QStringLiteral("--donnees");

// One of the program's own files; empty when the program's folder is unknown
// (a relative name would be looked up in the current folder, which may well
// be the data folder).
QString fichierProgramme(const QString &dossierProgramme, const QString &nom)
{
    if (dossierProgramme.isEmpty() || QDir::isRelativePath(dossierProgramme))
        return {};
    return QDir(dossierProgramme).filePath(nom);
}

bool lancerInstallateur(const QString &nom, const QString &dossierInstallation, const QString &dossierProgramme,
                        bool cache, Lanceur &lanceur)
{
    const QString programme = fichierProgramme(dossierProgramme, nom);
    if (programme.isEmpty())
        return false;
    QStringList arguments;
    if (cache)
        arguments << kOptionCache;   // the installer then works without a window
    arguments << kOptionDonnees << QDir::toNativeSeparators(dossierInstallation);
    return lanceur.lancer(programme, arguments);
}

}  // namespace

void installerSonsAuDemarrage(const QString &dossierInstallation, const QString &dossierProgramme,
                              Lanceur &lanceur)
{
    if (!sonsPresents(dossierInstallation))
        lancerInstallateur(QStringLiteral("Sons.exe"), dossierInstallation, dossierProgramme, true, lanceur);
}

bool installerSonsPourEnseignant(const QString &dossierInstallation, const QString &dossierProgramme,
                                 Lanceur &lanceur)
{
    if (sonsPresents(dossierInstallation))
        return true;
    const bool lance =
        lancerInstallateur(QStringLiteral("sons.exe"), dossierInstallation, dossierProgramme, false, lanceur)
        || lancerInstallateur(QStringLiteral("Sons.exe"), dossierInstallation, dossierProgramme, false, lanceur);
    // The installer writes into the data folder: a read-only one lets it
    // start but never succeed.
    return lance && QFileInfo(dossierInstallation).isWritable();
}

void passerPorteEnseignant(EtatProgramme &etat, Plateforme plateforme, QWidget *parent,
                           const FenetresModales &fenetres)
{
    etat.accessGranted = false;
    fenetres.code(etat, plateforme, parent);
    if (etat.accessGranted) {
        // One teacher module at a time: two would each save their own word
        // list and font over the other's.
        // Folders planted at locks' names keep pupils (or this door) out for
        // good: the teacher, past the code, sets them aside.
        const QStringList ecartes = ecarterVerrousAbimes(etat.dossierInstallation);
        if (!ecartes.isEmpty())
            plateforme.messages->information(parent, textes_verrou::kTitreVerrouAbime, textes_verrou::verrousEcartes(ecartes));
        const Verrou verrou(cheminVerrouEnseignant(etat.dossierInstallation));
        if (verrou.abime())
            plateforme.messages->information(parent, textes_verrou::kTitreVerrouAbime,
                                             textes_verrou::verrouNonEcarte(cheminVerrouEnseignant(etat.dossierInstallation)));
        else if (verrou.occupe())
            plateforme.messages->information(parent, textes_verrou::kTitreEnseignantOccupe,
                                             textes_verrou::enseignantOccupe(verrou));
        else
            fenetres.enseignant(etat, plateforme, parent);
    }
    etat.accessGranted = false;
}
