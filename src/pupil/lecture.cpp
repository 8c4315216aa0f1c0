// Playing the current word, and printing the report.
#include "frmeleve.h"

#include "data/enregistrement.h"
#include "ecranexercice.h"
#include "platform/etiquettecliquable.h"
#include "rapport.h"
#include "textes.h"

using namespace textes_eleve;

// The loudspeaker's border is the busy mark: a click while a word is playing
// is ignored, so two quick clicks play the word once.
void FrmEleve::cliquerSon()
{
    if (sonOccupe_)
        return;
    plateforme_.son->arreter();
    sonOccupe_ = true;
    ecran_->montrerSonOccupe(true);
    ecran_->imgSon->repaint();
    JouerMot(motCourant_);
    plateforme_.son->arreter();
}

void FrmEleve::JouerMot(const QString &mot)
{
    if (mot.isEmpty())
        plateforme_.messages->information(this, kTitreFinDeListe, kFinDeListe);
    // "<word>.wav", or the same name with ".WAV" as copied from Windows;
    // nothing outside Sons, whatever a hand-edited word list says.
    const QString chemin = cheminEnregistrement(etat_.dossierInstallation, mot);
    // The wait is 4/3 of the recording, so that it is surely over.
    float duree = 0.0f;
    if (!chemin.isEmpty()) {
        duree = float(plateforme_.son->dureeMs(chemin)) / 1000.0f * 4.0f / 3.0f;
        plateforme_.son->jouer(chemin);
    }
    plateforme_.son->attendre(double(duree + 0.1f));
    sonOccupe_ = false;
    ecran_->montrerSonOccupe(false);
    ecran_->imgSon->repaint();
    RafraichirPoints();
}

// Cancelling the printer dialog or a printing error ends silently.
void FrmEleve::imprimer()
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(9.75);
    plateforme_.imprimante->imprimer(this, composerRapport(fgEleve_, nomEleve_, plateforme_.horloge->aujourdhui()),
                                     police);
}
