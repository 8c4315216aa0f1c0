// Scaling the exercise screen to its window: one factor for the whole design,
// a larger share of the room for the keys, and an exercise font that grows
// with the screen but never overflows its line.
#include "ecranexercice.h"

#include "clavierlettres.h"
#include "correction.h"
#include "encre.h"
#include "etiquettemodele.h"
#include "icones.h"
#include "polices.h"
#include "platform/etiquettecliquable.h"
#include "twips_ecran.h"
#include "zonereponse.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

// A key a child can hit with a finger: 44 logical pixels, the usual minimum
// for touch targets.
constexpr int kToucheDoigt = 44;

// The teacher's size gives the small letters of a print font; never less
// than 5 mm.
constexpr double kRapportImprime = 0.45;   // x-height / size of Comic Neue, Andika...
constexpr double kPetitesLettresMm = 5.0;

} // namespace

void EcranExercice::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    disposer();
}

QRect EcranExercice::rectEchelle(const QRect &twips, bool racine) const
{
    const double p = echelle_.pixelsParTwip * facteur_;
    const QPoint decalage = racine ? origine_ : QPoint();
    const int x = qRound(twips.x() * p), y = qRound(twips.y() * p);
    // Right and bottom edges rounded too, so neighbours stay flush.
    return QRect(decalage.x() + x, decalage.y() + y, qRound((twips.x() + twips.width()) * p) - x,
                 qRound((twips.y() + twips.height()) * p) - y);
}

void EcranExercice::disposer()
{
    const QSize dessin = tailleDessin();
    facteur_ = qMax(1.0, qMin(width() / double(dessin.width()), height() / double(dessin.height())));
    origine_ = QPoint(qMax(0, (width() - qRound(dessin.width() * facteur_)) / 2),
                      qMax(0, (height() - qRound(dessin.height() * facteur_)) / 2));
    for (const Place &place : places_) {
        if (!place.widget)
            continue;
        if (place.points > 0) {
            QFont police = place.widget->font();
            police.setPointSizeF(place.points * facteur_);
            place.widget->setFont(police);
        }
        if (!place.twips.isNull())
            place.widget->setGeometry(rectEchelle(place.twips, place.widget->parentWidget() == this));
    }
    const int icone = qRound(32 * facteur_);
    imgOui->setPixmap(iconeOui(icone));
    imgNon->setPixmap(iconeNon(icone));
    if (imgOuiNon->property("juste").isValid())
        imgOuiNon->setPixmap((imgOuiNon->property("juste").toBool() ? imgOui : imgNon)->pixmap());
    imgSon->setPixmap(iconeHautParleur(qRound(48 * facteur_)));
    imgPhrase->setPixmap(iconePhrase(qRound(34 * facteur_)));
    const int imprimante = qRound(450 * echelle_.pixelsParTwip * facteur_);
    cmdImprimer->setIcon(QIcon(iconeImprimante(imprimante)));   // a picture is not enlarged by its icon
    cmdImprimer->setIconSize(QSize(imprimante, imprimante));
    disposerClavier();
    placerLigneReponse();
}

void EcranExercice::disposerClavier()
{
    const double p = echelle_.pixelsParTwip * facteur_;
    const int ecart = qRound(kEcartSignesTwips * p);
    const int marge = qRound(kGaucheLettres * echelle_.pixelsParTwip);
    clavier->changerTaillePolice(12 * facteur_);

    // Across: the letters take what the signs and "Suivant" leave, up to a
    // finger's width (more when the whole design is that large already).
    const int disponible = width() - 2 * marge - ecart;
    const int droite = qMax(clavier->largeurSignesMinimale(0, 0), cmdSuivant->sizeHint().width());
    const double plafondL = qMax<double>(kToucheDoigt, kLargeurToucheTwips * p);
    const double parColonne = (disponible - droite) / double(ClavierLettres::kColonnesLettres);
    // The signs' column is at least two keys and a third wide.
    const double avecSignes = disponible / (ClavierLettres::kColonnesLettres + 7.0 / 3.0);
    const int l = int(std::floor(qMin(plafondL, qMin(parColonne, avecSignes))));
    const int largeurSignes = qMax(droite, clavier->largeurSignesMinimale(l, l / 3));

    // Down: the band between the answer frame and the line under the keys.
    const int haut = origine_.y() + qRound(kClavierHaut * p) + qRound(4 * facteur_);
    const int bas = origine_.y() + qRound(kLigneClavierY * p) - qRound(4 * facteur_);
    const double plafondH = qMax<double>(kToucheDoigt, kHauteurToucheTwips * p);
    const int h = int(std::floor(qMin(plafondH, (bas - haut) / double(ClavierLettres::kRangees))));

    clavier->disposer(QSize(l, h), ecart, largeurSignes);
    const int x = (width() - clavier->width()) / 2;
    const int y = haut + (bas - haut - clavier->height()) / 2;
    clavier->move(x, y);

    // "Suivant" under the space bar, in the signs' column.
    const int xSuivant = x + ClavierLettres::kColonnesLettres * l + ecart;
    const int ySuivant = y + 2 * h + qRound(12 * facteur_);
    const int hSuivant = qMin(qRound(660 * p), bas - ySuivant);
    cmdSuivant->setGeometry(xSuivant, ySuivant, largeurSignes, hSuivant);
}

// A line edit centres its font's whole line: when that line is taller than
// the box, margins move it so that the letters' ink sits in the middle.
void EcranExercice::centrerEncre(QLineEdit *zone)
{
    zone->setTextMargins(0, 0, 0, 0);
    QStyleOptionFrame option;
    option.initFrom(zone);
    option.lineWidth = zone->hasFrame() ? zone->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, zone) : 0;
    const QRect contenu = zone->style()->subElementRect(QStyle::SE_LineEditContents, &option, zone);
    const QFontMetrics mesure(zone->font());
    if (mesure.height() <= contenu.height())
        return;
    const int haut = ligneDeBaseCentree(mesure, contenu.top(), contenu.height()) - mesure.ascent() - contenu.top();
    zone->setTextMargins(0, haut, 0, contenu.height() - haut - mesure.height());
}

int EcranExercice::hauteurLigne() const
{
    // One line of the exercise font, with room for the box's frame.
    return hauteurTexte(QFontMetrics(lblMot->font())) + 8;
}

void EcranExercice::appliquerPoliceExercice(const QFont &policeExercice, double espacementPourcent,
                                            double petitesLettresMm)
{
    policeExercice_ = policeExerciceAffichee(policeExercice);
    espacement_ = espacementPourcent;
    petitesLettresMm_ = petitesLettresMm;
    placerLigneReponse();
}

void EcranExercice::placerLigneReponse()
{
    const double p = echelle_.pixelsParTwip * facteur_;
    // The tallest line the answer frame and the model frame hold.
    const int plafond = qMin(qRound((kFrameMotH - kReponseY - 90) * p),
                             qRound((kModeleH - kEtiquetteModeleY - 60) * p));
    QFont f = policeExercice_;
    f.setLetterSpacing(QFont::PercentageSpacing, espacement_);
    const double ppp = logicalDpiY();
    // A pupil's own height is what he sees, whatever the screen; the
    // class's size grows with it.
    const double petitesLettres =
        petitesLettresMm_ > 0 ? petitesLettresMm_ * ppp / 25.4
                              : qMax(policeExercice_.pointSizeF() * facteur_ * ppp / 72.0 * kRapportImprime,
                                     kPetitesLettresMm * ppp / 25.4);
    double taille = tailleParPetitesLettres(f, petitesLettres);
    f.setPointSizeF(taille);
    while (taille > 4 && hauteurTexte(QFontMetrics(f)) + 8 > plafond) {
        taille -= 0.5;
        f.setPointSizeF(taille);
    }
    lblMot->setFont(f);
    lblModele->setFont(f);
    txtMot->setFont(f);
    correction->setPolice(f);

    const int h = hauteurLigne();
    const QRect reponse = rectEchelle(QRect(kReponseX, kReponseY, kReponseL, 0), false);
    txtMot->setGeometry(reponse.x(), reponse.y(), reponse.width(), h);
    centrerEncre(txtMot);
    const QRect ok = rectEchelle(QRect(kOkX, kReponseY, kOkL, 0), false);
    cmdOk->setGeometry(ok.x(), reponse.y(), ok.width(), h);
    // The right or wrong mark under Ok, or above it; when a tall font leaves
    // room on neither side, at the right end of the answer box, which is
    // locked while the mark shows. Never over Ok: it must take a click or a
    // finger whatever the font.
    const int ecart = qMax(2, qRound(60 * p));
    const int dessous = frameMot->height() - 2 - (reponse.y() + h + ecart);
    const int dessus = reponse.y() - ecart - frameMot->contentsRect().top();
    int icone = qRound(32 * facteur_);
    QRect place;
    if (qMax(dessous, dessus) >= qRound(24 * facteur_)) {
        icone = qMin(icone, qMax(dessous, dessus));
        const int y = dessous >= icone ? reponse.y() + h + ecart : reponse.y() - ecart - icone;
        place = QRect(ok.center().x() - icone / 2, y, icone, icone);
    } else {
        icone = qMin(icone, h - 4);
        place = QRect(reponse.right() - icone - 4, reponse.y() + (h - icone) / 2, icone, icone);
    }
    imgOuiNon->setGeometry(place);
    imgOuiNon->setScaledContents(true);
    imgOuiNon->raise();
    const QRect modele = rectEchelle(QRect(kEtiquetteModeleX, kEtiquetteModeleY, kReponseL, 0), false);
    lblModele->setFixedHeight(h);
    lblModele->setGeometry(modele.x(), modele.y(), modele.width(), h);
    // The model's letters stand above the typed ones: same left inset as the box's text.
    lblModele->setMargeTexte(qMax(1, txtMot->textMargins().left()) + 3 - qRound(30 * p));
    placerPhrase();
}

// The sentence in the exercise font, as large as the answer's line at most:
// on one line when it fits, else on two, at the largest size that fits
// whole in its band. Never cut: a gap cut off would hide the question.
void EcranExercice::placerPhrase()
{
    const QString texte = lblPhrase->text();
    if (texte.isEmpty())
        return;
    const QRect cadre = lblPhrase->contentsRect();
    QFont f = txtMot->font();
    bool deuxLignes = false;
    for (double taille = f.pointSizeF(); taille > 4; taille -= 0.5) {
        f.setPointSizeF(taille);
        const QFontMetrics mesure(f);
        if (mesure.height() <= cadre.height() && mesure.horizontalAdvance(texte) <= cadre.width())
            break;
        if (mesure.boundingRect(cadre, Qt::TextWordWrap | Qt::AlignCenter, texte).height() <= cadre.height()) {
            deuxLignes = true;
            break;
        }
    }
    lblPhrase->setWordWrap(deuxLignes);
    lblPhrase->setFont(f);
}
