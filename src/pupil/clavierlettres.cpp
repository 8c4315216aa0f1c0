#include "clavierlettres.h"

#include "engine/clavier.h"
#include "platform/etiquettecliquable.h"
#include "twips_ecran.h"

#include <QApplication>
#include <QPalette>

namespace {

QString styleTouche(ClasseTouche classe)
{
    // Letter keys: the platform's highlighted-text colour behind the letter.
    const QString fondLettre = QApplication::palette().color(QPalette::HighlightedText).name();
    QString fond = fondLettre, encre, survol = QStringLiteral("#E8EEFF");
    switch (classe) {
    case ClasseTouche::Voyelle:
        encre = QStringLiteral("#FF0000");
        break;
    case ClasseTouche::Consonne:
        encre = QStringLiteral("#0000FF");
        break;
    case ClasseTouche::Signe:
        fond = QStringLiteral("#00FF00");
        encre = QStringLiteral("#004000");
        survol = QStringLiteral("#66FF66");
        break;
    }
    // No hover colour: a touch screen has no hover, and the key must look
    // the same to every child.
    Q_UNUSED(survol);
    return QStringLiteral("QLabel { background-color: %1; color: %2; border: 1px solid #8A8F99; }")
        .arg(fond, encre);
}

} // namespace

ClavierLettres::ClavierLettres(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("clavierLettres"));
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(12);
    for (int i = 0; i < kNombreTouches; ++i) {
        const Touche &t = touchesClavier()[i];
        auto *touche = new EtiquetteCliquable(this);
        touche->setObjectName(QStringLiteral("lblLettre_%1").arg(i));
        touche->setText(t.legende);
        touche->setAlignment(Qt::AlignCenter);
        touche->setFont(police);
        touche->setStyleSheet(styleTouche(t.classe));
        if (!t.infobulle.isEmpty())
            touche->setToolTip(t.infobulle);
        connect(touche, &EtiquetteCliquable::clique, this, [this, i] { emit toucheCliquee(i); });
        touches_[i] = touche;
    }
}

int ClavierLettres::largeurSignesMinimale(int largeurTouche, int ecart) const
{
    const QLabel *espace = touches_[kToucheEspace];
    return qMax(2 * largeurTouche + ecart,
                espace->fontMetrics().horizontalAdvance(espace->text()) + 2 * espace->frameWidth() + 4);
}

void ClavierLettres::changerTaillePolice(double points)
{
    for (QLabel *t : touches_) {
        QFont police = t->font();
        police.setPointSizeF(points);
        t->setFont(police);
    }
}

void ClavierLettres::disposer(QSize touche, int ecartSignes, int largeurSignes)
{
    const int l = touche.width(), h = touche.height();
    for (int i = 0; i < kNombreTouchesLettres; ++i) {
        const Touche &t = touchesClavier()[i];
        // Column and row of the designed grid: the arrangement is kept.
        const int colonne = (t.gauche - kGaucheLettres) / kLargeurToucheTwips;
        const int rangee = (t.haut - kHautLettres) / kHauteurToucheTwips;
        touches_[i]->setGeometry(colonne * l, rangee * h, l, h);
    }
    // The signs right of the letters: hyphen and apostrophe side by side,
    // the space bar under them, as wide as both.
    const int x = kColonnesLettres * l + ecartSignes;
    const int ecart = largeurSignes - 2 * l > 0 ? qMin(largeurSignes - 2 * l, l / 3) : 0;
    const int signe = (largeurSignes - ecart) / 2;
    touches_[kToucheTraitUnion]->setGeometry(x, 0, signe, h);
    touches_[kToucheApostrophe]->setGeometry(x + largeurSignes - signe, 0, signe, h);
    touches_[kToucheEspace]->setGeometry(x, h + ecart, largeurSignes, h);
    resize(x + largeurSignes, kRangees * h);
}
