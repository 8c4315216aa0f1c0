// The exercise screen as a view of the visit's Seance: it shows what the
// model says after each change and forwards the child's clicks and keys.
#include "frmeleve.h"

#include "correction.h"
#include "data/journal.h"
#include "ecranexercice.h"
#include "engine/etapes.h"
#include "engine/evaluation.h"
#include "etiquettemodele.h"
#include "exercice/seance.h"
#include "textes.h"
#include "zonereponse.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void FrmEleve::relierSeance()
{
    connect(seance_, &Seance::presente, this, [this] {
        afficherSeance();
        ecran_->txtMot->setFocus();
    });
    connect(seance_, &Seance::reponseJugee, this,
            [this](const QString &attendu, const QString &reponse, bool juste, int etape) {
                enregistrerReponse();
                // For the teacher only: whether it is written changes nothing here.
                if (journal_)
                    journal_->AjouterReponse(QDateTime(plateforme_.horloge->aujourdhui(), QTime::currentTime()),
                                             attendu, reponse, juste, etape);
                ecran_->txtMot->setText(reponse);
                afficherSeance();
                ecran_->lblMotsConnus->repaint();
                ecran_->cmdSuivant->setFocus();
            });
    connect(seance_, &Seance::echelleChangee, this, &FrmEleve::afficherEchelle);
    connect(seance_, &Seance::lectureDemandee, this, &FrmEleve::JouerMot);
    connect(seance_, &Seance::phraseDemandee, this, [this](const QString &mot, bool apresLeMot) {
        afficherLecture();
        JouerPhrase(mot, apresLeMot);
    });
    connect(seance_, &Seance::lectureChangee, this, [this] {
        afficherLecture();
        RafraichirPoints();
    });
}

void FrmEleve::ProposerMot(int depart)
{
    seance_->proposerMot(depart);
}

const QString &FrmEleve::motCourant() const { return seance_->motCourant(); }
int FrmEleve::ligneCourante() const { return seance_->ligne(); }
int FrmEleve::etapeCourante() const { return seance_->etape(); }

// Everything the exercise screen shows comes from the model, here.
void FrmEleve::afficherSeance()
{
    const Seance &s = *seance_;
    const PresentationEtape vue = presentationEtape(s.etapePresentee());
    ecran_->frameMot->setTitle(vue.titreCadreMot);
    ecran_->frameModele->setTitle(vue.titreModele);
    ecran_->lblNiveau->setText(s.niveau());
    ecran_->lblMot->setText(s.motAttendu());
    ecran_->lblMot->adjustSize();
    ecran_->lblModele->setText(s.texteModele());
    ecran_->frameModele->setVisible(s.modeleVisible());
    ecran_->montrerPhraseATrou(s.phraseATrou());
    afficherLecture();

    ZoneReponse *reponse = ecran_->txtMot;
    reponse->setReadOnly(s.verrouillee());
    ecran_->cmdOk->setEnabled(!s.verrouillee());
    ecran_->cmdSuivant->setEnabled(s.verrouillee() && !s.listeFinie());
    ecran_->cmdSuivant->setProperty("tag", s.memeMot() ? kMemeMot : QString());
    ecran_->afficherConsigne(s.consigne(), s.consigneMessage());

    const Seance::Verdict verdict = s.verdict();
    ecran_->colorerReponse(verdict == Seance::Verdict::Juste ? kFondJuste
                           : verdict == Seance::Verdict::Faux ? kFondFaux
                                                                : kFondReponse);
    // The mark of an answer goes with it: the next word or step starts clean.
    if (verdict == Seance::Verdict::Aucun) {
        ecran_->imgOuiNon->hide();
    } else {
        const bool juste = verdict == Seance::Verdict::Juste;
        ecran_->imgOuiNon->setPixmap((juste ? ecran_->imgOui : ecran_->imgNon)->pixmap());
        ecran_->imgOuiNon->setProperty("juste", juste);
        ecran_->imgOuiNon->show();
    }
    if (verdict == Seance::Verdict::Faux) {
        ecran_->correction->montrer(s.alignement());
        ecran_->correction->show();
        ecran_->correction->raise();
    } else {
        ecran_->correction->hide();
    }
    afficherEchelle();
}

// The busy marks: the loudspeaker's while anything plays, the sentence
// button's while its sentence does.
void FrmEleve::afficherLecture()
{
    ecran_->montrerSonOccupe(seance_->lectureEnCours());
    ecran_->montrerBoutonPhrase(!seance_->phrase().isEmpty(), seance_->phraseEnCours());
}

void FrmEleve::afficherEchelle()
{
    for (int k = 0; k < kNombrePoints; ++k)
        ecran_->lblPoints[k]->setVisible(seance_->points()[k]);
    ecran_->lblMotsConnus->setText(QString::number(seance_->motsAcquis()));
    RafraichirPoints();
}

void FrmEleve::valider()
{
    seance_->repondre(ecran_->txtMot->text());
}

void FrmEleve::suivant()
{
    ecran_->txtMot->clear();
    seance_->suivant();
}

void FrmEleve::RafraichirPoints()
{
    for (QLabel *carre : ecran_->lblPoints)
        carre->update();
}
