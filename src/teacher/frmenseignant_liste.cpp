// What the teacher does with one word of the list: hear it, have its
// recording replaced, correct its spelling, remove it (its recording goes to
// Corbeille), and bring a recording back from Corbeille.
#include "audio/lecturefichierson.h"
#include "audio/traitement.h"
#include "data/corbeille.h"
#include "data/enregistrement.h"
#include "data/orthographe.h"
#include "data/phrases.h"
#include "data/sauvegardes.h"
#include "dialoguecorbeille.h"
#include "dialogueenregistrement.h"
#include "frmenseignant.h"
#include "modelemots.h"
#include "textesenseignant.h"

#include <QAction>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace TextesOrthographe {
const QString action = QStringLiteral("Corriger l'&orthographe…");
const QString titre = QStringLiteral("Corriger l'orthographe");
const QString consigne = QStringLiteral("Écrivez « %1 » correctement :");
const QString corriger = QStringLiteral("&Corriger");
const QString annuler = QStringLiteral("A&nnuler");
const QString impossible = QStringLiteral("L'orthographe de « %1 » ne peut pas être corrigée : %2");
const QString attention = QStringLiteral("« %1 » s'écrit maintenant « %2 », mais %3");
}  // namespace TextesOrthographe

namespace TextesPhrase {
const QString action = QStringLiteral("&Phrase…");
const QString titre = QStringLiteral("Phrase du mot");
const QString consigne = QStringLiteral(
    "Une courte phrase avec « %1 », dite après le mot, pour que l'élève sache de quel mot il s'agit "
    "(laissez vide pour n'en donner aucune) :");
const QString garder = QStringLiteral("&Enregistrer");
const QString annuler = QStringLiteral("A&nnuler");
const QString refusee = QStringLiteral("La phrase de « %1 » ne peut pas être gardée : %2");
const QString nonDite = QStringLiteral("La phrase de « %1 » est gardée, mais elle n'a pas pu être enregistrée : %2");
const QString corbeille = QStringLiteral("La phrase de « %1 » n'a pas pu être mise à la corbeille : %2");
const QString marque = QStringLiteral("se prononce comme : %1");
const QString separateur = QStringLiteral(", ");
}  // namespace TextesPhrase

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

// The new spelling is asked in a small window of its own; the work is
// corrigerOrthographe's, which says why when it cannot.
void FrmEnseignant::corrigerOrthographe(int r)
{
    const qsizetype rang = entree(r);
    if (rang < 0)
        return;
    const QString ancien = tableur_.at(rang).mot;
    auto *dialogue = new QDialog(this);
    dialogue->setObjectName(QStringLiteral("dialogueOrthographe"));
    dialogue->setWindowTitle(TextesOrthographe::titre);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    auto *saisie = new QLineEdit(ancien, dialogue);
    saisie->setObjectName(QStringLiteral("txtOrthographe"));
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialogue);
    boutons->button(QDialogButtonBox::Ok)->setText(TextesOrthographe::corriger);
    boutons->button(QDialogButtonBox::Cancel)->setText(TextesOrthographe::annuler);
    auto *page = new QVBoxLayout(dialogue);
    page->addWidget(new QLabel(TextesOrthographe::consigne.arg(ancien), dialogue));
    page->addWidget(saisie);
    page->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, dialogue, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
    connect(dialogue, &QDialog::accepted, this, [this, ancien, saisie] {
        // The list may have changed behind the dialog: the word is found again by name.
        qsizetype rang = -1;
        for (qsizetype i = 0; i < tableur_.size() && rang < 0; ++i)
            if (tableur_.at(i).mot == ancien)
                rang = i;
        if (rang < 0)
            return;
        const QString nouveau = saisie->text().trimmed();
        const CorrectionOrthographe correction =
            ::corrigerOrthographe(etat_.dossierInstallation, tableur_, rang, nouveau);
        if (!correction.ok) {
            plateforme_.messages->information(this, TextesOrthographe::titre,
                                              TextesOrthographe::impossible.arg(ancien, correction.raison));
            return;
        }
        suivrePhrase(ancien, nouveau);
        relirePhrases();
        if (!correction.raison.isEmpty())
            plateforme_.messages->information(this, TextesOrthographe::titre,
                                              TextesOrthographe::attention.arg(ancien, nouveau, correction.raison));
    });
    saisie->selectAll();
    dialogue->open();
}

void FrmEnseignant::modifierPhrase(int r)
{
    const qsizetype rang = entree(r);
    if (rang < 0)
        return;
    const QString mot = tableur_.at(rang).mot;
    auto *dialogue = new QDialog(this);
    dialogue->setObjectName(QStringLiteral("dialoguePhrase"));
    dialogue->setWindowTitle(TextesPhrase::titre);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    auto *consigne = new QLabel(TextesPhrase::consigne.arg(mot), dialogue);
    consigne->setWordWrap(true);
    auto *saisie = new QLineEdit(phraseDe(LirePhrases(etat_.dossierInstallation), mot), dialogue);
    saisie->setObjectName(QStringLiteral("txtPhrase"));
    saisie->setMinimumWidth(360);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialogue);
    boutons->button(QDialogButtonBox::Ok)->setText(TextesPhrase::garder);
    boutons->button(QDialogButtonBox::Cancel)->setText(TextesPhrase::annuler);
    auto *page = new QVBoxLayout(dialogue);
    page->addWidget(consigne);
    page->addWidget(saisie);
    page->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, dialogue, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
    connect(dialogue, &QDialog::accepted, this, [this, mot, saisie] { garderPhrase(mot, saisie->text()); });
    saisie->selectAll();
    dialogue->open();
}

// The file is read again at the moment of the change: another computer of the
// class may have given other words their sentences meanwhile.
void FrmEnseignant::garderPhrase(const QString &mot, const QString &texte)
{
    const QString dossier = etat_.dossierInstallation;
    const QString phrase = normaliserPhrase(texte);
    const auto dire = [this](const QString &message) {
        plateforme_.messages->information(this, TextesPhrase::titre, message);
    };
    if (!phrase.isEmpty() && !raisonPhraseRefusee(phrase).isEmpty())
        return dire(TextesPhrase::refusee.arg(mot, raisonPhraseRefusee(phrase)));
    ListePhrases phrases = LirePhrases(dossier);
    const bool changee = donnerPhrase(phrases, mot, phrase);
    if (changee) {
        const ResultatEcriture ecriture = EnregistrerPhrases(dossier, phrases);
        if (!ecriture.ok)
            return dire(ecriture.message());
    }
    if (phrase.isEmpty()) {
        const ResultatEcriture jete = jeterEnregistrementPhrase(dossier, mot);
        if (!jete.ok)
            dire(TextesPhrase::corbeille.arg(mot, jete.detail));
        relirePhrases();
        return;
    }
    relirePhrases();
    // The same sentence is spoken again only when its recording is gone.
    if (!changee && !cheminEnregistrement(dossier, mot, kDossierPhrases).isEmpty())
        return;
    if (!plateforme_.synthese)
        return dire(TextesPhrase::nonDite.arg(mot, QStringLiteral("la voix de l'ordinateur n'est pas disponible.")));
    auto *parole = new QFutureWatcher<MotParle>(this);
    connect(parole, &QFutureWatcher<MotParle>::finished, this, [this, parole, mot, dossier, dire] {
        parole->deleteLater();
        if (parole->isCanceled())
            return;
        const MotParle parle = parole->result();
        QString echec = parle.erreur;
        if (echec.isEmpty())
            echec = enregistrerMot(dossier, mot, parle.echantillons, parle.frequence, Remplacement::Remplacer,
                                   kDossierPhrases)
                        .detail;
        if (!echec.isEmpty())
            dire(TextesPhrase::nonDite.arg(mot, echec));
    });
    parole->setFuture(plateforme_.synthese->prononcer(phrase));
}

// A corrected word keeps its sentence: the line and the recording take the
// new spelling; the recording is copied before the old one goes to Corbeille.
void FrmEnseignant::suivrePhrase(const QString &ancien, const QString &nouveau)
{
    const QString dossier = etat_.dossierInstallation;
    ListePhrases phrases = LirePhrases(dossier);
    const QString phrase = phraseDe(phrases, ancien);
    if (phrase.isEmpty() || ancien == nouveau)
        return;
    donnerPhrase(phrases, ancien, QString());
    donnerPhrase(phrases, nouveau, phrase);
    const ResultatEcriture ecriture = EnregistrerPhrases(dossier, phrases);
    if (!ecriture.ok) {
        plateforme_.messages->information(this, TextesOrthographe::titre, ecriture.message());
        return;
    }
    const QString enregistrement = cheminEnregistrement(dossier, ancien, kDossierPhrases);
    QFile fichier(enregistrement);
    if (enregistrement.isEmpty() || !fichier.open(QIODevice::ReadOnly))
        return;
    const ResultatEcriture copie = ecrireEnregistrement(dossier, nomEnregistrement(nouveau), fichier.readAll(),
                                                        Remplacement::Remplacer, kDossierPhrases);
    if (copie.ok)
        jeterEnregistrementPhrase(dossier, ancien);
}

QStringList FrmEnseignant::homophonesDe(const QString &mot)
{
    if (!langue_)
        langue_ = std::make_unique<TablesLangue>(trouverDossierLangue(etat_.dossierProgramme));
    return langue_->homophonesDe(mot);
}

QString FrmEnseignant::marqueMot(const QString &mot)
{
    if (!motsAvecPhrase_) {
        motsAvecPhrase_.emplace();
        for (const EntreePhrase &e : LirePhrases(etat_.dossierInstallation))
            motsAvecPhrase_->insert(e.mot);
    }
    if (motsAvecPhrase_->contains(mot))
        return {};
    const QStringList autres = homophonesDe(mot);
    return autres.isEmpty() ? QString() : TextesPhrase::marque.arg(autres.join(TextesPhrase::separateur));
}

void FrmEnseignant::relirePhrases()
{
    motsAvecPhrase_.reset();
    filtrerSansDefiler(vscroll_->value());
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
