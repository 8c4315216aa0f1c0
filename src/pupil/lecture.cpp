// Playing the current word, and printing the report.
#include "frmeleve.h"

#include "data/enregistrement.h"
#include "exercice/seance.h"
#include "engine/rapport.h"
#include "textes.h"

#include <QPointer>

using namespace textes_eleve;

// The loudspeaker: the model ignores a click while the word still plays.
void FrmEleve::cliquerSon()
{
    seance_->ecouter();
}

// Starts the word and returns; the sound service reports its end to the
// model, and clicks and keys are handled meanwhile like at any other time.
void FrmEleve::JouerMot(const QString &mot)
{
    Son *son = plateforme_.son;
    son->arreter();
    if (mot.isEmpty())
        plateforme_.messages->information(this, kTitreFinDeListe, kFinDeListe);
    // "<word>.wav", or the same name with ".WAV" as copied from Windows;
    // nothing outside Sons, whatever a hand-edited word list says.
    const QString chemin = mot.isEmpty() ? QString() : cheminEnregistrement(etat_.dossierInstallation, mot);
    // The wait is 4/3 of the recording, so that it is surely over.
    float duree = 0.0f;
    if (!chemin.isEmpty()) {
        duree = float(son->dureeMs(chemin)) / 1000.0f * 4.0f / 3.0f;
        son->jouer(chemin);
    }
    son->signalerFin(double(duree + 0.1f), [seance = QPointer<Seance>(seance_), son] {
        if (!seance)
            return;   // the window is gone
        son->arreter();
        seance->terminerLecture();
    });
}

// Cancelling the printer dialog or a printing error ends silently.
void FrmEleve::imprimer()
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(9.75);
    plateforme_.imprimante->imprimer(this, composerRapport(fgEleve_, nomEleve_, plateforme_.horloge->aujourdhui()),
                                     police);
}
