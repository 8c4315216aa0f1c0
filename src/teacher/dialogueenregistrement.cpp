#include "dialogueenregistrement.h"

#include "audio/traitement.h"
#include "data/enregistrement.h"
#include "data/listemots.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
namespace Textes {
const QString titre = QStringLiteral("Enregistrer le mot « %1 »");
const QString consigne = QStringLiteral(
    "Cliquez sur « Enregistrer », dites le mot « %1 » clairement, puis cliquez sur « Arrêter ».");
const QString enCours = QStringLiteral("Enregistrement en cours… Dites « %1 », puis cliquez sur « Arrêter ».");
const QString termine = QStringLiteral(
    "Enregistrement de %1 s. Écoutez-le, recommencez-le ou gardez-le.");
const QString silence = QStringLiteral(
    "Le micro n'a rien entendu. Vérifiez qu'il est branché et allumé, puis recommencez.");
const QString echecDemarrage = QStringLiteral("Le micro n'a pas pu être mis en marche. Vérifiez qu'il est "
                                              "branché et qu'aucun autre programme ne l'utilise.");
const QString sansMicro = QStringLiteral("Cet ordinateur n'offre aucun micro au programme.");
const QString motRefuse = QStringLiteral(
    "Le mot « %1 » ne peut pas servir de nom de fichier : il ne peut pas être enregistré.");
const QString enregistrer = QStringLiteral("&Enregistrer");
const QString arreter = QStringLiteral("A&rrêter");
const QString ecouter = QStringLiteral("É&couter");
const QString recommencer = QStringLiteral("Reco&mmencer");
const QString garder = QStringLiteral("&Garder");
const QString annuler = QStringLiteral("&Annuler");
const QString bulleNiveau = QStringLiteral("Le volume que le micro entend");
}  // namespace Textes
}  // namespace

DialogueEnregistrement::DialogueEnregistrement(const QString &dossierInstallation, const QString &mot,
                                               Plateforme plateforme, QWidget *parent)
    : QDialog(parent), dossierInstallation_(dossierInstallation), mot_(mot), plateforme_(plateforme)
{
    raisonSansMicro_ = plateforme_.micro ? plateforme_.micro->raisonIndisponible() : Textes::sansMicro;
    construire();
    actualiserBoutons();
}

DialogueEnregistrement::~DialogueEnregistrement()
{
    if (enCours_)
        plateforme_.micro->arreter();
}

void DialogueEnregistrement::construire()
{
    setWindowTitle(Textes::titre.arg(mot_));
    lblEtat_ = new QLabel(raisonSansMicro_.isEmpty() ? Textes::consigne.arg(mot_) : raisonSansMicro_);
    lblEtat_->setObjectName(QStringLiteral("lblEtat"));
    lblEtat_->setWordWrap(true);
    barNiveau_ = new QProgressBar;
    barNiveau_->setObjectName(QStringLiteral("barNiveau"));
    barNiveau_->setRange(0, 100);
    barNiveau_->setValue(0);
    barNiveau_->setTextVisible(false);
    barNiveau_->setToolTip(Textes::bulleNiveau);

    auto bouton = [this](const QString &nom, const QString &texte, void (DialogueEnregistrement::*action)()) {
        auto *b = new QPushButton(texte);
        b->setObjectName(nom);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    cmdEnregistrer_ = bouton(QStringLiteral("cmdEnregistrer"), Textes::enregistrer,
                             &DialogueEnregistrement::commencerEnregistrement);
    cmdArreter_ = bouton(QStringLiteral("cmdArreter"), Textes::arreter, &DialogueEnregistrement::arreterEnregistrement);
    cmdEcouter_ = bouton(QStringLiteral("cmdEcouter"), Textes::ecouter, &DialogueEnregistrement::ecouterPrise);
    cmdRecommencer_ = bouton(QStringLiteral("cmdRecommencer"), Textes::recommencer,
                             &DialogueEnregistrement::recommencerPrise);
    cmdGarder_ = bouton(QStringLiteral("cmdGarder"), Textes::garder, &DialogueEnregistrement::garderPrise);
    cmdAnnuler_ = new QPushButton(Textes::annuler);
    cmdAnnuler_->setObjectName(QStringLiteral("cmdAnnuler"));
    cmdAnnuler_->setAutoDefault(false);
    connect(cmdAnnuler_, &QPushButton::clicked, this, &QDialog::reject);
    cmdEnregistrer_->setToolTip(raisonSansMicro_);

    auto *prise = new QHBoxLayout;
    for (QPushButton *b : {cmdEnregistrer_, cmdArreter_, cmdEcouter_, cmdRecommencer_})
        prise->addWidget(b);
    auto *fin = new QHBoxLayout;
    fin->addStretch();
    fin->addWidget(cmdGarder_);
    fin->addWidget(cmdAnnuler_);
    auto *colonne = new QVBoxLayout(this);
    colonne->addWidget(lblEtat_);
    colonne->addWidget(barNiveau_);
    colonne->addLayout(prise);
    colonne->addSpacing(8);
    colonne->addLayout(fin);
    setMinimumWidth(460);
}

void DialogueEnregistrement::actualiserBoutons()
{
    const bool prise = !enCours_ && !prise_.empty();
    cmdEnregistrer_->setEnabled(raisonSansMicro_.isEmpty() && !enCours_ && brut_.empty());
    cmdArreter_->setEnabled(enCours_);
    cmdEcouter_->setEnabled(prise);
    cmdRecommencer_->setEnabled(raisonSansMicro_.isEmpty() && !enCours_ && !brut_.empty());
    cmdGarder_->setEnabled(prise);
    (enCours_ ? cmdArreter_ : prise ? cmdGarder_ : cmdEnregistrer_)->setFocus();
}

void DialogueEnregistrement::commencerEnregistrement()
{
    if (enCours_ || !raisonSansMicro_.isEmpty())
        return;
    brut_.clear();
    prise_.clear();
    enCours_ = plateforme_.micro->demarrer(
        kFrequenceEnregistrement,
        [this](std::span<const qint16> echantillons, double niveau) { recevoirEchantillons(echantillons, niveau); });
    lblEtat_->setText(enCours_ ? Textes::enCours.arg(mot_) : Textes::echecDemarrage);
    actualiserBoutons();
}

void DialogueEnregistrement::recevoirEchantillons(std::span<const qint16> echantillons, double niveau)
{
    if (!enCours_)
        return;
    brut_.insert(brut_.end(), echantillons.begin(), echantillons.end());
    barNiveau_->setValue(qBound(0, int(niveau * 100.0 + 0.5), 100));
}

void DialogueEnregistrement::arreterEnregistrement()
{
    if (!enCours_)
        return;
    plateforme_.micro->arreter();   // the last block arrives before it returns
    enCours_ = false;
    barNiveau_->setValue(0);
    prise_ = preparerEnregistrement(brut_, kFrequenceEnregistrement);
    if (prise_.empty())
        lblEtat_->setText(Textes::silence);
    else
        lblEtat_->setText(Textes::termine.arg(
            QLocale(QLocale::French).toString(double(prise_.size()) / kFrequenceEnregistrement, 'f', 1)));
    actualiserBoutons();
}

void DialogueEnregistrement::ecouterPrise()
{
    if (prise_.empty() || !plateforme_.son || !dossierEcoute_.isValid())
        return;
    // A new name for each take: a player may keep the sound of a path it has
    // already played.
    const QString chemin = dossierEcoute_.filePath(QStringLiteral("prise-%1.wav").arg(++prisesEcoutees_));
    if (ecrireWav(chemin, prise_, kFrequenceEnregistrement).ok)
        plateforme_.son->jouer(chemin);
}

void DialogueEnregistrement::recommencerPrise()
{
    if (plateforme_.son)
        plateforme_.son->arreter();
    brut_.clear();
    prise_.clear();
    commencerEnregistrement();
}

void DialogueEnregistrement::garderPrise()
{
    if (prise_.empty())
        return;
    if (!motEnregistrable(mot_)) {
        if (plateforme_.messages)
            plateforme_.messages->information(this, windowTitle(), Textes::motRefuse.arg(mot_));
        return;
    }
    if (plateforme_.son)
        plateforme_.son->arreter();
    // Written whole under a new hidden name in Sons first: an earlier
    // recording of the word is replaced only by a complete one, and never
    // through a link a pupil account planted.
    const ResultatEcriture resultat =
        enregistrerMot(dossierInstallation_, mot_, prise_, kFrequenceEnregistrement, Remplacement::Remplacer);
    if (!resultat.ok) {
        if (plateforme_.messages)
            plateforme_.messages->information(this, windowTitle(), resultat.message());
        return;
    }
    const QString chemin = resultat.chemin;
    cheminEcrit_ = chemin;
    accept();
}

void DialogueEnregistrement::done(int resultat)
{
    if (enCours_) {
        plateforme_.micro->arreter();
        enCours_ = false;
    }
    if (plateforme_.son)
        plateforme_.son->arreter();
    QDialog::done(resultat);
}
