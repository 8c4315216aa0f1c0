#include "frmorthoval.h"

#include "data/eleves.h"
#include "platform/systeme.h"
#include "teacher/aide.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString kTitre = QStringLiteral("OrthoVal : j'apprends à écrire les mots.");
const QString kTexteEleve = QStringLiteral("&Élève");
const QString kTexteMaitre = QStringLiteral("En&seignant");
const QString kBulleMaitre = QStringLiteral(" Vous permet d'affecter des coefficients de difficulté. ");
const QString kTexteQuitter = QStringLiteral("&Quitter");
const QString kTitreCadre = QStringLiteral("Avertissement");

// %1: the sound folder of this installation, as the system writes paths.
// « » around the names of the program's own buttons.
const QString kLabel1 = QStringLiteral(
    "Lors de la première utilisation, ouvrez le module « Enseignant » afin de créer la liste "
    "des élèves et de donner un niveau aux mots à étudier.\n"
    "Pour ajouter vos propres mots, cliquez dans ce module sur « Ajouter des mots… » : l'ordinateur "
    "prononce chaque mot et l'enregistre dans la bibliothèque \"Sons\" (répertoire \"%1\"). "
    "Donnez-leur ensuite un niveau de difficulté.");
const QString kAffichage = QStringLiteral(
    "Orthoval nécessite un affichage de 800x600 ou plus, en 16,7 millions de couleurs (24 bits) "
    "pour un meilleur confort.");
// Only Windows has this task bar; other desktops place their panels otherwise.
const QString kBarreDesTachesWindows = QStringLiteral(
    "De plus, il est préférable de régler la barre des tâches de Windows en choisissant "
    "l'option \"Masquer automatiquement\" : --> clic droit sur la barre des tâches, puis "
    "\"Propriétés\", puis \"Masquer automatiquement\".");
// %1: the full documentation installed with the program.
const QString kLabel2_1 = QStringLiteral(
    "Pour tout renseignement complémentaire : dans le module « Enseignant », la touche F1 ou le "
    "bouton « Aide » ouvre le guide de l'enseignant. La documentation complète d'OrthoVal (en "
    "anglais) est dans le fichier \"%1\".");

// Where the package puts the documentation, seen from the program in
// <prefix>/libexec/orthoval; a copied installation folder keeps it beside
// the program. The package's place is named when neither is found.
const QString kDocumentationPaquet = QStringLiteral("/usr/share/doc/orthoval/README");
const QString kDocumentationDepuisProgramme = QStringLiteral("../../share/doc/orthoval/README");
const QString kDocumentationDossier = QStringLiteral("README");

QString trouverDocumentation(const QString &dossierProgramme)
{
    if (dossierProgramme.isEmpty())
        return kDocumentationPaquet;
    const QDir programme(dossierProgramme);
    for (const QString &chemin : {kDocumentationDepuisProgramme, kDocumentationDossier}) {
        const QFileInfo documentation(programme.filePath(chemin));
        if (documentation.isFile())
            return QDir::cleanPath(documentation.absoluteFilePath());
    }
    return kDocumentationPaquet;
}

QString texteAffichage()
{
    return kSousWindows ? kAffichage + u'\n' + kBarreDesTachesWindows : kAffichage;
}

const QString kTitreSansEleve = QStringLiteral("Pas de fichier Élèves");
const QString kTexteSansEleve = QStringLiteral(
    "Aucun élève inscrit. Vous devez d'abord créer un fichier élève\n"
    "en ouvrant le module Enseignant.\n");

const QString kTitreSansSons = QStringLiteral("Bibliothèque sonore absente");
// %1: the program's folder, where Sons.exe must be; %2: the data folder.
const QString kTexteSansSons = QStringLiteral(
    "Le dossier \"Sons\" de la bibliothèque sonore est absent et n'a pas pu être installé.\n"
    "Vérifiez que le programme \"Sons.exe\" se trouve à côté du programme OrthoVal (dossier \"%1\")\n"
    "et que le dossier des données (\"%2\") n'est pas protégé en écriture.\n");

QLabel *creerTexte(const QString &nom, const QString &texte, QWidget *parent)
{
    auto *label = new QLabel(texte, parent);
    label->setObjectName(nom);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont police = label->font();
    police.setPointSizeF(police.pointSizeF() * 1.1);
    police.setBold(false);
    label->setFont(police);
    return label;
}

QPushButton *creerPorte(const QString &nom, const QString &texte, QWidget *parent)
{
    auto *bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    QFont police = bouton->font();
    police.setPointSizeF(police.pointSizeF() * 1.4);
    police.setBold(true);
    bouton->setFont(police);
    bouton->setMinimumHeight(60);
    bouton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return bouton;
}

} // namespace

FrmOrthoval::FrmOrthoval(EtatProgramme &etat, Plateforme plateforme, QWidget *parent)
    : QWidget(parent), etat_(etat), plateforme_(plateforme), fenetres_(fenetresModalesQt())
{
    construire();
    demarrer();
}

void FrmOrthoval::remplacerFenetres(FenetresModales fenetres)
{
    fenetres_ = std::move(fenetres);
}

void FrmOrthoval::construire()
{
    setObjectName(QStringLiteral("frmOrthoval"));
    setWindowTitle(kTitre);
    // The gradient covers every pixel: no need for the default background.
    setAttribute(Qt::WA_OpaquePaintEvent);

    cmdEleve_ = creerPorte(QStringLiteral("cmdEleve"), kTexteEleve, this);
    cmdMaitre_ = creerPorte(QStringLiteral("cmdMaitre"), kTexteMaitre, this);
    cmdMaitre_->setToolTip(kBulleMaitre);
    cmdQuitter_ = creerPorte(QStringLiteral("cmdQuitter"), kTexteQuitter, this);
    connect(cmdEleve_, &QPushButton::clicked, this, &FrmOrthoval::cliquerEleve);
    // The mnemonic of "&Élève" is Alt+É, which most keyboards cannot type:
    // Alt+E opens the pupil window too.
    auto *altE = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this);
    connect(altE, &QShortcut::activated, cmdEleve_, &QPushButton::animateClick);
    connect(cmdMaitre_, &QPushButton::clicked, this, &FrmOrthoval::cliquerMaitre);
    connect(cmdQuitter_, &QPushButton::clicked, this, [this] { fenetres_.terminer(); });

    auto *portes = new QHBoxLayout;
    portes->setSpacing(16);
    portes->addWidget(cmdEleve_);
    portes->addWidget(cmdMaitre_);
    portes->addWidget(cmdQuitter_);

    // The notices sit on plain panels so that the text stays readable over
    // the gradient.
    auto *frame1 = new QGroupBox(kTitreCadre, this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setAutoFillBackground(true);
    QFont titreCadre = frame1->font();
    titreCadre.setBold(true);
    frame1->setFont(titreCadre);
    auto *dansFrame1 = new QVBoxLayout(frame1);
    const QString sons = QDir::toNativeSeparators(QDir(etat_.dossierInstallation).filePath(QStringLiteral("Sons")));
    dansFrame1->addWidget(creerTexte(QStringLiteral("Label1"), lierPonctuation(kLabel1).arg(sons), frame1));

    auto *informations = new QFrame(this);
    informations->setObjectName(QStringLiteral("cadreInformations"));
    informations->setFrameShape(QFrame::StyledPanel);
    informations->setAutoFillBackground(true);
    auto *dansInformations = new QVBoxLayout(informations);
    dansInformations->setSpacing(10);
    dansInformations->addWidget(creerTexte(QStringLiteral("Label2_0"), texteAffichage(), informations));
    const QString documentation = QDir::toNativeSeparators(trouverDocumentation(etat_.dossierProgramme));
    lblDocumentation_ = creerTexte(QStringLiteral("Label2_1"), lierPonctuation(kLabel2_1).arg(documentation), informations);
    dansInformations->addWidget(lblDocumentation_);
    lblDonnees_ = creerTexte(QStringLiteral("lblDonnees"), QString(), informations);
    lblDonnees_->hide();
    dansInformations->addWidget(lblDonnees_);

    lblPolice_ = new QLabel(QStringLiteral("AaBb"), this);
    lblPolice_->setObjectName(QStringLiteral("lblPolice"));
    lblPolice_->hide();

    // The doors first and large; the notices below, read once.
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(24, 24, 24, 24);
    page->setSpacing(16);
    page->addStretch(1);
    page->addLayout(portes);
    page->addStretch(1);
    page->addWidget(frame1);
    page->addWidget(informations);

    resize(760, 540);
}

void FrmOrthoval::afficherDossierDonnees(const QString &texte)
{
    lblDonnees_->setText(texte);
    lblDonnees_->setVisible(!texte.isEmpty());
}

void FrmOrthoval::demarrer()
{
    const QString &dossier = etat_.dossierInstallation;
    eleves_ = listerEleves(dossier);
    installerSonsAuDemarrage(dossier, etat_.dossierProgramme, *plateforme_.lanceur);
    etat_.policeExercice = lirePoliceExercice(dossier);
    afficherPolice();
}

void FrmOrthoval::afficherPolice()
{
    QFont police(etat_.policeExercice.nom);
    police.setPointSizeF(etat_.policeExercice.taille);
    lblPolice_->setFont(police);
}

bool FrmOrthoval::event(QEvent *evenement)
{
    if (evenement->type() == QEvent::WindowActivate)
        activer();
    return QWidget::event(evenement);
}

// Also called when a modal window returns, since a window manager may not
// report the activation.
void FrmOrthoval::activer()
{
    update();
    cmdMaitre_->unsetCursor();
    eleves_ = listerEleves(etat_.dossierInstallation);
    afficherPolice();
}

// The paths become selectable (to copy into a file manager) once the window
// shows: a selectable label lays its text out as a document, which costs as
// much as the rest of the notices and draws the same.
void FrmOrthoval::finirAffichage()
{
    lblDocumentation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDonnees_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    emit affichee();
}

void FrmOrthoval::paintEvent(QPaintEvent *)
{
    if (!std::exchange(peinte_, true))
        QTimer::singleShot(0, this, &FrmOrthoval::finirAffichage);
    QPainter peintre(this);
    const int largeur = width();
    const int hauteur = height();
    // 256 bands from pure blue at the top to cyan at the bottom; rounding the
    // bounds up gives row y the band y * 256 / height, whatever the height.
    for (int i = 0; i < 256; ++i) {
        const int haut = (i * hauteur + 255) / 256;
        const int bas = ((i + 1) * hauteur + 255) / 256;
        if (bas > haut)
            peintre.fillRect(0, haut, largeur, bas - haut, QColor(0, i, 255));
    }
}

void FrmOrthoval::cliquerEleve()
{
    if (eleves_.isEmpty()) {
        plateforme_.messages->information(this, kTitreSansEleve, kTexteSansEleve);
        return;
    }
    const bool sansListeMots = fenetres_.eleve(etat_, plateforme_, this);
    activer();
    // The pupil window closed itself: the words have no level yet, so the
    // teacher is asked in.
    if (sansListeMots)
        ouvrirPorteEnseignant();
}

void FrmOrthoval::cliquerMaitre()
{
    cmdMaitre_->setCursor(Qt::WaitCursor);
    if (!installerSonsPourEnseignant(etat_.dossierInstallation, etat_.dossierProgramme, *plateforme_.lanceur))
        plateforme_.messages->information(
            this, kTitreSansSons,
            kTexteSansSons.arg(QDir::toNativeSeparators(etat_.dossierProgramme),
                               QDir::toNativeSeparators(etat_.dossierInstallation)));
    ouvrirPorteEnseignant();
}

void FrmOrthoval::ouvrirPorteEnseignant()
{
    cmdMaitre_->setCursor(Qt::WaitCursor);
    cmdMaitre_->repaint();
    passerPorteEnseignant(etat_, plateforme_, this, fenetres_);
    activer();
}
