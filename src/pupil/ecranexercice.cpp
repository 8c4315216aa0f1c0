#include "ecranexercice.h"

#include "clavierlettres.h"
#include "engine/etapes.h"
#include "platform/etiquettecliquable.h"
#include "etiquettemodele.h"
#include "icones.h"
#include "polices.h"
#include "textes.h"
#include "zonereponse.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace textes_eleve;

namespace {

// Design positions and sizes, in twips.
constexpr int kLargeurEcran = 11760, kHauteurEcran = 7200;
constexpr int kFrameMotX = 135, kFrameMotY = 1800, kFrameMotL = 10395, kFrameMotH = 1635;
constexpr int kReponseX = 2385, kReponseY = 540, kReponseL = 7155;
constexpr int kOkX = 9660, kOkL = 615;
constexpr int kModeleX = 2295, kModeleY = 465, kModeleL = 7635, kModeleH = 1155;
constexpr int kEtiquetteModeleX = 255, kEtiquetteModeleY = 315;
constexpr int kPointsX = 10920, kPointsY0 = 2580, kPointCote = 390;
constexpr int kBasY = 6480, kBasH = 540;

void colorerTexte(QWidget *w, const QColor &encre)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, encre);
    w->setPalette(pal);
}

QString styleCadre(const QString &nom, const QString &couleurTitre)
{
    return QStringLiteral(
               "QGroupBox#%1 { border: 1px solid #A7B0BE; border-radius: 6px; margin-top: 0.7em;"
               " background-color: #FAFBFD; }"
               "QGroupBox#%1::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; color: %2; background-color: palette(window); }")
        .arg(nom, couleurTitre);
}

} // namespace

EcranExercice::EcranExercice(const Echelle &echelle, QWidget *parent) : QWidget(parent), echelle_(echelle)
{
    setObjectName(QStringLiteral("ecranExercice"));
    setFixedSize(echelle_.px(kLargeurEcran), echelle_.px(kHauteurEcran));

    lblMot = new QLabel(this);
    lblMot->setObjectName(QStringLiteral("lblMot"));
    lblMot->hide();

    construireModele();
    construireZoneReponse();
    construireEchelle();

    clavier = new ClavierLettres(echelle_, this);
    clavier->move(echelle_.px(ClavierLettres::origineTwips().x()), echelle_.px(ClavierLettres::origineTwips().y()));

    auto *ligneClavier = new QLabel(kLigneClavier, this);
    ligneClavier->setObjectName(QStringLiteral("lblLigneClavier"));
    ligneClavier->setFont(policeInterface(9.75));
    colorerTexte(ligneClavier, QColor(0x30, 0x38, 0x48));
    ligneClavier->setGeometry(echelle_.rect(120, 6020, 10305, 330));

    construireBas();
    appliquerPoliceExercice(policeComic(15.75, true));
}

void EcranExercice::construireModele()
{
    frameModele = new QGroupBox(QStringLiteral("Modèle"), this);
    frameModele->setObjectName(QStringLiteral("frameModele"));
    frameModele->setFont(policeComic(9.75, true));
    frameModele->setStyleSheet(styleCadre(frameModele->objectName(), QStringLiteral("#FF0000")));
    frameModele->setGeometry(echelle_.rect(kModeleX, kModeleY, kModeleL, kModeleH));
    frameModele->hide();

    lblModele = new EtiquetteModele(frameModele);
    lblModele->setObjectName(QStringLiteral("lblModele"));
    lblModele->setFrameShape(QFrame::Box);
    lblModele->setAutoFillBackground(true);
    QPalette pal = lblModele->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    lblModele->setPalette(pal);

    // "Mot de niveau " and the level, left of the model.
    auto *niveau = new QWidget(this);
    niveau->setObjectName(QStringLiteral("cadreNiveau"));
    auto *ligne = new QHBoxLayout(niveau);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(0);
    auto *legende = new QLabel(kMotDeNiveau, niveau);
    legende->setObjectName(QStringLiteral("lblMotDeNiveau"));
    lblNiveau = new QLabel(niveau);
    lblNiveau->setObjectName(QStringLiteral("lblNiveau"));
    for (QLabel *l : {legende, lblNiveau}) {
        l->setFont(policeInterface(12, true));
        colorerTexte(l, QColor(0x00, 0x80, 0x00));
    }
    ligne->addWidget(legende);
    ligne->addWidget(lblNiveau);
    ligne->addStretch();
    niveau->setGeometry(echelle_.rect(kFrameMotX, 1290, kModeleX - kFrameMotX, 420));

    imgSon = new EtiquetteCliquable(this);
    imgSon->setObjectName(QStringLiteral("imgSon"));
    imgSon->setPixmap(iconeHautParleur(48));
    imgSon->setAlignment(Qt::AlignCenter);
    imgSon->setToolTip(kInfobulleSon);
    imgSon->setLineWidth(2);
    imgSon->setGeometry(echelle_.rect(810, 330, 780, 780));
    montrerSonOccupe(false);
}

void EcranExercice::construireZoneReponse()
{
    frameMot = new QGroupBox(this);
    frameMot->setObjectName(QStringLiteral("frameMot"));
    frameMot->setFont(policeComic(8.25, true));
    frameMot->setStyleSheet(styleCadre(frameMot->objectName(), QStringLiteral("#0000FF")));
    frameMot->setGeometry(echelle_.rect(kFrameMotX, kFrameMotY, kFrameMotL, kFrameMotH));

    consigne = new QLabel(kConsigne, frameMot);
    consigne->setObjectName(QStringLiteral("lblConsigne"));
    consigne->setFont(policeInterface(9.75, true));
    consigne->setWordWrap(true);
    consigne->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    colorerTexte(consigne, QColor(0xFF, 0x00, 0x00));
    consigne->setGeometry(echelle_.rect(150, 240, kReponseX - 240, kFrameMotH - 300));

    txtMot = new ZoneReponse(frameMot);
    txtMot->setObjectName(QStringLiteral("txtMot"));
    colorerReponse(kFondReponse);

    cmdOk = new QPushButton(kOk, frameMot);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setFont(policeInterface(9.75, true));
    cmdOk->setAutoDefault(false);

    const QPixmap oui = iconeOui(32), non = iconeNon(32);
    imgOui = new QLabel(frameMot);
    imgOui->setObjectName(QStringLiteral("imgOui"));
    imgOui->setPixmap(oui);
    imgOui->hide();
    imgNon = new QLabel(frameMot);
    imgNon->setObjectName(QStringLiteral("imgNon"));
    imgNon->setPixmap(non);
    imgNon->hide();
    imgOuiNon = new QLabel(frameMot);
    imgOuiNon->setObjectName(QStringLiteral("imgOuiNon"));
    imgOuiNon->setAlignment(Qt::AlignCenter);
    imgOuiNon->hide();
}

void EcranExercice::construireEchelle()
{
    for (int k = 0; k < kNombrePoints; ++k) {
        auto *carre = new QLabel(this);
        carre->setObjectName(QStringLiteral("lblPoints_%1").arg(k));
        const PointEchelle &point = pointsEchelle()[k];
        carre->setToolTip(point.infobulle);
        carre->setStyleSheet(QStringLiteral("QLabel { background-color: %1; border: 1px solid #5A6170; }")
                                 .arg(QColor::fromRgb(point.rgb).name()));
        carre->setGeometry(echelle_.rect(kPointsX, kPointsY0 - kPointCote * k, kPointCote, kPointCote));
        carre->hide();
        lblPoints[k] = carre;
    }
    auto *legende = new QLabel(kNiveauAtteint, this);
    legende->setObjectName(QStringLiteral("lblNiveauAtteint"));
    legende->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    legende->setWordWrap(true);
    legende->setFont(policeInterface(8.25));
    colorerTexte(legende, QColor(0x00, 0x00, 0xFF));
    legende->setGeometry(echelle_.rect(kPointsX + kPointCote / 2 - 450, kPointsY0 + kPointCote + 45, 900, 480));
}

void EcranExercice::construireBas()
{
    cmdSuivant = new QPushButton(kSuivant, this);
    cmdSuivant->setObjectName(QStringLiteral("cmdSuivant"));
    cmdSuivant->setFont(policeComic(12, true));
    cmdSuivant->setGeometry(echelle_.rect(8580, 4500, 1845, 660));
    cmdSuivant->setEnabled(false);
    cmdSuivant->setProperty("tag", QString());

    auto *acquis = new QFrame(this);
    acquis->setObjectName(QStringLiteral("cadreMotsAcquis"));
    acquis->setStyleSheet(QStringLiteral("QFrame#cadreMotsAcquis { background-color: #0000C0; border-radius: 6px; }"
                                         "QLabel { color: #00FFFF; }"));
    auto *ligne = new QHBoxLayout(acquis);
    ligne->setContentsMargins(8, 0, 8, 0);
    ligne->setSpacing(0);
    auto *legende = new QLabel(kMotsAcquis, acquis);
    legende->setObjectName(QStringLiteral("lblMotsAcquis"));
    lblMotsConnus = new QLabel(QStringLiteral("0"), acquis);
    lblMotsConnus->setObjectName(QStringLiteral("lblMotsConnus"));
    for (QLabel *l : {legende, lblMotsConnus})
        l->setFont(policeComic(12));
    ligne->addStretch();
    ligne->addWidget(legende);
    ligne->addWidget(lblMotsConnus);
    ligne->addStretch();
    acquis->setGeometry(echelle_.rect(120, kBasY, 3300, kBasH));

    cmdImprimer = new QToolButton(this);
    cmdImprimer->setObjectName(QStringLiteral("cmdImprimer"));
    cmdImprimer->setIcon(QIcon(iconeImprimante(32)));
    cmdImprimer->setIconSize(QSize(echelle_.px(450), echelle_.px(450)));
    cmdImprimer->setToolTip(kInfobulleImprimer);
    cmdImprimer->setFocusPolicy(Qt::NoFocus);
    cmdImprimer->setGeometry(echelle_.rect(8580, kBasY, 660, kBasH));

    cmdQuitter = new QPushButton(kQuitter, this);
    cmdQuitter->setObjectName(QStringLiteral("cmdQuitter"));
    cmdQuitter->setFont(policeInterface(12));
    cmdQuitter->setFocusPolicy(Qt::NoFocus);
    cmdQuitter->setAutoDefault(false);
    cmdQuitter->setGeometry(echelle_.rect(9360, kBasY, 1065, kBasH));
}

int EcranExercice::hauteurLigne() const
{
    // One line of the exercise font, with room for the box's frame.
    return QFontMetrics(lblMot->font()).height() + 8;
}

void EcranExercice::appliquerPoliceExercice(const QFont &policeExercice)
{
    QFont f = policeExercice;
    f.setBold(true);
    f.setItalic(false);
    lblMot->setFont(f);
    lblModele->setFont(f);
    txtMot->setFont(f);
    placerLigneReponse();
}

void EcranExercice::placerLigneReponse()
{
    const int h = hauteurLigne();
    const QRect reponse = echelle_.rect(kReponseX, kReponseY, kReponseL, 0);
    txtMot->setGeometry(reponse.x(), reponse.y(), reponse.width(), h);
    cmdOk->setGeometry(echelle_.px(kOkX), reponse.y(), echelle_.px(kOkL), h);
    const int icone = 32;
    imgOuiNon->setGeometry(echelle_.px(kOkX + kOkL / 2) - icone / 2, reponse.y() + h + echelle_.px(60), icone, icone);
    const QRect modele = echelle_.rect(kEtiquetteModeleX, kEtiquetteModeleY, kReponseL, 0);
    lblModele->setGeometry(modele.x(), modele.y(), modele.width(), h);
    // The model's letters stand above the typed ones: same left inset as the box's text.
    lblModele->setMargeTexte(qMax(1, txtMot->textMargins().left()) + 3 - echelle_.px(30));
}

void EcranExercice::colorerReponse(const QColor &fond)
{
    QPalette pal = txtMot->palette();
    pal.setColor(QPalette::Base, fond);
    pal.setColor(QPalette::Text, Qt::black);
    txtMot->setPalette(pal);
}

void EcranExercice::montrerSonOccupe(bool occupe)
{
    imgSon->setFrameShape(occupe ? QFrame::Box : QFrame::NoFrame);
    imgSon->setProperty("occupe", occupe);
}
