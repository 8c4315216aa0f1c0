#include "verification.h"

#include "data/enregistrement.h"
#include "data/listemots.h"
#include "platform/plateformeqt.h"

#include <QDir>
#include <QFileInfo>

int verifierInstallation(const ChoixDonnees &choix, const PreparationDonnees &preparation, QTextStream &sortie)
{
    if (!preparation.ok()) {
        sortie << preparation.erreur << '\n';
        return 1;
    }
    sortie << decrireDossierDonnees(choix) << '\n';
    if (!preparation.avertissement.isEmpty())
        sortie << preparation.avertissement << '\n';

    bool pret = true;
    const LectureListeMots lecture = LireListeMotsEleve(choix.dossier);
    int mots = 0;
    for (const EntreeMot &entree : lecture.liste)
        if (!entree.niveau.isEmpty() && !cheminEnregistrement(choix.dossier, entree.mot).isEmpty())
            ++mots;
    if (lecture.etat == LectureListeMots::Etat::Lue && mots > 0) {
        sortie << QStringLiteral("Mots à étudier, avec leur niveau et leur enregistrement : %1.").arg(mots) << '\n';
    } else {
        sortie << QStringLiteral("Aucun mot n'est prêt pour les élèves : ouvrez le module Enseignant "
                                 "pour donner un niveau aux mots.") << '\n';
        pret = false;
    }
    if (resoudreDansModuleSon("orthoval_creerSon")) {
        sortie << QStringLiteral("Les mots peuvent être entendus (module orthoval_son présent).") << '\n';
    } else {
        sortie << QStringLiteral("Les mots ne pourront pas être entendus : le fichier orthoval_son "
                                 "manque dans le dossier du programme.") << '\n';
        pret = false;
    }
    return pret ? 0 : 1;
}
