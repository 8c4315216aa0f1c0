// The visit: opening, "Qui es-tu ?", bringing the pupil's table up to date,
// and leaving with saving.
#include "frmeleve.h"

#include "data/affichage.h"
#include "data/affichageeleve.h"
#include "data/bilan.h"
#include "data/eleves.h"
#include "data/journal.h"
#include "data/enregistrement.h"
#include "data/reglageorthographe.h"
#include "data/reglagephrase.h"
#include "data/verrou.h"
#include "clavierlettres.h"
#include "exercice/motsfrancais.h"
#include "exercice/seance.h"
#include "ecranexercice.h"
#include "orthographeeleve.h"
#include "platform/etiquettecliquable.h"
#include "platform/synthesechargee.h"
#include "polices.h"
#include "textes.h"
#include "zonereponse.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace textes_eleve;

FrmEleve::FrmEleve(EtatProgramme &etat, Plateforme plateforme, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      etat_(etat), plateforme_(plateforme)
{
    setObjectName(QStringLiteral("frmEleve"));
    setWindowTitle(kTitreFenetre);
    setModal(true);

    ecran_ = new EcranExercice(Echelle::pourDpi(logicalDpiX()), this);
    auto *grille = new QGridLayout(this);
    grille->setContentsMargins(8, 8, 8, 8);
    grille->addWidget(ecran_, 0, 0);
    setMinimumSize(ecran_->tailleDessin() + QSize(16, 16));
    resize(minimumSize());
    // The screen grows with the window: a larger screen is used whole.
    if (plateforme_.ecran) {
        const QSize disponible = plateforme_.ecran->taille();
        if (disponible.width() > width() || disponible.height() > height()) {
            // Without a window manager to maximise it, the window still
            // takes the screen.
            resize(minimumSize().expandedTo(disponible));
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    }

    construireIdentification();
    construireMiseAJour();
    seance_ = new Seance(fgEleve_, [this] { return plateforme_.horloge->aujourdhui(); }, this);
    // The speech module is loaded at the first use, never while the window opens.
    SourcePhonemes source{[](const QString &mot) { return phonemesChargees().phonemes(mot); }, {}};
    source = ajouterHomophones(std::move(source), etat_.dossierProgramme);
    preparerEnArrierePlan(source);
    seance_->definirSourcePhonemes(std::move(source));
    seance_->choisirFormes(formesPourVisite(lireReglageOrthographe(etat_.dossierInstallation), etat_.dossierProgramme));
    relierSeance();

    appliquerAffichage();

    connect(ecran_->txtMot, &ZoneReponse::validationDemandee, this, &FrmEleve::valider);
    connect(ecran_->cmdOk, &QPushButton::clicked, this, &FrmEleve::valider);
    connect(ecran_->cmdSuivant, &QPushButton::clicked, this, &FrmEleve::suivant);
    connect(ecran_->cmdQuitter, &QPushButton::clicked, this, &FrmEleve::quitter);
    connect(ecran_->clavier, &ClavierLettres::toucheCliquee, ecran_->txtMot, &ZoneReponse::insererTouche);
    connect(ecran_->imgSon, &EtiquetteCliquable::clique, this, &FrmEleve::cliquerSon);
    connect(ecran_->imgPhrase, &EtiquetteCliquable::clique, this, &FrmEleve::cliquerPhrase);
    connect(ecran_->cmdImprimer, &QToolButton::clicked, this, &FrmEleve::imprimer);

    chargerListeMots();
}

FrmEleve::~FrmEleve() = default;

void FrmEleve::construireIdentification()
{
    frameEleve_ = new QGroupBox(kQuiEsTu, this);
    frameEleve_->setObjectName(QStringLiteral("frameEleve"));
    frameEleve_->setFont(policeComic(12));
    frameEleve_->setStyleSheet(QStringLiteral(
        "QGroupBox#frameEleve { background-color: #F4F7FB; border: 1px solid #A7B0BE; border-radius: 8px;"
        " margin: 10px; margin-top: 1.6em; }"
        "QGroupBox#frameEleve::title { subcontrol-origin: margin; subcontrol-position: top center;"
        " top: 6px; padding: 0 8px; color: #1F3A93; background-color: palette(window); }"));

    cmbEleve_ = new QComboBox(frameEleve_);
    cmbEleve_->setObjectName(QStringLiteral("cmbEleve"));
    cmbEleve_->setEditable(false);
    cmbEleve_->setFont(policeInterface(18, true));
    cmbEleve_->setMinimumSize(420, 56);
    cmbEleve_->setMaxVisibleItems(12);
    cmbEleve_->addItems(listerEleves(etat_.dossierInstallation));
    // Nobody is chosen in advance: a child who clicks at once must not work
    // in another child's file. Typing the first letters still chooses.
    cmbEleve_->setCurrentIndex(-1);
    cmbEleve_->setPlaceholderText(kChoisisTonNom);

    cmdIdentite_ = new QPushButton(kCestMoi, frameEleve_);
    cmdIdentite_->setObjectName(QStringLiteral("cmdIdentite"));
    cmdIdentite_->setFont(policeComic(12));
    cmdIdentite_->setDefault(true);
    cmdIdentite_->setMinimumSize(220, 56);
    cmdIdentite_->setEnabled(false);
    connect(cmdIdentite_, &QPushButton::clicked, this, &FrmEleve::identifier);
    connect(cmbEleve_, &QComboBox::currentIndexChanged, this,
            [this](int indice) { cmdIdentite_->setEnabled(indice >= 0); });

    auto *colonne = new QVBoxLayout(frameEleve_);
    colonne->addStretch(2);
    colonne->addWidget(cmbEleve_, 0, Qt::AlignHCenter);
    colonne->addSpacing(24);
    colonne->addWidget(cmdIdentite_, 0, Qt::AlignHCenter);
    colonne->addStretch(3);
    couvrirFenetre(frameEleve_);
    cmbEleve_->setFocus();
}

void FrmEleve::construireMiseAJour()
{
    frameMiseAJour_ = new QFrame(this);
    frameMiseAJour_->setObjectName(QStringLiteral("frameMiseAJour"));
    frameMiseAJour_->setAutoFillBackground(true);
    auto *texte = new QLabel(kMiseAJour, frameMiseAJour_);
    texte->setObjectName(QStringLiteral("lblMiseAJour"));
    texte->setFont(policeInterface(13.5));
    texte->setAlignment(Qt::AlignCenter);
    auto *colonne = new QVBoxLayout(frameMiseAJour_);
    colonne->addWidget(texte);
    frameMiseAJour_->hide();
}

void FrmEleve::couvrirFenetre(QWidget *cadre)
{
    cadre->setGeometry(rect());
    cadre->raise();
}

void FrmEleve::resizeEvent(QResizeEvent *evenement)
{
    QDialog::resizeEvent(evenement);
    // The question is read from a child's seat: it grows with the window.
    QFont titre = policeComic(12, true);
    titre.setPixelSize(qMax(22, height() / 18));
    frameEleve_->setFont(titre);
    couvrirFenetre(frameEleve_);
    couvrirFenetre(frameMiseAJour_);
}

// The class's font and spacing, or the pupil's own once he is known.
void FrmEleve::appliquerAffichage()
{
    const AffichageEleve propre =
        nomEleve_.isEmpty() ? AffichageEleve{} : lireAffichageEleve(etat_.dossierInstallation, nomEleve_);
    // The installed fonts are listed only for a pupil who has his own: the
    // list takes a moment to make.
    const QStringList installees =
        !propre.police.isEmpty() && plateforme_.polices ? plateforme_.polices->familles() : QStringList();
    const AffichageExercice affichage =
        resoudreAffichage(propre, etat_.policeExercice, lireAffichage(etat_.dossierInstallation), installees);
    QFont exercice(affichage.fonte.nom);
    exercice.setPointSizeF(affichage.fonte.taille);
    ecran_->appliquerPoliceExercice(exercice, pourcentageEspacement(affichage.espacement), affichage.petitesLettresMm);
}

void FrmEleve::chargerListeMots()
{
    LectureListeMots lecture = LireListeMotsEleve(etat_.dossierInstallation);
    switch (lecture.etat) {
    case LectureListeMots::Etat::Lue:
        fgMots_ = std::move(lecture.liste);
        return;
    case LectureListeMots::Etat::Manquante:
        plateforme_.messages->information(this, kTitreAvertissement, kListeMotsIllisible);
        echecListeMots_ = true;
        return;
    case LectureListeMots::Etat::Illisible:
        plateforme_.messages->information(this, kTitreListeMotsAbimee, kListeMotsNonLue.arg(lecture.raison));
        break;
    case LectureListeMots::Etat::Abimee:
        plateforme_.messages->information(this, kTitreListeMotsAbimee, kListeMotsAbimee);
        break;
    }
    // A damaged list is no empty list: a visit would drop the pupil's words.
    // The window closes without a visit, and the teacher is called.
    listeMotsAbimee_ = true;
}

void FrmEleve::showEvent(QShowEvent *evenement)
{
    QDialog::showEvent(evenement);
    // The failure was told while loading; once up, the window gives way to
    // the teacher module, which the caller opens.
    if (echecListeMots_ || listeMotsAbimee_)
        QTimer::singleShot(0, this, [this] { done(QDialog::Rejected); });
}

void FrmEleve::identifier()
{
    const QString nom = cmbEleve_->currentIndex() >= 0 ? cmbEleve_->currentText() : QString();
    if (nom.isEmpty() || echecListeMots_ || listeMotsAbimee_)
        return;
    // Taken before the file is read: another computer may be working on it.
    auto verrou = std::make_unique<Verrou>(cheminVerrouEleve(etat_.dossierInstallation, nom));
    if (verrou->abime()) {
        plateforme_.messages->information(this, textes_verrou::kTitreVerrouAbime, textes_verrou::verrouEleveAbime(nom));
        return;
    }
    if (verrou->occupe()) {
        plateforme_.messages->information(this, textes_verrou::kTitreEleveOccupe,
                                          textes_verrou::eleveOccupe(nom, *verrou));
        return;
    }

    // The notice must be on screen before the work that blocks the window.
    couvrirFenetre(frameMiseAJour_);
    frameMiseAJour_->show();
    frameMiseAJour_->repaint();

    const QDate aujourdhui = plateforme_.horloge->aujourdhui();
    const ChargementBilan chargement = ChargerBilan(fgEleve_, etat_.dossierInstallation, nom, aujourdhui);
    if (!chargement.lu) {
        // Taken for empty, the file would be written over at Quitter: no
        // visit until it can be read, and nothing is written.
        frameMiseAJour_->hide();
        plateforme_.messages->information(this, kTitreBilanIllisible,
                                          kBilanIllisible.arg(nom + kExtensionBilan, chargement.raison));
        return;   // the lock goes with it
    }
    verrou_ = std::move(verrou);
    nomEleve_ = nom;
    appliquerAffichage();
    journal_ = std::make_unique<Journal>(etat_.dossierInstallation, nomEleve_);
    // A missing or damaged Phrases.dat means words heard alone, as before.
    phrases_ = LirePhrases(etat_.dossierInstallation);
    seance_->choisirPhrases([this](const QString &mot) { return phraseEcoutable(mot); },
                            lireReglagePhraseATrou(etat_.dossierInstallation));
    setWindowTitle(kTitreFenetre + kSeparateurTitre + nomEleve_);
    frameEleve_->hide();
    const int etudiees = CompterLignesEtudiees(fgEleve_);
    ActualiserBilan(fgEleve_, fgMots_, aujourdhui);
    // Words that left the list take their progress with them: the file as it
    // was is kept first, as is a file read with damage.
    garderCopie_ = chargement.abime || CompterLignesEtudiees(fgEleve_) < etudiees;
    seance_->compterMotsAcquis();
    ecran_->lblMotsConnus->repaint();
    frameMiseAJour_->hide();

    ProposerMot(-1);
}

void FrmEleve::quitter()
{
    if (enregistrerAvantDepart()) {
        arreterLecture();
        verrou_.reset();
        montrerResume();
        done(QDialog::Accepted);
    }
}

void FrmEleve::reject()
{
    if (enregistrerAvantDepart()) {
        arreterLecture();
        verrou_.reset();
        montrerResume();
        QDialog::reject();
    }
}

// What the visit did, for the child to read as the window goes: a note over
// the window underneath for a moment, never a box to answer.
void FrmEleve::montrerResume()
{
    if (nomEleve_.isEmpty())
        return;
    QWidget *dessous = parentWidget();
    auto *note = new QLabel(seance_->resume(), dessous,
                            Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    note->setObjectName(QStringLiteral("lblResume"));
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setAttribute(Qt::WA_ShowWithoutActivating);
    note->setFont(policeComic(16, true));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setMargin(24);
    note->setStyleSheet(QStringLiteral("QLabel#lblResume { background-color: #FFF8D8; color: #1F3A93;"
                                       " border: 2px solid #E0B000; border-radius: 10px; }"));
    note->setFixedWidth(520);
    note->adjustSize();
    const QRect cadre = dessous ? dessous->window()->geometry() : geometry();
    note->move(cadre.center() - note->rect().center());
    note->show();
    QTimer::singleShot(kDureeResumeMs, note, &QWidget::close);
}

// Escape must not end a child's session by accident.
void FrmEleve::keyPressEvent(QKeyEvent *evenement)
{
    if (evenement->key() == Qt::Key_Escape) {
        evenement->accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

// The save itself, silent: the failure in French, empty when saved. Never
// into a folder that is no longer the one the visit began in. The dated
// copy a save that drops progress needs is made once, by the first save.
QString FrmEleve::enregistrerTravail()
{
    // A folder that is gone is told by the save itself, naming the file.
    if (verrou_ && QFileInfo(etat_.dossierInstallation).isDir() && verrou_->perdu())
        return kVerrouPerdu.arg(nomEleve_, QDir::toNativeSeparators(etat_.dossierInstallation));
    const ResultatEcriture resultat = EnregistrerBilan(fgEleve_, etat_.dossierInstallation, nomEleve_, garderCopie_);
    if (!resultat.ok)
        return resultat.message();
    garderCopie_ = false;
    return QString();
}

// After every answer: a computer shut down at the bell loses nothing. A
// failure is kept for Quitter, not put in front of the child at each word;
// the next answer tries again.
void FrmEleve::enregistrerReponse()
{
    echecEnCours_ = enregistrerTravail();
}

bool FrmEleve::enregistrerFinDeSession()
{
    if (nomEleve_.isEmpty())
        return true;
    echecEnCours_ = enregistrerTravail();
    if (echecEnCours_.isEmpty())
        return true;
    QTextStream(stderr) << echecEnCours_ << '\n';
    return false;
}

// True when the window may close. A failed save keeps it open with the work
// in memory; a second attempt lets an adult leave without saving.
bool FrmEleve::enregistrerAvantDepart()
{
    if (nomEleve_.isEmpty())
        return true;   // nobody identified: nothing to save
    const QString echec = enregistrerTravail();
    echecEnCours_ = echec;
    if (echec.isEmpty()) {
        echecEnregistrement_ = false;
        return true;
    }
    if (!echecEnregistrement_) {
        echecEnregistrement_ = true;
        plateforme_.messages->information(this, kTitreEnregistrement, echec + kEnregistrementRate);
        return false;
    }
    return plateforme_.messages->question(this, kTitreEnregistrement, echec + kQuitterSansEnregistrer);
}
