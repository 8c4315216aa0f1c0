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

void installerSonsAuDemarrage(const QString &dossierInstallation, Lanceur &lanceur)
{
    if (!sonsPresents(dossierInstallation))
        lanceur.lancer(QDir(dossierInstallation).filePath(QStringLiteral("Sons.exe")), true);
}

bool installerSonsPourEnseignant(const QString &dossierInstallation, Lanceur &lanceur)
{
    if (sonsPresents(dossierInstallation))
        return true;
    const bool lance = lanceur.lancer(QDir(dossierInstallation).filePath(QStringLiteral("sons.exe")), false)
                       || lanceur.lancer(QDir(dossierInstallation).filePath(QStringLiteral("Sons.exe")), false);
    // The installer writes the folder beside the program: in a read-only
    // folder it starts but can never succeed.
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
