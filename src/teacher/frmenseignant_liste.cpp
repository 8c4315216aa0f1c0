// What the teacher does with one word of the list: hear it, have its
// recording replaced, remove it (its recording goes to Corbeille), and bring
// a recording back from Corbeille.
#include "audio/lecturefichierson.h"
#include "audio/traitement.h"
#include "data/corbeille.h"
#include "data/enregistrement.h"
#include "data/phrases.h"
#include "data/sauvegardes.h"
#include "dialoguecorbeille.h"
#include "dialogueenregistrement.h"
#include "frmenseignant.h"
#include "modelemots.h"
#include "textesenseignant.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMenu>
#include <QScrollBar>

namespace {

// The new recording written whole beside the old one, the old one moved to
// Corbeille, then the new one renamed into place: a failure before the end
// leaves the old recording, and nothing in the folder every pupil can write
// to is ever removed but that new file. Empty, or why not.
QString placerNouvelEnregistrement(const QString &dossier, const QString &ancien, const QString &nouveau,
                                   const QByteArray &octets)
{
    if (octets.isEmpty())
        return TextesEnseignant::wavImpossible;
    EnregistrementProvisoire provisoire(dossier, octets);
    if (!provisoire.ecriture().ok)
        return provisoire.ecriture().detail;
    if (!ancien.isEmpty()) {
        const QString echec = mettreALaCorbeille(dossier, ancien).detail;
        if (!echec.isEmpty())
            return echec;
    }
    return provisoire.placer(nouveau).detail;
}

// A sound file chosen by the teacher, trimmed and levelled like a take of
// the microphone, as the bytes of a recording; or why it cannot be one.
QString preparerFichierSon(const QString &chemin, QByteArray &octets)
{
    const SonFichier son = lireFichierSon(chemin, kFrequenceEnregistrement);
    if (!son.erreur.isEmpty())
        return son.erreur;
    const std::vector<qint16> garde = preparerEnregistrement(son.echantillons, son.frequence);
    if (garde.empty())
        return TextesEnseignant::fichierSilencieux.arg(QFileInfo(chemin).fileName());
    octets = encoderWav(garde, son.frequence);
    return octets.isEmpty() ? TextesEnseignant::wavImpossible : QString();
}

} // namespace

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
    QAction *orthographeAct = new QAction(TextesOrthographe::action, menuMot_);
    orthographeAct->setObjectName(QStringLiteral("actOrthographe"));
    menuMot_->insertAction(supprimerAct, orthographeAct);
    QAction *phraseAct = new QAction(TextesPhrase::action, menuMot_);
    phraseAct->setObjectName(QStringLiteral("actPhrase"));
    menuMot_->insertAction(supprimerAct, phraseAct);
    connect(phraseAct, &QAction::triggered, this, [this] { modifierPhrase(ligneMenu_); });
    connect(supprimerAct, &QAction::triggered, this, [this] { supprimer(ligneMenu_); });
    connect(orthographeAct, &QAction::triggered, this, [this] { corrigerOrthographe(ligneMenu_); });
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
        // With the word's level and place, so that it can come back as it was.
        const QString echec = Corbeille(etat_.dossierInstallation).jeterMot(chemin, tableur_, rang).detail;
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
    // Its sentence goes with it: the recording to Corbeille, the line out of Phrases.dat.
    ListePhrases phrases = LirePhrases(etat_.dossierInstallation);
    if (donnerPhrase(phrases, mot, QString())) {
        const ResultatEcriture sansPhrase = EnregistrerPhrases(etat_.dossierInstallation, phrases);
        if (!sansPhrase.ok)
            plateforme_.messages->information(this, TextesEnseignant::titreEnregistrement, sansPhrase.message());
    }
    const ResultatEcriture jete = jeterEnregistrementPhrase(etat_.dossierInstallation, mot);
    if (!jete.ok)
        plateforme_.messages->information(this, TextesEnseignant::titreSupprimer,
                                          TextesPhrase::corbeille.arg(mot, jete.detail));
    motsAvecPhrase_.reset();
}

// A new recording of a listed word, by the computer's voice, the microphone
// or from a sound file; the old one goes to Corbeille once the new one is written.
void FrmEnseignant::remplacerEnregistrement(const QString &mot)
{
    const int choix = plateforme_.messages->choisir(this, TextesEnseignant::titreRemplacer,
                                                   TextesEnseignant::choixRemplacer.arg(mot),
                                                   {TextesEnseignant::parLaVoix, TextesEnseignant::parLeMicro,
                                                    TextesEnseignant::depuisFichier});
    if (choix < 0)
        return;
    const QString dossier = etat_.dossierInstallation;
    const QString ancien = cheminEnregistrement(dossier, mot);
    const QString nouveau = nomEnregistrement(mot);
    QString echec;
    if (choix == 2) {
        const QString fichier = plateforme_.messages->choisirFichier(this, TextesEnseignant::titreFichierSon,
                                                                     TextesEnseignant::filtreFichierSon);
        if (fichier.isEmpty())
            return;
        QByteArray octets;
        echec = preparerFichierSon(fichier, octets);
        if (echec.isEmpty())
            echec = placerNouvelEnregistrement(dossier, ancien, nouveau, octets);
    } else if (choix == 1) {
        DialogueEnregistrement enregistrement(dossier, mot, plateforme_, this);
        if (enregistrement.exec() != QDialog::Accepted)
            return;
        // Kept over "<word>.wav"; an old "<word>.WAV" beside it leaves too.
        if (!ancien.isEmpty() && ancien != enregistrement.cheminEnregistrement())
            echec = mettreALaCorbeille(dossier, ancien).detail;
    } else {
        // Spoken into memory off the interface thread, then placed as above.
        // The watcher goes with the window.
        if (!plateforme_.synthese)
            return;
        auto *parole = new QFutureWatcher<MotParle>(this);
        connect(parole, &QFutureWatcher<MotParle>::finished, this, [this, parole, mot, dossier, ancien, nouveau] {
            parole->deleteLater();
            if (parole->isCanceled())
                return;
            const MotParle parle = parole->result();
            QString echec = parle.erreur;
            if (echec.isEmpty())
                echec = placerNouvelEnregistrement(dossier, ancien, nouveau,
                                                   encoderWav(parle.echantillons, parle.frequence));
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

void FrmEnseignant::ouvrirCorbeille()
{
    auto *dialogue = new DialogueCorbeille(
        etat_.dossierInstallation, plateforme_, [this](const EnregistrementJete &jete) { return remettreMot(jete); },
        this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->open();
}

bool FrmEnseignant::remettreMot(const EnregistrementJete &jete)
{
    if (Corbeille::replacerDansListe(tableur_, jete) < 0)
        return false;
    filtrerSansDefiler(vscroll_->value());
    const ResultatEcriture ecriture = EnregistrerListeMots(etat_.dossierInstallation, tableur_);
    if (!ecriture.ok)
        plateforme_.messages->information(this, TextesEnseignant::titreEnregistrement, ecriture.message());
    return true;
}
