// The sentences typed after words in "Ajouter des mots…": kept in
// Phrases.dat, then spoken one by one into Phrases/, after the words.
#include "dialogueajoutmots.h"
#include "textesajoutmots.h"

#include "audio/traitement.h"

#include <QLabel>
#include <QProgressBar>

void DialogueAjoutMots::garderPhrases(const ListeMots &ecrits)
{
    aDire_.clear();
    echecsPhrases_.clear();
    phrasesDites_ = 0;
    ListePhrases phrases = LirePhrases(dossierInstallation_);
    for (const EntreeMot &e : ecrits) {
        const auto tapee = phrasesTapees_.constFind(e.mot);
        if (tapee == phrasesTapees_.cend())
            continue;
        // The same sentence again is spoken again only when its recording is gone.
        if (donnerPhrase(phrases, e.mot, *tapee)
            || cheminEnregistrement(dossierInstallation_, e.mot, kDossierPhrases).isEmpty())
            aDire_.append({e.mot, *tapee});
    }
    if (!aDire_.isEmpty()) {
        const ResultatEcriture ecriture = EnregistrerPhrases(dossierInstallation_, phrases);
        if (!ecriture.ok) {
            echecsPhrases_ << ecriture.message();
            aDire_.clear();
        }
    }
    if (aDire_.isEmpty()) {
        conclure();
        return;
    }
    phraseEnCours_ = true;
    parlerPhraseSuivante();
}

void DialogueAjoutMots::parlerPhraseSuivante()
{
    if (annule_ || !synthese_ || phrasesDites_ >= aDire_.size()) {
        for (qsizetype i = phrasesDites_; i < aDire_.size(); ++i)
            echecsPhrases_ << TextesAjoutMots::echec.arg(aDire_.at(i).mot,
                                                         annule_ ? TextesAjoutMots::annuleMarque : TextesAjoutMots::sansSynthese);
        aDire_.resize(phrasesDites_);
        phraseEnCours_ = false;
        conclure();
        return;
    }
    lblEtat_->setText(
        TextesAjoutMots::enCoursPhrase.arg(aDire_.at(phrasesDites_).mot).arg(phrasesDites_ + 1).arg(aDire_.size()));
    phrase_.setFuture(synthese_->prononcer(aDire_.at(phrasesDites_).phrase));
}

void DialogueAjoutMots::phraseFinie()
{
    if (!phraseEnCours_)
        return;
    const QString mot = aDire_.at(phrasesDites_).mot;
    QString erreur = TextesAjoutMots::annuleMarque;
    if (!phrase_.isCanceled()) {
        const MotParle parle = phrase_.result();
        erreur = parle.erreur;
        if (erreur.isEmpty())
            erreur = enregistrerMot(dossierInstallation_, mot, parle.echantillons, parle.frequence,
                                    Remplacement::Remplacer, kDossierPhrases)
                         .detail;
    }
    if (!erreur.isEmpty()) {
        echecsPhrases_ << TextesAjoutMots::echec.arg(mot, erreur);
        aDire_.removeAt(phrasesDites_);
    } else {
        ++phrasesDites_;
    }
    parlerPhraseSuivante();
}
