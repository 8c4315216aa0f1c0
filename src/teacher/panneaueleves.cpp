#include "panneaueleves.h"

#include "data/affichageeleve.h"
#include "data/bilan.h"
#include "data/eleves.h"
#include "data/etatprogramme.h"
#include "data/sauvegardes.h"
#include "data/verrou.h"
#include "dialogueaffichageeleve.h"
#include "textesenseignant.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

namespace textes_affichage {
const QString bouton = QStringLiteral("P&olice...");
const QString bulle = QStringLiteral(
    " Choisir pour cet élève une autre police, une autre taille ou un autre espacement que ceux de la classe. ");
const QString etat = QStringLiteral("Police de l'élève : %1");
const QString disparu = QStringLiteral("L'élève « %1 » n'existe plus : la liste est mise à jour.");
const QString revenu = QStringLiteral("\nSon réglage de police est revenu aussi.");
}  // namespace textes_affichage

QPushButton *bouton(const QString &texte, const char *nom, QWidget *parent)
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setAutoDefault(false);   // Enter belongs to the name field
    return b;
}
}  // namespace

PanneauEleves::PanneauEleves(const QString &dossierInstallation, Plateforme plateforme,
                             QWidget *parent)
    : QGroupBox(TextesEleves::titre, parent), dossier_(dossierInstallation), plateforme_(plateforme)
{
    setObjectName(QStringLiteral("frameEleves"));
    setAutoFillBackground(true);   // it hides the level list beneath it
    QFont police = font();
    police.setPointSizeF(11);
    setFont(police);

    cmbEleves_ = new QComboBox(this);
    cmbEleves_->setObjectName(QStringLiteral("cmbEleves"));
    cmbEleves_->setEditable(false);
    cmbEleves_->setMinimumWidth(320);

    cmdAjouter_ = bouton(TextesEleves::ajouter, "cmdAjouter", this);
    cmdSupprimer_ = bouton(TextesEleves::supprimer, "cmdSupprimer", this);
    cmdTermine_ = bouton(TextesEleves::terminer, "cmdTermine", this);
    cmdRestaurer_ = bouton(TextesEleves::restaurer, "cmdRestaurer", this);
    cmdRestaurer_->setToolTip(TextesEleves::bulleRestaurer);
    cmdAffichage_ = bouton(textes_affichage::bouton, "cmdPoliceEleve", this);
    cmdAffichage_->setToolTip(textes_affichage::bulle);
    lblAffichage_ = new QLabel(this);
    lblAffichage_->setObjectName(QStringLiteral("lblPoliceEleve"));

    frameSaisie_ = new QFrame(this);
    frameSaisie_->setObjectName(QStringLiteral("frameSaisie"));
    frameSaisie_->setFrameShape(QFrame::StyledPanel);
    auto *consigne = new QLabel(TextesEleves::consigne, frameSaisie_);
    consigne->setObjectName(QStringLiteral("lblSaisie"));
    txtEleve_ = new QLineEdit(frameSaisie_);
    txtEleve_->setObjectName(QStringLiteral("txtEleve"));
    txtEleve_->setStyleSheet(QStringLiteral("QLineEdit{color: rgb(0,0,128); background: rgb(0,255,255);}"));
    cmdOk_ = bouton(TextesEleves::ok, "cmdOkEleve", frameSaisie_);
    auto *saisie = new QVBoxLayout(frameSaisie_);
    saisie->addWidget(consigne);
    auto *ligneSaisie = new QHBoxLayout;
    ligneSaisie->addWidget(txtEleve_, 1);
    ligneSaisie->addWidget(cmdOk_);
    saisie->addLayout(ligneSaisie);
    frameSaisie_->hide();

    auto *colonne = new QVBoxLayout;
    colonne->setSpacing(12);
    colonne->addWidget(cmbEleves_);
    colonne->addWidget(lblAffichage_);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(cmdAjouter_);
    boutons->addWidget(cmdSupprimer_);
    boutons->addWidget(cmdRestaurer_);
    boutons->addWidget(cmdAffichage_);
    boutons->addStretch();
    boutons->addWidget(cmdTermine_);
    colonne->addLayout(boutons);
    colonne->addWidget(frameSaisie_);

    auto *centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addLayout(colonne, 2);
    centre->addStretch(1);
    auto *page = new QVBoxLayout(this);
    page->addStretch(1);
    page->addLayout(centre);
    page->addStretch(2);

    connect(cmdAjouter_, &QPushButton::clicked, this, &PanneauEleves::ajouter);
    connect(cmdOk_, &QPushButton::clicked, this, &PanneauEleves::valider);
    connect(txtEleve_, &QLineEdit::returnPressed, this, &PanneauEleves::valider);
    connect(cmdSupprimer_, &QPushButton::clicked, this, &PanneauEleves::supprimer);
    connect(cmdRestaurer_, &QPushButton::clicked, this, &PanneauEleves::restaurer);
    connect(cmdTermine_, &QPushButton::clicked, this, &PanneauEleves::terminer);
    connect(cmdAffichage_, &QPushButton::clicked, this, &PanneauEleves::choisirAffichage);
    connect(cmbEleves_, &QComboBox::currentIndexChanged, this, &PanneauEleves::actualiserAffichage);
    hide();
}

void PanneauEleves::ouvrir()
{
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    remplirListe();
    show();
    raise();
    cmbEleves_->setFocus();
}

void PanneauEleves::remplirListe(const QString &aSelectionner)
{
    cmbEleves_->clear();
    cmbEleves_->addItems(listerEleves(dossier_));
    const int trouve = cmbEleves_->findText(aSelectionner, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    cmbEleves_->setCurrentIndex(trouve >= 0 ? trouve : (cmbEleves_->count() > 0 ? 0 : -1));
}

void PanneauEleves::ajouter()
{
    cmdAjouter_->setEnabled(false);
    cmdSupprimer_->setEnabled(false);
    frameSaisie_->show();
    txtEleve_->setFocus();
}

void PanneauEleves::valider()
{
    cmdAjouter_->setEnabled(true);
    cmdSupprimer_->setEnabled(true);
    const QString nom = txtEleve_->text().trimmed();
    if (nom.isEmpty())
        return;
    // An unusable name leaves the entry open with what was typed, to be corrected.
    const QString raison = raisonNomEleveRefuse(nom);
    if (!raison.isEmpty()) {
        signaler(TextesEleves::titreNomRefuse, raison);
        return;
    }
    // "Paul" beside "paul" would be one file on Windows and two identical
    // names for a child to choose from.
    for (const QString &existant : listerEleves(dossier_)) {
        if (existant != nom && existant.compare(nom, Qt::CaseInsensitive) == 0) {
            signaler(TextesEleves::titreNomRefuse, TextesEleves::casseDifferente.arg(existant, nom));
            return;
        }
    }
    const ResultatEcriture resultat = creerEleve(dossier_, nom);
    if (!resultat.ok) {
        signaler(TextesEleves::titreFichier, resultat.message());
        return;
    }
    remplirListe(nom);
    frameSaisie_->hide();
    txtEleve_->clear();
}

void PanneauEleves::supprimer()
{
    const QString nom = cmbEleves_->currentText();
    if (nom.isEmpty())
        return;
    if (!plateforme_.messages->question(this, TextesEleves::titreAvertissement,
                                        TextesEleves::confirmation.arg(nom)))
        return;
    // Held until the file is gone, so that the pupil cannot come in meanwhile.
    const Verrou verrou(cheminVerrouEleve(dossier_, nom));
    if (verrou.occupe()) {
        signaler(textes_verrou::kTitreSuppressionImpossible, textes_verrou::suppressionImpossible(nom, verrou));
        return;
    }
    QString journal;
    const ResultatEcriture resultat = supprimerEleve(dossier_, nom, &journal);
    if (!resultat.ok)
        signaler(TextesEleves::titreFichier, resultat.message());
    else if (!journal.isEmpty())
        signaler(TextesEleves::titreSupprime,
                 TextesEleves::journalRange.arg(nom, QDir::toNativeSeparators(QDir(dossier_).filePath(kDossierSauvegardes)), journal));
    remplirListe();
}

void PanneauEleves::restaurer()
{
    const QString nom = cmbEleves_->currentText();
    if (nom.isEmpty())
        return;
    const QString fichier = nom + kExtensionBilan;
    const QStringList copies = listerSauvegardes(dossier_, fichier);
    if (copies.isEmpty()) {
        signaler(TextesEleves::titreRestaurer, TextesEleves::aucuneCopie.arg(nom));
        return;
    }
    QStringList libelles;
    for (const QString &copie : copies) {
        const QDateTime moment = momentSauvegarde(copie);
        libelles << TextesEleves::copieDu.arg(moment.toString(QStringLiteral("dd/MM/yyyy")),
                                               moment.toString(QStringLiteral("HH:mm:ss")));
    }
    const int choix = plateforme_.messages->choisir(this, TextesEleves::titreRestaurer,
                                                   TextesEleves::choisirCopie.arg(nom), libelles);
    if (choix < 0 || choix >= copies.size())
        return;
    // Held while the file is replaced: a visit saving at the same time would
    // undo the restoring.
    const Verrou verrou(cheminVerrouEleve(dossier_, nom));
    if (verrou.occupe()) {
        signaler(textes_verrou::kTitreRestaurationImpossible, textes_verrou::restaurationImpossible(nom, verrou));
        return;
    }
    const ResultatEcriture resultat = restaurerSauvegarde(dossier_, fichier, copies[choix]);
    if (!resultat.ok)
        signaler(TextesEleves::titreFichier, resultat.message());
    else
        signaler(TextesEleves::titreRestaurer,
                 TextesEleves::copieRestauree.arg(nom, libelles[choix].toLower())
                     + (ramenerAffichageEleve(dossier_, nom) ? textes_affichage::revenu : QString()));
    actualiserAffichage();
}

void PanneauEleves::choisirAffichage()
{
    const QString nom = cmbEleves_->currentText();
    if (nom.isEmpty())
        return;
    // Deleted from another computer meanwhile: a setting written now would
    // be taken by the next pupil given that name.
    if (!QFileInfo(cheminBilan(dossier_, nom)).isFile()) {
        signaler(TextesEleves::titreFichier, textes_affichage::disparu.arg(nom));
        remplirListe();
        return;
    }
    // The class's font as saved: the pupil screen starts from it.
    const ReglageFonte classe = lireFonte(dossier_).value_or(kPoliceExerciceParDefaut);
    auto *dialogue = new DialogueAffichageEleve(dossier_, nom, classe, plateforme_, this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogue, &QDialog::finished, this, &PanneauEleves::actualiserAffichage);
    dialogue->open();
}

void PanneauEleves::actualiserAffichage()
{
    const QString nom = cmbEleves_->currentText();
    cmdAffichage_->setEnabled(!nom.isEmpty());
    lblAffichage_->setText(nom.isEmpty() ? QString()
                                         : textes_affichage::etat.arg(DialogueAffichageEleve::resume(
                                               lireAffichageEleve(dossier_, nom))));
}

void PanneauEleves::terminer()
{
    hide();
}

void PanneauEleves::signaler(const QString &titre, const QString &texte)
{
    plateforme_.messages->information(this, titre, texte);
}
