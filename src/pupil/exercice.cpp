// The exercise loop of the pupil window: choosing and presenting a word,
// validating the answer, and moving on.
#include "frmeleve.h"

#include "correction.h"
#include "data/journal.h"
#include "ecranexercice.h"
#include "engine/etapes.h"
#include "engine/evaluation.h"
#include "engine/selection.h"
#include "etiquettemodele.h"
#include "textes.h"
#include "zonereponse.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

QString etiquetteSuivant(const QPushButton *bouton)
{
    return bouton->property("tag").toString();
}

} // namespace

void FrmEleve::ProposerMot(int depart)
{
    ouvrirProposition();
    const int ligneDepart = depart < 0 ? tirerLigneDepart(fgEleve_.nombreLignes()) : depart;
    const Proposition proposition = ChoisirMot(fgEleve_, ligneDepart, plateforme_.horloge->aujourdhui());
    if (proposition.trouvee) {
        presenter(proposition);
        return;
    }
    presenterAucunMot();
    if (depart >= 0) {
        // Nothing from the word just answered on: a fresh choice, once.
        ProposerMot(-1);
        RafraichirPoints();
        return;
    }
    // No word at all: the box stays locked, so validating changes nothing,
    // and the child is told the work is done.
    ecran_->txtMot->setReadOnly(true);
    ecran_->cmdOk->setEnabled(false);
    ecran_->afficherConsigne(textes_eleve::kTravailFini, true);
    cliquerSon();   // the end-of-list message
    RafraichirPoints();
}

void FrmEleve::ouvrirProposition()
{
    ecran_->frameMot->setTitle(QString());
    ecran_->txtMot->setFocus();
    motCourant_.clear();
    ecran_->frameModele->hide();
    ecran_->correction->hide();
    ecran_->afficherConsigne(textes_eleve::kConsigne);
}

void FrmEleve::presenter(const Proposition &proposition)
{
    const QString &mot = proposition.mot;
    const int etape = proposition.etape;
    const PresentationEtape vue = presentationEtape(etape);
    motCourant_ = mot;
    ligneCourante_ = proposition.ligne;

    ecran_->frameMot->setTitle(vue.titreCadreMot);
    ecran_->frameModele->setTitle(vue.titreModele);
    ecran_->lblNiveau->setText(proposition.niveau);
    etapeCourante_ = etape;
    ecran_->lblMot->setText(mot);
    ecran_->lblMot->adjustSize();

    EtiquetteModele *modele = ecran_->lblModele;
    const bool masque = etape == kEtapeVoyelles || etape == kEtapeConsonnes;
    if (masque)
        modele->hide();
    modele->setText(texteModele(mot, etape));
    if (masque) {
        modele->show();
        modele->repaint();
    }
    ecran_->frameModele->setVisible(vue.modeleVisible);

    if (vue.pointsAllumes > 0)
        montrerPoints(vue.pointsAllumes);
    else
        cacherPoints();

    if (etape == kEtapeNouveau) {
        cliquerSon();
        RafraichirPoints();
    } else if (etape == kEtapeModele) {
        cliquerSon();
    } else {
        RafraichirPoints();
        cliquerSon();
    }
}

// The screen of the initial test, with no word in it.
void FrmEleve::presenterAucunMot()
{
    const PresentationEtape vue = presentationEtape(kEtapeNouveau);
    etapeCourante_ = kEtapeNouveau;
    ecran_->frameMot->setTitle(vue.titreCadreMot);
    ecran_->frameModele->setTitle(vue.titreModele);
    ecran_->frameModele->hide();
    ecran_->lblMot->clear();
    ecran_->lblModele->clear();
    cacherPoints();
}

void FrmEleve::valider()
{
    ZoneReponse *reponse = ecran_->txtMot;
    const QString attendu = ecran_->lblMot->text();
    if (reponse->isReadOnly() || attendu.isEmpty())
        return;
    const Evaluation e = EvaluerReponse(fgEleve_, reponse->text(), attendu, ligneCourante_, etapeCourante_,
                                        !ecran_->frameModele->isHidden(), plateforme_.horloge->aujourdhui());
    if (!e.evaluee)
        return;
    enregistrerReponse();
    // For the teacher only: whether it is written changes nothing here.
    if (journal_)
        journal_->AjouterReponse(QDateTime(plateforme_.horloge->aujourdhui(), QTime::currentTime()), attendu,
                                 e.reponseNormalisee, e.juste, etapeCourante_);

    reponse->setText(e.reponseNormalisee);
    reponse->setReadOnly(true);
    ecran_->cmdOk->setEnabled(false);
    ecran_->colorerReponse(e.juste ? kFondJuste : kFondFaux);
    ecran_->imgOuiNon->setPixmap((e.juste ? ecran_->imgOui : ecran_->imgNon)->pixmap());
    ecran_->imgOuiNon->setProperty("juste", e.juste);
    ecran_->imgOuiNon->show();

    switch (e.echelle) {
    case Evaluation::Echelle::ToutAllumer:
        montrerPoints(kNombrePoints);
        break;
    case Evaluation::Echelle::ToutEteindre:
        cacherPoints();
        break;
    case Evaluation::Echelle::AllumerUn:
        ecran_->lblPoints[e.pointAllume]->show();
        break;
    case Evaluation::Echelle::Inchangee:
        break;
    }
    etapeCourante_ = e.nouvelleEtape;
    ecran_->cmdSuivant->setProperty("tag", e.memeMot ? kMemeMot : QString());

    RafraichirPoints();
    ecran_->lblMotsConnus->setText(QString::number(e.motsAcquis));
    ecran_->lblMotsConnus->repaint();
    ecran_->cmdSuivant->setEnabled(true);
    ecran_->cmdSuivant->setFocus();
    ecran_->lblMot->clear();
    montrerCorrection(e.juste, e.reponseNormalisee, attendu);
}

// Where the mistake is, kindly; the ladder has already been moved.
void FrmEleve::montrerCorrection(bool juste, const QString &tapee, const QString &attendu)
{
    ecran_->afficherConsigne(phraseEncouragement(juste, reponsesDonnees_++), true);
    if (juste)
        return;
    ecran_->correction->montrer(tapee, attendu);
    ecran_->correction->show();
    ecran_->correction->raise();
}

void FrmEleve::suivant()
{
    ZoneReponse *reponse = ecran_->txtMot;
    reponse->clear();
    ecran_->colorerReponse(kFondReponse);
    reponse->repaint();
    reponse->setReadOnly(false);
    ecran_->cmdOk->setEnabled(true);
    ecran_->cmdSuivant->setEnabled(false);

    // The flag is read and cleared before the word is played: an answer
    // given while the word is still speaking sets it again and must keep it.
    const bool memeMot = etiquetteSuivant(ecran_->cmdSuivant) == kMemeMot;
    ecran_->cmdSuivant->setProperty("tag", QString());
    if (memeMot) {
        ProposerMot(ligneCourante_);
        return;
    }
    ProposerMot(-1);
    // A fresh word starts with an empty ladder, unless it was already
    // answered during its playback: then the ladder shows that answer. (With
    // no word left the box is locked too, and the ladder is already empty.)
    if (!reponse->isReadOnly())
        cacherPoints();
    RafraichirPoints();
}

void FrmEleve::montrerPoints(int nombre)
{
    for (int k = 0; k < nombre && k < kNombrePoints; ++k)
        ecran_->lblPoints[k]->show();
}

void FrmEleve::cacherPoints()
{
    for (QLabel *carre : ecran_->lblPoints)
        carre->hide();
}

void FrmEleve::RafraichirPoints()
{
    for (QLabel *carre : ecran_->lblPoints)
        carre->repaint();
}
