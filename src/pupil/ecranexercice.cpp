#include "ecranexercice.h"

#include "clavierlettres.h"
#include "correction.h"
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
#include "twips_ecran.h"

using namespace textes_eleve;

namespace {

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
    setMinimumSize(tailleDessin());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    lblMot = new QLabel(this);
    lblMot->setObjectName(QStringLiteral("lblMot"));
    lblMot->hide();

    construireModele();
    construireZoneReponse();
    construireEchelle();

    clavier = new ClavierLettres(this);

    lblLigneClavier = new QLabel(kLigneClavier, this);
    lblLigneClavier->setObjectName(QStringLiteral("lblLigneClavier"));
    lblLigneClavier->setFont(policeInterface(9.75));
    colorerTexte(lblLigneClavier, QColor(0x30, 0x38, 0x48));
    placer(lblLigneClavier, QRect(120, kLigneClavierY, 10305, 330), 9.75);

    // The sentence with its gap takes the hint's line and the room down to
    // the buttons: the only band of the screen wide enough, whatever the
    // screen, that covers no key and no button. Its font is set by placerPhrase.
    lblPhrase = new QLabel(this);
    lblPhrase->setObjectName(QStringLiteral("lblPhrase"));
    lblPhrase->setAlignment(Qt::AlignCenter);
    lblPhrase->setTextFormat(Qt::PlainText);
    colorerTexte(lblPhrase, QColor(0x10, 0x20, 0x60));
    placer(lblPhrase, QRect(kPhraseX, kLigneClavierY, kPhraseL, kBasY - kLigneClavierY - 30));
    lblPhrase->hide();

    construireBas();
    appliquerPoliceExercice(policeComic(15.75, true));
    disposer();
}

QSize EcranExercice::tailleDessin() const
{
    return {echelle_.px(kLargeurEcran), echelle_.px(kHauteurEcran)};
}

void EcranExercice::placer(QWidget *w, const QRect &twips, double points)
{
    places_.push_back({w, twips, points});
}

void EcranExercice::construireModele()
{
    frameModele = new QGroupBox(QStringLiteral("Modèle"), this);
    frameModele->setObjectName(QStringLiteral("frameModele"));
    frameModele->setFont(policeComic(9.75, true));
    frameModele->setStyleSheet(styleCadre(frameModele->objectName(), QStringLiteral("#FF0000")));
    placer(frameModele, QRect(kModeleX, kModeleY, kModeleL, kModeleH), 9.75);
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
        placer(l, QRect(), 12);
    }
    ligne->addWidget(legende);
    ligne->addWidget(lblNiveau);
    ligne->addStretch();
    placer(niveau, QRect(kFrameMotX, 1290, kModeleX - kFrameMotX, 420));

    imgSon = new EtiquetteCliquable(this);
    imgSon->setObjectName(QStringLiteral("imgSon"));
    imgSon->setPixmap(iconeHautParleur(48));
    imgSon->setAlignment(Qt::AlignCenter);
    imgSon->setToolTip(kInfobulleSon);
    imgSon->setLineWidth(2);
    placer(imgSon, QRect(810, 330, 780, 780));
    montrerSonOccupe(false);

    // Beside the loudspeaker, smaller: the loudspeaker stays the first thing to click.
    imgPhrase = new EtiquetteCliquable(this);
    imgPhrase->setObjectName(QStringLiteral("imgPhrase"));
    imgPhrase->setAlignment(Qt::AlignCenter);
    imgPhrase->setToolTip(kInfobullePhrase);
    imgPhrase->setLineWidth(2);
    placer(imgPhrase, QRect(kBoutonPhraseX, 450, kBoutonPhraseCote, kBoutonPhraseCote));
    montrerBoutonPhrase(false, false);

    correction = new VueCorrection(this);
    correction->setObjectName(QStringLiteral("vueCorrection"));
    correction->hide();
    placer(correction, QRect(kModeleX, 240, kModeleL, kFrameMotY - 240 - 30));
}

void EcranExercice::construireZoneReponse()
{
    frameMot = new QGroupBox(this);
    frameMot->setObjectName(QStringLiteral("frameMot"));
    frameMot->setFont(policeComic(8.25, true));
    frameMot->setStyleSheet(styleCadre(frameMot->objectName(), QStringLiteral("#0000FF")));
    placer(frameMot, QRect(kFrameMotX, kFrameMotY, kFrameMotL, kFrameMotH), 8.25);

    consigne = new QLabel(kConsigne, frameMot);
    consigne->setObjectName(QStringLiteral("lblConsigne"));
    consigne->setFont(policeInterface(9.75, true));
    consigne->setWordWrap(true);
    consigne->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    colorerTexte(consigne, QColor(0xFF, 0x00, 0x00));
    placer(consigne, QRect(150, 240, kReponseX - 240, kFrameMotH - 300), 9.75);

    txtMot = new ZoneReponse(frameMot);
    txtMot->setObjectName(QStringLiteral("txtMot"));
    colorerReponse(kFondReponse);

    cmdOk = new QPushButton(kOk, frameMot);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setFont(policeInterface(9.75, true));
    cmdOk->setAutoDefault(false);
    placer(cmdOk, QRect(), 9.75);

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
        placer(carre, QRect(kPointsX, kPointsY0 - kPointCote * k, kPointCote, kPointCote));
        carre->hide();
        lblPoints[k] = carre;
    }
    auto *legende = new QLabel(kNiveauAtteint, this);
    legende->setObjectName(QStringLiteral("lblNiveauAtteint"));
    legende->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    legende->setWordWrap(true);
    legende->setFont(policeInterface(8.25));
    colorerTexte(legende, QColor(0x00, 0x00, 0xFF));
    placer(legende, QRect(kPointsX + kPointCote / 2 - 450, kPointsY0 + kPointCote + 45, 900, 480), 8.25);
}

void EcranExercice::construireBas()
{
    cmdSuivant = new QPushButton(kSuivant, this);
    cmdSuivant->setObjectName(QStringLiteral("cmdSuivant"));
    placer(cmdSuivant, QRect(), 12);
    cmdSuivant->setFont(policeComic(12, true));
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
    for (QLabel *l : {legende, lblMotsConnus}) {
        l->setFont(policeComic(12));
        placer(l, QRect(), 12);
    }
    ligne->addStretch();
    ligne->addWidget(legende);
    ligne->addWidget(lblMotsConnus);
    ligne->addStretch();
    placer(acquis, QRect(120, kBasY, 3300, kBasH));

    cmdImprimer = new QToolButton(this);
    cmdImprimer->setObjectName(QStringLiteral("cmdImprimer"));
    cmdImprimer->setToolTip(kInfobulleImprimer);
    cmdImprimer->setFocusPolicy(Qt::NoFocus);
    placer(cmdImprimer, QRect(8580, kBasY, 660, kBasH));

    cmdQuitter = new QPushButton(kQuitter, this);
    cmdQuitter->setObjectName(QStringLiteral("cmdQuitter"));
    cmdQuitter->setFont(policeInterface(12));
    cmdQuitter->setFocusPolicy(Qt::NoFocus);
    cmdQuitter->setAutoDefault(false);
    placer(cmdQuitter, QRect(9360, kBasY, 1065, kBasH), 12);
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

void EcranExercice::montrerBoutonPhrase(bool visible, bool occupe)
{
    imgPhrase->setVisible(visible);
    imgPhrase->setFrameShape(occupe ? QFrame::Box : QFrame::NoFrame);
    imgPhrase->setProperty("occupe", occupe);
}

void EcranExercice::montrerPhraseATrou(const QString &texte)
{
    lblPhrase->setText(texte);
    lblPhrase->setVisible(!texte.isEmpty());
    lblLigneClavier->setVisible(texte.isEmpty());
    placerPhrase();
}

void EcranExercice::afficherConsigne(const QString &texte, bool message)
{
    consigne->setText(texte);
    colorerTexte(consigne, message ? QColor(0x00, 0x40, 0xA0) : QColor(0xFF, 0x00, 0x00));
}
