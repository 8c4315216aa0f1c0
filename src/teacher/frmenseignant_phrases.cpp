// A word's spelling corrected and its context sentence, from the word's
// "…" menu; the marks of words that sound like another and have no sentence.
#include "audio/traitement.h"
#include "data/corbeille.h"
#include "data/enregistrement.h"
#include "data/orthographe.h"
#include "data/sauvegardes.h"
#include "data/phrases.h"
#include "frmenseignant.h"
#include "modelemots.h"
#include "textesenseignant.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

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
