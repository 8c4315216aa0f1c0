#include "dialogueajoutmots.h"

#include "audio/traitement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace TextesAjoutMots {
const QString titre = QStringLiteral("Ajouter des mots");
const QString consigne = QStringLiteral(
    "Tapez ou collez les mots, un par ligne ou séparés par des virgules. Vous pouvez donner un "
    "niveau de 1 à 5 après le mot : « chat 1 », « hérisson;4 », « pomme de terre 3 ».\n"
    "Pour un mot qui se prononce comme un autre, ajoutez une courte phrase après un point-virgule : "
    "« dent 1 ; j'ai mal à une dent ».\n"
    "Chaque mot est prononcé par la voix de l'ordinateur et enregistré dans le dossier Sons.");
const QString ajouter = QStringLiteral("&Ajouter");
const QString annuler = QStringLiteral("A&nnuler");
const QString fermer = QStringLiteral("&Fermer");
const QString micro = QStringLiteral("&Enregistrer au micro…");
const QString bulleMicro = QStringLiteral(
    " Enregistrer avec le micro, au lieu de la voix de l'ordinateur, le mot de la ligne où se trouve le curseur. ");
const QString uneLigne = QStringLiteral("Placez le curseur sur la ligne d'un seul mot à enregistrer au micro.");
const QString microRefus = QStringLiteral("« %1 » : %2");
const QString microGarde = QStringLiteral("« %1 » est enregistré avec votre voix.");
const QString enCours = QStringLiteral("Enregistrement de « %1 »… (%2 sur %3)");
const QString ajoutes = QStringLiteral("Mots ajoutés : %1.");
const QString motAjoute = QStringLiteral("  « %1 »");
const QString motAjouteNiveau = QStringLiteral("  « %1 », niveau %2");
const QString niveaux = QStringLiteral("Mots déjà dans la liste dont le niveau a été changé : %1.");
const QString niveauChange = QStringLiteral("  « %1 » : %2 → %3");
const QString niveauN = QStringLiteral("niveau %1");
const QString sansNiveau = QStringLiteral("sans niveau");
const QString inchanges = QStringLiteral("Mots déjà dans la liste, laissés tels quels : %1.");
const QString aucun = QStringLiteral("Aucun mot n'a été ajouté.");
const QString titreRefuses = QStringLiteral("Mots refusés :");
const QString refus = QStringLiteral("  ligne %1, « %2 » : %3");
const QString echec = QStringLiteral("  « %1 » : %2");
const QString titreEchecs = QStringLiteral("Mots non enregistrés :");
const QString annule = QStringLiteral("Ajout annulé. Mots non ajoutés : %1.");
const QString sansSynthese = QStringLiteral("la voix de l'ordinateur n'est pas disponible.");
const QString enCoursPhrase = QStringLiteral("Enregistrement de la phrase de « %1 »… (%2 sur %3)");
const QString phrasesDites = QStringLiteral("Phrases enregistrées : %1.");
const QString phraseDite = QStringLiteral("  « %1 » : %2");
const QString titreEchecsPhrases = QStringLiteral("Phrases non enregistrées :");
const QString titrePhrasesRefusees = QStringLiteral("Phrases refusées :");
const QString unSeulMot = QStringLiteral("une phrase ne peut suivre qu'un seul mot.");
const QString homophone = QStringLiteral(
    "« %1 » se prononce comme %2 : donnez-lui une phrase pour que l'élève les distingue "
    "(« %1 ; … », ou « Phrase… » dans le menu du mot).");
const QString guillemets = QStringLiteral("« %1 »");
const QString ou = QStringLiteral(" ou ");
}  // namespace TextesAjoutMots

namespace {
// Up to this many words, no progress bar: they are done at once.
constexpr int kPeuDeMots = 3;
// What a word dropped by a cancel is marked with.
const QString kAnnule = QStringLiteral("annulé");
}

DialogueAjoutMots::DialogueAjoutMots(const QString &dossierInstallation, const ListeMots &existants,
                                     Synthese *synthese, std::function<void(const ListeMots &)> ajouter,
                                     QWidget *parent)
    : QDialog(parent), dossierInstallation_(dossierInstallation), synthese_(synthese), ajouter_(std::move(ajouter))
{
    existants_.reserve(existants.size());
    niveaux_.reserve(existants.size());
    for (const EntreeMot &e : existants) {
        existants_ << e.mot;
        niveaux_.insert(e.mot, e.niveau);
    }
    setObjectName(QStringLiteral("dialogueAjoutMots"));
    setWindowTitle(TextesAjoutMots::titre);

    auto *consigne = new QLabel(TextesAjoutMots::consigne, this);
    consigne->setWordWrap(true);
    txtMots_ = new QPlainTextEdit(this);
    txtMots_->setObjectName(QStringLiteral("txtAjoutMots"));
    txtMots_->setTabChangesFocus(false);
    cmdAjouter_ = new QPushButton(TextesAjoutMots::ajouter, this);
    cmdAjouter_->setObjectName(QStringLiteral("cmdAjoutMots"));
    progression_ = new QProgressBar(this);
    progression_->setObjectName(QStringLiteral("barreAjout"));
    cmdMicro_ = new QPushButton(TextesAjoutMots::micro, this);
    cmdMicro_->setObjectName(QStringLiteral("cmdAjoutMicro"));
    cmdMicro_->setToolTip(TextesAjoutMots::bulleMicro);
    cmdMicro_->hide();
    cmdAnnuler_ = new QPushButton(TextesAjoutMots::annuler, this);
    cmdAnnuler_->setObjectName(QStringLiteral("cmdAjoutAnnuler"));
    lblEtat_ = new QLabel(this);
    lblEtat_->setObjectName(QStringLiteral("lblAjoutEtat"));
    txtRapport_ = new QPlainTextEdit(this);
    txtRapport_->setObjectName(QStringLiteral("txtAjoutRapport"));
    txtRapport_->setReadOnly(true);
    // A long run's report scrolls rather than pushing the buttons off the screen.
    txtRapport_->setMaximumHeight(220);
    txtRapport_->hide();
    cmdFermer_ = new QPushButton(TextesAjoutMots::fermer, this);
    cmdFermer_->setObjectName(QStringLiteral("cmdAjoutFermer"));
    for (QPushButton *b : {cmdAjouter_, cmdMicro_, cmdAnnuler_, cmdFermer_})
        b->setAutoDefault(false);
    progression_->hide();
    cmdAnnuler_->hide();

    auto *travail = new QHBoxLayout;
    travail->addWidget(progression_, 1);
    travail->addWidget(cmdAnnuler_);
    auto *bas = new QHBoxLayout;
    bas->addWidget(cmdAjouter_);
    bas->addWidget(cmdMicro_);
    bas->addStretch(1);
    bas->addWidget(cmdFermer_);
    auto *page = new QVBoxLayout(this);
    page->addWidget(consigne);
    page->addWidget(txtMots_, 1);
    page->addWidget(lblEtat_);
    page->addLayout(travail);
    page->addWidget(txtRapport_);
    page->addLayout(bas);
    resize(520, 460);

    connect(cmdAjouter_, &QPushButton::clicked, this, &DialogueAjoutMots::ajouterTexte);
    connect(cmdMicro_, &QPushButton::clicked, this, &DialogueAjoutMots::enregistrerLigne);
    connect(cmdAnnuler_, &QPushButton::clicked, this, &DialogueAjoutMots::annuler);
    connect(cmdFermer_, &QPushButton::clicked, this, &DialogueAjoutMots::reject);
    for (const QFutureWatcher<QString> &parole : paroles_)
        connect(&parole, &QFutureWatcher<QString>::finished, this, [this, &parole] { motFini(parole); });
    connect(&phrase_, &QFutureWatcher<MotParle>::finished, this, &DialogueAjoutMots::phraseFinie);
}

void DialogueAjoutMots::setHomophones(std::function<QStringList(const QString &)> homophones)
{
    homophones_ = std::move(homophones);
}

// Each line's sentence is taken off before its words are read, so that its
// commas do not make words of it; it goes with the line's one word.
void DialogueAjoutMots::ajouterTexte()
{
    if (enCours())
        return;
    phrasesTapees_.clear();
    phrasesDesLignes_.clear();
    phrasesRefusees_.clear();
    QStringList sansPhrases;
    const QStringList lignes = txtMots_->toPlainText().split(u'\n');
    for (int i = 0; i < lignes.size(); ++i) {
        const LigneAvecPhrase ligne = separerPhrase(lignes.at(i));
        sansPhrases << ligne.mots;
        if (ligne.phrase.isEmpty())
            continue;
        phrasesDesLignes_.insert(i + 1, ligne.phrase);
        const QString phrase = normaliserPhrase(ligne.phrase);
        const QString raison = raisonPhraseRefusee(phrase);
        const LignesMots seul = lireMotsTapes(ligne.mots, existants_);
        if (!raison.isEmpty())
            phrasesRefusees_ << TextesAjoutMots::refus.arg(i + 1).arg(ligne.phrase, raison);
        else if (seul.acceptes.size() > 1)
            phrasesRefusees_ << TextesAjoutMots::refus.arg(i + 1).arg(ligne.phrase, TextesAjoutMots::unSeulMot);
        else if (seul.acceptes.size() == 1 && seul.refuses.isEmpty())
            phrasesTapees_.insert(seul.acceptes.first().mot, phrase);
    }
    lancer(lireMotsTapes(sansPhrases.join(u'\n'), existants_));
}

void DialogueAjoutMots::setEnregistreur(std::function<bool(const QString &mot)> enregistrer)
{
    enregistrer_ = std::move(enregistrer);
    cmdMicro_->setVisible(bool(enregistrer_));
}

// The word of the cursor's line, checked as typed words are, is recorded with
// the microphone; a word already listed gets a new recording.
void DialogueAjoutMots::enregistrerLigne()
{
    if (enCours() || !enregistrer_)
        return;
    const LignesMots ligne = lireMotsTapes(txtMots_->textCursor().block().text(), existants_);
    if (!ligne.refuses.isEmpty()) {
        lblEtat_->setText(TextesAjoutMots::microRefus.arg(ligne.refuses.first().texte, ligne.refuses.first().raison));
        return;
    }
    if (ligne.acceptes.size() != 1) {
        lblEtat_->setText(TextesAjoutMots::uneLigne);
        return;
    }
    const EntreeMot entree = ligne.acceptes.first();
    if (!enregistrer_(entree.mot))
        return;
    if (!existants_.contains(entree.mot))
        existants_.append(entree.mot);
    if (!entree.niveau.isEmpty() || !niveaux_.contains(entree.mot))
        niveaux_.insert(entree.mot, entree.niveau);
    ajouter_({entree});
    lblEtat_->setText(TextesAjoutMots::microGarde.arg(entree.mot));
}

void DialogueAjoutMots::importer(const LignesMots &lignes)
{
    if (enCours())
        return;
    phrasesTapees_.clear();
    phrasesDesLignes_.clear();
    phrasesRefusees_.clear();
    lancer(lignes);
}

void DialogueAjoutMots::lancer(const LignesMots &lignes)
{
    annule_ = false;
    aParler_.clear();
    niveauxSeuls_.clear();
    anciensNiveaux_.clear();
    inchanges_.clear();
    for (const EntreeMot &e : lignes.acceptes) {
        const auto liste = niveaux_.constFind(e.mot);
        if (liste == niveaux_.cend()) {
            aParler_.append(e);
        } else if (!e.niveau.isEmpty() && e.niveau != *liste) {
            niveauxSeuls_.append(e);
            anciensNiveaux_.append(*liste);
        } else {
            // Written again with its level, or with none: nothing to do, but said.
            inchanges_.append({e.mot, *liste});
        }
    }
    refuses_ = lignes.refuses;
    erreurs_ = QStringList(aParler_.size(), QString());
    total_ = int(aParler_.size());
    finis_ = 0;
    lances_ = 0;
    if (total_ == 0) {
        finir();
        return;
    }
    annule_ = false;
    cmdAjouter_->setEnabled(false);
    txtMots_->setReadOnly(true);
    const bool longue = total_ > kPeuDeMots;
    progression_->setRange(0, total_);
    progression_->setValue(0);
    progression_->setVisible(longue);
    cmdAnnuler_->setVisible(longue);
    cmdAnnuler_->setEnabled(true);
    parlerSuivant();
}

void DialogueAjoutMots::parlerSuivant()
{
    if ((annule_ || !synthese_) && lances_ == finis_) {
        for (int i = finis_; i < total_; ++i)
            erreurs_[i] = annule_ ? kAnnule : TextesAjoutMots::sansSynthese;
        finir();
        return;
    }
    lblEtat_->setText(TextesAjoutMots::enCours.arg(aParler_.at(finis_).mot).arg(finis_ + 1).arg(total_));
    for (; !annule_ && synthese_ && lances_ < total_ && lances_ - finis_ < kEnVol; ++lances_)
        paroles_[lances_ % kEnVol].setFuture(synthese_->enregistrer(dossierInstallation_, aParler_.at(lances_).mot));
}

void DialogueAjoutMots::motFini(const QFutureWatcher<QString> &parole)
{
    if (!enCours())
        return;
    // A future cancelled by the service (it was stopped) wrote nothing.
    erreurs_[finis_] = parole.isCanceled() ? kAnnule : parole.result();
    ++finis_;
    progression_->setValue(finis_);
    if (finis_ < total_)
        parlerSuivant();
    else
        finir();
}

void DialogueAjoutMots::annuler()
{
    annule_ = true;
    cmdAnnuler_->setEnabled(false);
}

void DialogueAjoutMots::finir()
{
    ListeMots faits = niveauxSeuls_;
    QStringList echecs;
    int annules = 0;
    for (int i = 0; i < aParler_.size(); ++i) {
        if (erreurs_.at(i).isEmpty())
            faits.append(aParler_.at(i));
        else if (erreurs_.at(i) == kAnnule)
            ++annules;
        else
            echecs << TextesAjoutMots::echec.arg(aParler_.at(i).mot, erreurs_.at(i));
    }
    const ListeMots ajoutes = faits.mid(niveauxSeuls_.size());
    for (const EntreeMot &e : ajoutes)
        existants_.append(e.mot);
    for (const EntreeMot &e : faits)
        niveaux_.insert(e.mot, e.niveau);

    const auto niveau = [](const QString &n) {
        return n.isEmpty() ? TextesAjoutMots::sansNiveau : TextesAjoutMots::niveauN.arg(n);
    };
    const auto nommer = [](const EntreeMot &e) {
        return e.niveau.isEmpty() ? TextesAjoutMots::motAjoute.arg(e.mot)
                                  : TextesAjoutMots::motAjouteNiveau.arg(e.mot, e.niveau);
    };
    QStringList rapport;
    if (faits.isEmpty()) {
        rapport << TextesAjoutMots::aucun;
    } else if (!ajoutes.isEmpty()) {
        rapport << TextesAjoutMots::ajoutes.arg(ajoutes.size());
        for (const EntreeMot &e : ajoutes)
            rapport << nommer(e);
    }
    if (!niveauxSeuls_.isEmpty()) {
        rapport << TextesAjoutMots::niveaux.arg(niveauxSeuls_.size());
        for (qsizetype i = 0; i < niveauxSeuls_.size(); ++i)
            rapport << TextesAjoutMots::niveauChange.arg(niveauxSeuls_.at(i).mot, niveau(anciensNiveaux_.at(i)),
                                                         niveau(niveauxSeuls_.at(i).niveau));
    }
    if (!inchanges_.isEmpty()) {
        rapport << TextesAjoutMots::inchanges.arg(inchanges_.size());
        for (const EntreeMot &e : inchanges_)
            rapport << nommer(e);
    }
    if (annules > 0)
        rapport << TextesAjoutMots::annule.arg(annules);
    if (!echecs.isEmpty())
        rapport << TextesAjoutMots::titreEchecs << echecs;
    if (!refuses_.isEmpty()) {
        rapport << TextesAjoutMots::titreRefuses;
        for (const MotRefuse &r : refuses_)
            rapport << TextesAjoutMots::refus.arg(r.ligne).arg(r.texte, r.raison);
    }
    rapportFinal_ = rapport;

    // What was refused stays in the box, to be corrected, with its sentence.
    QStringList aReprendre;
    for (const MotRefuse &r : refuses_) {
        const QString phrase = phrasesDesLignes_.value(r.ligne);
        aReprendre << (phrase.isEmpty() ? r.texte : r.texte + QStringLiteral(" ; ") + phrase);
    }
    txtMots_->setPlainText(aReprendre.join(QLatin1Char('\n')));
    total_ = 0;

    if (!faits.isEmpty() && ajouter_)
        ajouter_(faits);
    garderPhrases(faits + inchanges_);
}

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
                                                         annule_ ? kAnnule : TextesAjoutMots::sansSynthese);
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
    QString erreur = kAnnule;
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

void DialogueAjoutMots::conclure()
{
    QStringList rapport = rapportFinal_;
    if (!aDire_.isEmpty()) {
        rapport << TextesAjoutMots::phrasesDites.arg(aDire_.size());
        for (const EntreePhrase &e : aDire_)
            rapport << TextesAjoutMots::phraseDite.arg(e.mot, e.phrase);
    }
    if (!echecsPhrases_.isEmpty())
        rapport << TextesAjoutMots::titreEchecsPhrases << echecsPhrases_;
    if (!phrasesRefusees_.isEmpty())
        rapport << TextesAjoutMots::titrePhrasesRefusees << phrasesRefusees_;
    // Words that sound like another and still have no sentence: asked for.
    if (homophones_) {
        const ListePhrases phrases = LirePhrases(dossierInstallation_);
        QStringList vus;
        for (const EntreeMot &e : ListeMots(niveauxSeuls_) + aParler_ + inchanges_) {
            if (vus.contains(e.mot) || !niveaux_.contains(e.mot) || !phraseDe(phrases, e.mot).isEmpty())
                continue;
            vus << e.mot;
            QStringList autres = homophones_(e.mot);
            if (autres.isEmpty())
                continue;
            for (QString &autre : autres)
                autre = TextesAjoutMots::guillemets.arg(autre);
            rapport << TextesAjoutMots::homophone.arg(e.mot, autres.join(TextesAjoutMots::ou));
        }
    }
    txtRapport_->setPlainText(rapport.join(QLatin1Char('\n')));
    txtRapport_->show();
    txtMots_->setReadOnly(false);
    cmdAjouter_->setEnabled(true);
    progression_->hide();
    cmdAnnuler_->hide();
    lblEtat_->clear();
    emit termine();
    if (fermerApres_)
        QDialog::reject();
}

QString DialogueAjoutMots::rapport() const
{
    return txtRapport_->toPlainText();
}

void DialogueAjoutMots::reject()
{
    // Closing while words are spoken: the word in progress ends, the rest are dropped.
    if (enCours()) {
        fermerApres_ = true;
        annuler();
        return;
    }
    QDialog::reject();
}
