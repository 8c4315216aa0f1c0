#include "etiquettemodele.h"

#include "encre.h"
#include "engine/texte.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

EtiquetteModele::EtiquetteModele(QWidget *parent) : QLabel(parent) {}

void EtiquetteModele::setMargeTexte(int pixels)
{
    margeTexte_ = pixels;
    update();
}

void EtiquetteModele::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    drawFrame(&p);

    const QFontMetrics mesure(font());
    const QRect zone = contentsRect();
    const int ligneDeBase = ligneDeBaseCentree(mesure, zone.top(), zone.height());
    const int largeurBlanc = mesure.horizontalAdvance(QLatin1Char('o'));
    const QColor encre = palette().color(QPalette::WindowText);
    const QColor blanc(0x7A, 0x84, 0x94);
    const int epaisseur = qMax(3, hauteurTexte(mesure) / 10);

    p.setFont(font());
    p.setClipRect(zone);
    int x = zone.left() + margeTexte_;
    const QString t = text();
    int debut = 0;
    // Runs of plain text are drawn whole so that kerning stays natural.
    for (int i = 0; i <= t.size(); ++i) {
        if (i < t.size() && t[i] != kCaractereMasque)
            continue;
        if (i > debut) {
            const QString morceau = t.mid(debut, i - debut);
            p.setPen(encre);
            p.drawText(QPoint(x, ligneDeBase), morceau);
            x += mesure.horizontalAdvance(morceau);
        }
        if (i < t.size()) {
            const int marge = qMax(1, largeurBlanc / 6);
            p.fillRect(QRect(x + marge, ligneDeBase - epaisseur + 1, largeurBlanc - 2 * marge, epaisseur), blanc);
            x += largeurBlanc;
        }
        debut = i + 1;
    }
}
