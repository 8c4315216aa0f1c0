#include "dialoguecorbeille.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace TextesCorbeille {
const QString titre = QStringLiteral("Corbeille");
const QString consigne = QStringLiteral(
    "Les enregistrements des mots supprimés, et les anciens enregistrements des mots enregistrés de nouveau, "
    "sont gardés ici. Choisissez-en un pour l'écouter ou le remettre dans la liste.");
const QString vide = QStringLiteral("La corbeille est vide.");
const QString colonneMot = QStringLiteral("Mot");
const QString colonneDate = QStringLiteral("Mis à la corbeille le");
const QString colonneNiveau = QStringLiteral("Niveau");
const QString date = QStringLiteral("%1 à %2");
const QString niveauInconnu = QStringLiteral("inconnu");
const QString sansNiveau = QStringLiteral("aucun");
const QString ecouter = QStringLiteral("É&couter");
const QString remettre = QStringLiteral("&Remettre dans la liste");
const QString fermer = QStringLiteral("&Fermer");
const QString titreRemettre = QStringLiteral("Remettre un enregistrement");
const QString dejaEnregistre = QStringLiteral(
    "Le mot « %1 » a déjà un enregistrement dans « Sons ».\n"
    "Le remplacer par celui de la corbeille ? L'enregistrement actuel ira à son tour dans la corbeille.");
const QString remisSon = QStringLiteral("L'enregistrement de « %1 » est de retour dans « Sons ».");
const QString remis = QStringLiteral(
    "Le mot « %1 » est de retour dans la liste, sans niveau : donnez-lui un niveau pour qu'il soit proposé aux élèves.");
const QString remisNiveau = QStringLiteral("Le mot « %1 » est de retour dans la liste, au niveau %2.");
const QString rate = QStringLiteral("L'enregistrement de « %1 » n'a pas pu être remis dans « Sons » : %2");
const QString phraseRemise = QStringLiteral("\nSa phrase est de retour aussi : « %1 »");
const QString phraseGardee = QStringLiteral("\nIl a déjà une autre phrase, qui est gardée ; l'ancienne n'est pas remise : « %1 »");
const QString phraseRatee = QStringLiteral("\nSa phrase, « %1 », n'a pas pu être remise : %2");
}  // namespace TextesCorbeille

DialogueCorbeille::DialogueCorbeille(const QString &dossierInstallation, Plateforme plateforme,
                                     std::function<bool(const EnregistrementJete &)> remis, QWidget *parent)
    : QDialog(parent), corbeille_(dossierInstallation), plateforme_(plateforme), remis_(std::move(remis))
{
    setObjectName(QStringLiteral("dialogueCorbeille"));
    setWindowTitle(TextesCorbeille::titre);

    auto *consigne = new QLabel(TextesCorbeille::consigne, this);
    consigne->setWordWrap(true);
    lstCorbeille_ = new QTreeWidget(this);
    lstCorbeille_->setObjectName(QStringLiteral("lstCorbeille"));
    lstCorbeille_->setRootIsDecorated(false);
    lstCorbeille_->setAllColumnsShowFocus(true);
    lstCorbeille_->setHeaderLabels({TextesCorbeille::colonneMot, TextesCorbeille::colonneDate,
                                    TextesCorbeille::colonneNiveau});
    lstCorbeille_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstCorbeille_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lstCorbeille_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lblVide_ = new QLabel(TextesCorbeille::vide, this);
    lblVide_->setObjectName(QStringLiteral("lblVide"));

    cmdEcouter_ = new QPushButton(TextesCorbeille::ecouter, this);
    cmdEcouter_->setObjectName(QStringLiteral("cmdEcouter"));
    cmdRemettre_ = new QPushButton(TextesCorbeille::remettre, this);
    cmdRemettre_->setObjectName(QStringLiteral("cmdRemettre"));
    auto *cmdFermer = new QPushButton(TextesCorbeille::fermer, this);
    cmdFermer->setObjectName(QStringLiteral("cmdFermer"));
    for (QPushButton *b : {cmdEcouter_, cmdRemettre_, cmdFermer})
        b->setAutoDefault(false);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(cmdEcouter_);
    boutons->addWidget(cmdRemettre_);
    boutons->addStretch(1);
    boutons->addWidget(cmdFermer);

    auto *page = new QVBoxLayout(this);
    page->addWidget(consigne);
    page->addWidget(lstCorbeille_, 1);
    page->addWidget(lblVide_);
    page->addLayout(boutons);
    resize(560, 420);

    connect(cmdEcouter_, &QPushButton::clicked, this, &DialogueCorbeille::ecouter);
    connect(cmdRemettre_, &QPushButton::clicked, this, &DialogueCorbeille::remettre);
    connect(lstCorbeille_, &QTreeWidget::itemDoubleClicked, this, &DialogueCorbeille::ecouter);
    connect(lstCorbeille_, &QTreeWidget::currentItemChanged, this, [this] {
        cmdEcouter_->setEnabled(choisi());
        cmdRemettre_->setEnabled(choisi());
    });
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::accept);
    actualiser();
}

void DialogueCorbeille::actualiser()
{
    jetes_ = corbeille_.lister();
    lstCorbeille_->clear();
    for (const EnregistrementJete &jete : jetes_) {
        const QString niveau = !jete.niveau ? TextesCorbeille::niveauInconnu
                             : jete.niveau->isEmpty() ? TextesCorbeille::sansNiveau
                                                      : *jete.niveau;
        new QTreeWidgetItem(lstCorbeille_,
                            {jete.mot,
                             TextesCorbeille::date.arg(jete.moment.toString(QStringLiteral("dd/MM/yyyy")),
                                                       jete.moment.toString(QStringLiteral("HH:mm"))),
                             niveau});
    }
    if (!jetes_.isEmpty())
        lstCorbeille_->setCurrentItem(lstCorbeille_->topLevelItem(0));
    lblVide_->setVisible(jetes_.isEmpty());
    cmdEcouter_->setEnabled(choisi());
    cmdRemettre_->setEnabled(choisi());
}

const EnregistrementJete *DialogueCorbeille::choisi() const
{
    const int rang = lstCorbeille_->indexOfTopLevelItem(lstCorbeille_->currentItem());
    return rang >= 0 && rang < jetes_.size() ? &jetes_.at(rang) : nullptr;
}

void DialogueCorbeille::ecouter()
{
    if (const EnregistrementJete *jete = choisi())
        plateforme_.son->jouer(corbeille_.chemin(*jete));
}

void DialogueCorbeille::remettre()
{
    const EnregistrementJete *choix = choisi();
    if (!choix)
        return;
    const EnregistrementJete jete = *choix;
    Corbeille::Remise remise = corbeille_.remettre(jete, Remplacement::Jamais);
    if (remise.issue == Corbeille::Issue::Occupe) {
        if (!plateforme_.messages->question(this, TextesCorbeille::titreRemettre,
                                            TextesCorbeille::dejaEnregistre.arg(jete.mot)))
            return;
        remise = corbeille_.remettre(jete, Remplacement::Remplacer);
    }
    if (remise.issue == Corbeille::Issue::Remis) {
        const bool dansLaListe = remis_ && remis_(jete);
        actualiser();
        QString texte = !dansLaListe ? TextesCorbeille::remisSon.arg(jete.mot)
                        : jete.niveau && !jete.niveau->isEmpty()
                            ? TextesCorbeille::remisNiveau.arg(jete.mot, *jete.niveau)
                            : TextesCorbeille::remis.arg(jete.mot);
        switch (remise.phrase) {
        case Corbeille::IssuePhrase::Aucune:
            break;
        case Corbeille::IssuePhrase::Remise:
            texte += TextesCorbeille::phraseRemise.arg(jete.phrase);
            break;
        case Corbeille::IssuePhrase::Gardee:
            texte += TextesCorbeille::phraseGardee.arg(jete.phrase);
            break;
        case Corbeille::IssuePhrase::Echec:
            texte += TextesCorbeille::phraseRatee.arg(jete.phrase, remise.detailPhrase);
            break;
        }
        plateforme_.messages->information(this, TextesCorbeille::titreRemettre, texte);
        return;
    }
    const QString raison = remise.issue == Corbeille::Issue::Occupe ? kEnregistrementExistant : remise.detail;
    plateforme_.messages->information(this, TextesCorbeille::titreRemettre, TextesCorbeille::rate.arg(jete.mot, raison));
}
