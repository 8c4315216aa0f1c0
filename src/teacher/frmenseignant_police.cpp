// The exercise font choice of the teacher window: the fonts for young
// readers first, then every font; and the room between the letters.
#include "data/affichage.h"
#include "data/reglageorthographe.h"
#include "data/reglagephrase.h"
#include "frmenseignant.h"
#include "platform/etiquettecliquable.h"
#include "platform/policesjeunes.h"
#include "taillepolice.h"
#include "vuemots.h"
#include "textesenseignant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

const QString kTitreJeunesLecteurs = QStringLiteral("— Pour les jeunes lecteurs et les lecteurs dyslexiques —");
const QString kTitreAutresPolices = QStringLiteral("— Toutes les autres polices —");
const QString kEspacement = QStringLiteral("Espacement des lettres :");
const QString kBulleEspacement = QStringLiteral(
    " Plus d'espace entre les lettres du modèle et de la réponse aide certains lecteurs débutants ou dyslexiques. ");
const QStringList kChoixEspacement = {QStringLiteral("normal"), QStringLiteral("large"),
                                      QStringLiteral("très large")};
const QString kTitreAffichage = QStringLiteral("Enregistrement impossible");
const QString kOrthographe = QStringLiteral("Orthographe :");
const QString kBulleOrthographe = QStringLiteral(
    " L'orthographe que montrent les modèles. « Les deux acceptées » : le mot tel qu'il est dans la liste,"
    " et l'autre orthographe (île ou ile, oignon ou ognon) est aussi juste. ");
const QString kPhraseATrou = QStringLiteral("Montrer la phrase avec un trou");
const QString kBullePhraseATrou = QStringLiteral(
    " Pendant l'exercice, la phrase du mot est aussi écrite, le mot remplacé par un trou"
    " (« j'ai mal à une ____ »). Une phrase qui ne contient pas le mot n'est pas montrée. ");
// In the order of ReglageOrthographe.
const QStringList kChoixOrthographe = {QStringLiteral("traditionnelle"), QStringLiteral("rectifiée (1990)"),
                                       QStringLiteral("les deux acceptées")};

// A line of the list that names a group: shown, never chosen.
void ajouterTitre(QComboBox *liste, const QString &titre)
{
    liste->addItem(titre);
    auto *modele = qobject_cast<QStandardItemModel *>(liste->model());
    if (!modele)
        return;
    QStandardItem *ligne = modele->item(liste->count() - 1);
    ligne->setFlags(Qt::NoItemFlags);
    QFont gras = liste->font();
    gras.setBold(true);
    ligne->setFont(gras);
}
// Every opening starts the working copy from this font.
QFont policeTestInitiale()
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(15.75);
    police.setBold(true);
    return police;
}
}  // namespace

QWidget *FrmEnseignant::construirePolice()
{
    auto *zone = new QWidget(this);
    zone->setObjectName(QStringLiteral("zonePolice"));
    auto *colonne = new QVBoxLayout(zone);
    colonne->setContentsMargins(0, 0, 0, 0);

    auto *consigne = new QLabel(TextesEnseignant::consignePolice, zone);
    consigne->setObjectName(QStringLiteral("lblConsignePolice"));
    consigne->setWordWrap(true);
    QPalette rouge = consigne->palette();
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    consigne->setPalette(rouge);
    QFont gras = consigne->font();
    gras.setBold(true);
    consigne->setFont(gras);

    cmbPolices_ = new QComboBox(zone);
    cmbPolices_->setObjectName(QStringLiteral("cmbPolices"));
    cmbPolices_->setEditable(true);
    // A typed name is used as it is, never added to the list.
    cmbPolices_->setInsertPolicy(QComboBox::NoInsert);
    cmbPolices_->setToolTip(TextesEnseignant::bullePolices);
    cmbPolices_->setMaxVisibleItems(20);

    colonne->addWidget(consigne);
    colonne->addWidget(cmbPolices_);

    // Saved at once in its own file: Fonte.dat keeps its two values.
    auto *ligneEspacement = new QHBoxLayout;
    auto *legende = new QLabel(kEspacement, zone);
    auto *espacement = new QComboBox(zone);
    espacement->setObjectName(QStringLiteral("cmbEspacement"));
    espacement->setToolTip(kBulleEspacement);
    espacement->addItems(kChoixEspacement);
    espacement->setCurrentIndex(int(lireAffichage(etat_.dossierInstallation).espacement));
    legende->setBuddy(espacement);
    ligneEspacement->addWidget(legende);
    ligneEspacement->addWidget(espacement, 1);
    colonne->addLayout(ligneEspacement);
    connect(espacement, &QComboBox::currentIndexChanged, this, [this](int choix) {
        ReglagesAffichage reglages = lireAffichage(etat_.dossierInstallation);
        reglages.espacement = Espacement(qBound(0, choix, 2));
        const ResultatEcriture resultat = enregistrerAffichage(etat_.dossierInstallation, reglages);
        if (!resultat.ok)
            plateforme_.messages->information(this, kTitreAffichage, resultat.message());
    });

    // The class's spelling, saved at once in its own file too.
    auto *ligneOrthographe = new QHBoxLayout;
    auto *legendeOrthographe = new QLabel(kOrthographe, zone);
    auto *orthographe = new QComboBox(zone);
    orthographe->setObjectName(QStringLiteral("cmbOrthographe"));
    orthographe->setToolTip(kBulleOrthographe);
    orthographe->addItems(kChoixOrthographe);
    orthographe->setCurrentIndex(int(lireReglageOrthographe(etat_.dossierInstallation)));
    legendeOrthographe->setBuddy(orthographe);
    ligneOrthographe->addWidget(legendeOrthographe);
    ligneOrthographe->addWidget(orthographe, 1);
    colonne->addLayout(ligneOrthographe);
    connect(orthographe, &QComboBox::currentIndexChanged, this, [this, orthographe](int choix) {
        const ResultatEcriture resultat
            = enregistrerReglageOrthographe(etat_.dossierInstallation, ReglageOrthographe(qBound(0, choix, 2)));
        if (resultat.ok)
            return;
        plateforme_.messages->information(this, kTitreAffichage, resultat.message());
        // The list shows what the pupils will get.
        const QSignalBlocker silence(orthographe);
        orthographe->setCurrentIndex(int(lireReglageOrthographe(etat_.dossierInstallation)));
    });

    // The sentences written with a gap in the exercise: a class file too.
    auto *phraseATrou = new QCheckBox(kPhraseATrou, zone);
    phraseATrou->setObjectName(QStringLiteral("chkPhraseATrou"));
    phraseATrou->setToolTip(kBullePhraseATrou);
    phraseATrou->setChecked(lireReglagePhraseATrou(etat_.dossierInstallation));
    colonne->addWidget(phraseATrou);
    connect(phraseATrou, &QCheckBox::toggled, this, [this, phraseATrou](bool montrer) {
        const ResultatEcriture resultat = enregistrerReglagePhraseATrou(etat_.dossierInstallation, montrer);
        if (resultat.ok)
            return;
        plateforme_.messages->information(this, kTitreAffichage, resultat.message());
        const QSignalBlocker silence(phraseATrou);
        phraseATrou->setChecked(lireReglagePhraseATrou(etat_.dossierInstallation));
    });

    // Two hidden helpers: the working copy of the font, and the height that
    // one line of it may not exceed.
    lblTestPolice_ = new QLabel(TextesEnseignant::testPolice, this);
    lblTestPolice_->setObjectName(QStringLiteral("lblTestPolice"));
    lblTestPolice_->hide();
    lblTaille_ = new QLabel(this);
    lblTaille_->setObjectName(QStringLiteral("lblTaille"));
    lblTaille_->setFixedHeight(logicalDpiY() * kHauteurReferenceTwips / 1440);
    lblTaille_->hide();

    connect(cmbPolices_, &QComboBox::editTextChanged, this, &FrmEnseignant::changerTextePolice);
    connect(cmbPolices_, &QComboBox::textActivated, this, &FrmEnseignant::choisirPolice);
    return zone;
}

void FrmEnseignant::remplirPolices()
{
    lblTestPolice_->setFont(policeTestInitiale());
    {
        const QSignalBlocker silence(cmbPolices_);
        const QStringList familles = plateforme_.polices->familles();
        const QStringList jeunes = policesJeunesLecteurs(familles);
        if (!jeunes.isEmpty()) {
            ajouterTitre(cmbPolices_, kTitreJeunesLecteurs);
            for (const QString &famille : jeunes)
                cmbPolices_->addItem(nomAffichePolice(famille));
            ajouterTitre(cmbPolices_, kTitreAutresPolices);
        }
        for (const QString &famille : familles)
            if (!jeunes.contains(famille))
                cmbPolices_->addItem(famille);
        // The current line is the saved font (or none): a list left on a
        // heading or another font would "choose" the typed name when the box
        // loses the focus, even while the window closes.
        cmbPolices_->setCurrentIndex(cmbPolices_->findText(nomAffichePolice(etat_.policeExercice.nom)));
    }
    // The text-change rule gives the name to the working copy.
    cmbPolices_->setEditText(nomAffichePolice(etat_.policeExercice.nom));
    changerTextePolice(cmbPolices_->currentText());
    appliquerPoliceMots(familleDuNomAffiche(cmbPolices_->currentText()), etat_.policeExercice.taille);
}

void FrmEnseignant::changerTextePolice(const QString &nom)
{
    QFont police = lblTestPolice_->font();
    police.setFamily(familleDuNomAffiche(nom));
    lblTestPolice_->setFont(police);
}

void FrmEnseignant::choisirPolice(const QString &nomAffiche)
{
    const QString nom = familleDuNomAffiche(nomAffiche);
    QFont police = lblTestPolice_->font();
    police.setFamily(nom);
    const double taille = chercherTaillePolice([this, &police](double essai) {
        police.setPointSizeF(essai);
        return plateforme_.polices->hauteurLigneTwips(police);
    });
    police.setPointSizeF(taille);
    lblTestPolice_->setFont(police);
    appliquerPoliceMots(nom, taille);
}

void FrmEnseignant::appliquerPoliceMots(const QString &nom, double taille)
{
    QFont police = vueMots_->font();
    police.setFamily(nom);
    police.setPointSizeF(taille);
    police.setItalic(false);
    vueMots_->setPoliceMots(police);
}
