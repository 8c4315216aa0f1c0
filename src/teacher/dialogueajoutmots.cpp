#include "dialogueajoutmots.h"
#include "textesajoutmots.h"

#include "audio/traitement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
// Up to this many words, no progress bar: they are done at once.
constexpr int kPeuDeMots = 3;
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
            erreurs_[i] = annule_ ? TextesAjoutMots::annuleMarque : TextesAjoutMots::sansSynthese;
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
    erreurs_[finis_] = parole.isCanceled() ? TextesAjoutMots::annuleMarque : parole.result();
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
        else if (erreurs_.at(i) == TextesAjoutMots::annuleMarque)
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
