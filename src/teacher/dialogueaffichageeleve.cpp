#include "dialogueaffichageeleve.h"

#include "platform/policesjeunes.h"
#include "pupil/polices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

namespace textes {
const QString titre = QStringLiteral("Police de %1");
const QString consigne = QStringLiteral(
    "Comment les mots s'affichent pour %1 pendant les exercices.\n"
    "Chaque choix laissé sur « Comme la classe » suit le réglage de la classe.");
const QString police = QStringLiteral("&Police :");
const QString taille = QStringLiteral("&Hauteur des petites lettres :");
const QString bulleTaille = QStringLiteral(
    " La hauteur des lettres comme a, e, o, x à l'écran de l'élève, quelle que soit la police. ");
const QString espacement = QStringLiteral("&Espacement des lettres :");
const QString commeLaClasse = QStringLiteral("Comme la classe");
const QString commeLaClasseAvec = QStringLiteral("Comme la classe (%1)");
const QString jeunesLecteurs = QStringLiteral("— Pour les jeunes lecteurs et les lecteurs dyslexiques —");
const QString autresPolices = QStringLiteral("— Toutes les autres polices —");
const QString millimetres = QStringLiteral("%1 mm");
// The class's size grows with the screen: at its smallest, this.
const QString auMoins = QStringLiteral("au moins %1");
const QStringList espacements = {QStringLiteral("normal"), QStringLiteral("large"), QStringLiteral("très large")};
const QString apercu = QStringLiteral("bibliothèque");
const QString mesure = QStringLiteral("Aperçu : %1, petites lettres de %2, espacement %3.");
const QString cmdCommeLaClasse = QStringLiteral("Comme la &classe");
const QString bulleCommeLaClasse = QStringLiteral(" Rendre à cet élève la police, la taille et l'espacement de la classe. ");
const QString annuler = QStringLiteral("Annuler");
const QString titreEchec = QStringLiteral("Enregistrement impossible");
const QString resumeClasse = QStringLiteral("comme la classe");
const QString resumePetites = QStringLiteral("petites lettres de %1 mm");
const QString resumeEspacement = QStringLiteral("espacement %1");
}  // namespace textes

// The heights offered; a file may hold another, which is then added.
const QList<double> kHauteursProposees = {4, 5, 6, 7, 8};

// The small letters of the class's size, as the pupil screen draws them at
// its smallest: the size gives those of a print font, never under 5 mm.
double petitesLettresClasseMm(double taille)
{
    return qMax(taille * 0.45 * 25.4 / 72.0, 5.0);
}

QString texteMm(double mm)
{
    return textes::millimetres.arg(QLocale(QLocale::French).toString(mm, 'g', 3));
}

// A line of the list that names a group: shown, never chosen.
void ajouterTitre(QComboBox *liste, const QString &titre)
{
    liste->addItem(titre);
    if (auto *modele = qobject_cast<QStandardItemModel *>(liste->model()))
        modele->item(liste->count() - 1)->setFlags(Qt::NoItemFlags);
}

}  // namespace

DialogueAffichageEleve::DialogueAffichageEleve(const QString &dossierInstallation, const QString &nomEleve,
                                               const ReglageFonte &fonteClasse, Plateforme plateforme,
                                               QWidget *parent)
    : QDialog(parent), dossier_(dossierInstallation), nomEleve_(nomEleve), fonteClasse_(fonteClasse),
      affichageClasse_(lireAffichage(dossierInstallation)), plateforme_(plateforme)
{
    setObjectName(QStringLiteral("dialogueAffichageEleve"));
    setWindowTitle(textes::titre.arg(nomEleve));
    const AffichageEleve actuel = lireAffichageEleve(dossierInstallation, nomEleve);

    auto *consigne = new QLabel(textes::consigne.arg(nomEleve), this);
    consigne->setWordWrap(true);

    cmbPolice_ = new QComboBox(this);
    cmbPolice_->setObjectName(QStringLiteral("cmbPoliceEleve"));
    cmbPolice_->setMaxVisibleItems(20);
    remplirPolices(actuel.police);

    cmbTaille_ = new QComboBox(this);
    cmbTaille_->setObjectName(QStringLiteral("cmbTailleEleve"));
    cmbTaille_->setToolTip(textes::bulleTaille);
    cmbTaille_->addItem(
        textes::commeLaClasseAvec.arg(textes::auMoins.arg(texteMm(petitesLettresClasseMm(fonteClasse.taille)))), 0.0);
    QList<double> hauteurs = kHauteursProposees;
    if (actuel.petitesLettresMm > 0 && !hauteurs.contains(actuel.petitesLettresMm)) {
        hauteurs.append(actuel.petitesLettresMm);
        std::sort(hauteurs.begin(), hauteurs.end());
    }
    for (double mm : hauteurs)
        cmbTaille_->addItem(texteMm(mm), mm);
    cmbTaille_->setCurrentIndex(qMax(0, cmbTaille_->findData(actuel.petitesLettresMm)));

    cmbEspacement_ = new QComboBox(this);
    cmbEspacement_->setObjectName(QStringLiteral("cmbEspacementEleve"));
    cmbEspacement_->addItem(textes::commeLaClasseAvec.arg(textes::espacements[int(affichageClasse_.espacement)]), -1);
    for (int i = 0; i < textes::espacements.size(); ++i)
        cmbEspacement_->addItem(textes::espacements[i], i);
    cmbEspacement_->setCurrentIndex(actuel.espacement ? int(*actuel.espacement) + 1 : 0);

    lblApercu_ = new QLabel(textes::apercu, this);
    lblApercu_->setObjectName(QStringLiteral("lblApercu"));
    lblApercu_->setAlignment(Qt::AlignCenter);
    lblApercu_->setMinimumSize(420, 110);
    lblApercu_->setStyleSheet(QStringLiteral("QLabel#lblApercu { background: #FFFFFF; color: #000000;"
                                             " border: 1px solid #808080; padding: 6px; }"));
    lblMesure_ = new QLabel(this);
    lblMesure_->setObjectName(QStringLiteral("lblMesure"));
    lblMesure_->setWordWrap(true);

    auto *formulaire = new QFormLayout;
    formulaire->addRow(textes::police, cmbPolice_);
    formulaire->addRow(textes::taille, cmbTaille_);
    formulaire->addRow(textes::espacement, cmbEspacement_);
    for (QWidget *champ : {static_cast<QWidget *>(cmbPolice_), static_cast<QWidget *>(cmbTaille_),
                           static_cast<QWidget *>(cmbEspacement_)})
        if (auto *legende = qobject_cast<QLabel *>(formulaire->labelForField(champ)))
            legende->setBuddy(champ);

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOkAffichage"));
    boutons->button(QDialogButtonBox::Cancel)->setText(textes::annuler);
    cmdCommeLaClasse_ = boutons->addButton(textes::cmdCommeLaClasse, QDialogButtonBox::ResetRole);
    cmdCommeLaClasse_->setObjectName(QStringLiteral("cmdCommeLaClasse"));
    cmdCommeLaClasse_->setToolTip(textes::bulleCommeLaClasse);

    auto *colonne = new QVBoxLayout(this);
    colonne->addWidget(consigne);
    colonne->addLayout(formulaire);
    colonne->addWidget(lblApercu_, 1);
    colonne->addWidget(lblMesure_);
    colonne->addWidget(boutons);

    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueAffichageEleve::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &DialogueAffichageEleve::reject);
    connect(cmdCommeLaClasse_, &QPushButton::clicked, this, &DialogueAffichageEleve::revenirALaClasse);
    for (QComboBox *liste : {cmbPolice_, cmbTaille_, cmbEspacement_})
        connect(liste, &QComboBox::currentIndexChanged, this, &DialogueAffichageEleve::actualiserApercu);
    actualiserApercu();
}

void DialogueAffichageEleve::remplirPolices(const QString &actuelle)
{
    cmbPolice_->addItem(textes::commeLaClasseAvec.arg(nomAffichePolice(fonteClasse_.nom)), QString());
    const QStringList familles = plateforme_.polices ? plateforme_.polices->familles() : QStringList();
    const QStringList jeunes = policesJeunesLecteurs(familles);
    if (!jeunes.isEmpty()) {
        ajouterTitre(cmbPolice_, textes::jeunesLecteurs);
        for (const QString &famille : jeunes)
            cmbPolice_->addItem(nomAffichePolice(famille), famille);
        ajouterTitre(cmbPolice_, textes::autresPolices);
    }
    for (const QString &famille : familles)
        if (!jeunes.contains(famille))
            cmbPolice_->addItem(famille, famille);
    // A font that is no longer installed is the class's on the pupil
    // screen: the list says so by showing the class's.
    int indice = 0;
    for (int i = 1; i < cmbPolice_->count() && !actuelle.isEmpty(); ++i)
        if (cmbPolice_->itemData(i).toString().compare(actuelle, Qt::CaseInsensitive) == 0
            || nomSansFonderie(cmbPolice_->itemData(i).toString()).compare(actuelle, Qt::CaseInsensitive) == 0) {
            indice = i;
            break;
        }
    cmbPolice_->setCurrentIndex(indice);
}

AffichageEleve DialogueAffichageEleve::choix() const
{
    AffichageEleve affichage;
    affichage.police = nomSansFonderie(cmbPolice_->currentData().toString());
    affichage.petitesLettresMm = cmbTaille_->currentData().toDouble();
    const int espacement = cmbEspacement_->currentData().toInt();
    if (espacement >= 0)
        affichage.espacement = Espacement(espacement);
    return affichage;
}

void DialogueAffichageEleve::actualiserApercu()
{
    const AffichageExercice vu = resoudreAffichage(choix(), fonteClasse_, affichageClasse_, {});
    const double mm = vu.petitesLettresMm > 0 ? vu.petitesLettresMm : petitesLettresClasseMm(vu.fonte.taille);
    QFont police = policeExerciceAffichee(QFont(vu.fonte.nom));
    police.setLetterSpacing(QFont::PercentageSpacing, pourcentageEspacement(vu.espacement));
    police.setPointSizeF(tailleParPetitesLettres(police, mm * logicalDpiY() / 25.4));
    lblApercu_->setFont(police);
    const QString hauteur = texteMm(mm);
    lblMesure_->setText(textes::mesure.arg(nomAffichePolice(vu.fonte.nom),
                                           vu.petitesLettresMm > 0 ? hauteur : textes::auMoins.arg(hauteur),
                                           textes::espacements[int(vu.espacement)]));
}

bool DialogueAffichageEleve::enregistrer(const AffichageEleve &affichage)
{
    const ResultatEcriture resultat = enregistrerAffichageEleve(dossier_, nomEleve_, affichage);
    if (!resultat.ok && plateforme_.messages)
        plateforme_.messages->information(this, textes::titreEchec, resultat.message());
    return resultat.ok;
}

void DialogueAffichageEleve::accept()
{
    if (enregistrer(choix()))
        QDialog::accept();
}

void DialogueAffichageEleve::revenirALaClasse()
{
    if (enregistrer({}))
        QDialog::accept();
}

QString DialogueAffichageEleve::resume(const AffichageEleve &affichage)
{
    if (affichage.commeLaClasse())
        return textes::resumeClasse;
    QStringList parties;
    if (!affichage.police.isEmpty())
        parties << nomAffichePolice(affichage.police);
    if (affichage.petitesLettresMm > 0)
        parties << textes::resumePetites.arg(QLocale(QLocale::French).toString(affichage.petitesLettresMm, 'g', 3));
    if (affichage.espacement)
        parties << textes::resumeEspacement.arg(textes::espacements[int(*affichage.espacement)]);
    return parties.join(QStringLiteral(", "));
}
