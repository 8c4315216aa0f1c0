// What the teacher does with one word of the list: hear it, have its
// recording replaced, remove it (its recording goes to Corbeille).
#include "audio/traitement.h"
#include "data/enregistrement.h"
#include "data/sauvegardes.h"
#include "dialogueenregistrement.h"
#include "frmenseignant.h"
#include "modelemots.h"
#include "textesenseignant.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMenu>

void FrmEnseignant::setRemplacer(std::function<void(const QString &mot)> remplacer)
{
    remplacer_ = std::move(remplacer);
    actRemplacer_->setVisible(bool(remplacer_));
}

void FrmEnseignant::construireMenu()
{
    menuMot_ = new QMenu(this);
    menuMot_->setObjectName(QStringLiteral("menuMot"));
    QAction *ecouterAct = menuMot_->addAction(TextesEnseignant::ecouter);
    ecouterAct->setObjectName(QStringLiteral("actEcouter"));
    actRemplacer_ = menuMot_->addAction(TextesEnseignant::remplacer);
    actRemplacer_->setObjectName(QStringLiteral("actRemplacer"));
    actRemplacer_->setVisible(bool(remplacer_));
    QAction *supprimerAct = menuMot_->addAction(TextesEnseignant::supprimerMot);
    supprimerAct->setObjectName(QStringLiteral("actSupprimer"));
    connect(ecouterAct, &QAction::triggered, this, [this] { ecouter(ligneMenu_); });
    connect(actRemplacer_, &QAction::triggered, this, [this] { remplacer(ligneMenu_); });
    connect(supprimerAct, &QAction::triggered, this, [this] { supprimer(ligneMenu_); });
}

void FrmEnseignant::ecouter(int r)
{
    const qsizetype rang = entree(r);
    if (rang < 0)
        return;
    const QString &mot = tableur_.at(rang).mot;
    const QString chemin = cheminEnregistrement(etat_.dossierInstallation, mot);
    if (chemin.isEmpty()) {
        plateforme_.messages->information(this, TextesEnseignant::titreEcouter,
                                          TextesEnseignant::aucunEnregistrement.arg(mot));
        return;
    }
    plateforme_.son->jouer(chemin);
}

void FrmEnseignant::remplacer(int r)
{
    const qsizetype rang = entree(r);
    if (rang < 0 || !remplacer_)
        return;
    const QString mot = tableur_.at(rang).mot;
    remplacer_(mot);
}

void FrmEnseignant::supprimer(int r)
{
    const qsizetype rang = entree(r);
    if (rang < 0)
        return;
    const QString mot = tableur_.at(rang).mot;
    if (!plateforme_.messages->question(this, TextesEnseignant::titreSupprimer,
                                        TextesEnseignant::confirmerSupprimer.arg(mot)))
        return;
    // A word whose recording is already gone only leaves the list.
    const QString chemin = cheminEnregistrement(etat_.dossierInstallation, mot);
    if (!chemin.isEmpty()) {
        const QString echec = mettreALaCorbeille(etat_.dossierInstallation, chemin).detail;
        if (!echec.isEmpty()) {
            plateforme_.messages->information(this, TextesEnseignant::titreSupprimer,
                                              TextesEnseignant::corbeilleImpossible.arg(mot, echec));
            return;
        }
    }
    modele_->retirer(int(rang));
    const ResultatEcriture ecriture = EnregistrerListeMots(etat_.dossierInstallation, tableur_);
    if (!ecriture.ok)
        plateforme_.messages->information(this, TextesEnseignant::titreEnregistrement, ecriture.message());
}

// A new recording of a listed word, by the computer's voice or the
// microphone; the old one goes to Corbeille once the new one is written.
void FrmEnseignant::remplacerEnregistrement(const QString &mot)
{
    const int choix = plateforme_.messages->choisir(this, TextesEnseignant::titreRemplacer,
                                                   TextesEnseignant::choixRemplacer.arg(mot),
                                                   {TextesEnseignant::parLaVoix, TextesEnseignant::parLeMicro});
    if (choix < 0)
        return;
    const QString dossier = etat_.dossierInstallation;
    const QString ancien = cheminEnregistrement(dossier, mot);
    const QString nouveau = nomEnregistrement(mot);
    QString echec;
    if (choix == 1) {
        DialogueEnregistrement enregistrement(dossier, mot, plateforme_, this);
        if (enregistrement.exec() != QDialog::Accepted)
            return;
        // Kept over "<word>.wav"; an old "<word>.WAV" beside it leaves too.
        if (!ancien.isEmpty() && ancien != enregistrement.cheminEnregistrement())
            echec = mettreALaCorbeille(dossier, ancien).detail;
    } else {
        // Spoken into memory off the interface thread, then written as one
        // new file beside the old recording and renamed over it: a failure
        // leaves the old one, and nothing in the folder every pupil can write
        // to is ever removed but that file. The watcher goes with the window.
        if (!plateforme_.synthese)
            return;
        auto *parole = new QFutureWatcher<MotParle>(this);
        connect(parole, &QFutureWatcher<MotParle>::finished, this, [this, parole, mot, dossier, ancien, nouveau] {
            parole->deleteLater();
            if (parole->isCanceled())
                return;
            const MotParle parle = parole->result();
            QString echec = parle.erreur;
            if (echec.isEmpty()) {
                const QByteArray octets = encoderWav(parle.echantillons, parle.frequence);
                EnregistrementProvisoire provisoire(dossier, octets);
                if (octets.isEmpty())
                    echec = TextesEnseignant::wavImpossible;
                else if (!provisoire.ecriture().ok)
                    echec = provisoire.ecriture().detail;
                if (echec.isEmpty() && !ancien.isEmpty())
                    echec = mettreALaCorbeille(dossier, ancien).detail;
                if (echec.isEmpty())
                    echec = provisoire.placer(nouveau).detail;
            }
            plateforme_.messages->information(this, TextesEnseignant::titreRemplacer,
                                              echec.isEmpty() ? TextesEnseignant::remplace.arg(mot)
                                                              : TextesEnseignant::remplacementRate.arg(mot, echec));
        });
        parole->setFuture(plateforme_.synthese->prononcer(mot));
        return;
    }
    plateforme_.messages->information(this, TextesEnseignant::titreRemplacer,
                                      echec.isEmpty() ? TextesEnseignant::remplace.arg(mot)
                                                      : TextesEnseignant::remplacementRate.arg(mot, echec));
}
