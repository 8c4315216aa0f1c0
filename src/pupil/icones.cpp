#include "icones.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kDensite = 2.0;

// A transparent square canvas, painted in a 100 x 100 coordinate system.
template <typename Dessin>
QPixmap dessiner(int cote, Dessin dessin)
{
    QPixmap image(int(cote * kDensite), int(cote * kDensite));
    image.setDevicePixelRatio(kDensite);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cote / 100.0, cote / 100.0);
    dessin(p);
    return image;
}

QPen trait(const QColor &couleur, qreal epaisseur)
{
    return QPen(couleur, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QPixmap iconeOui(int cote)
{
    return dessiner(cote, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE6, 0xF7, 0xE6));
        p.drawEllipse(QRectF(4, 4, 92, 92));
        p.setPen(trait(QColor(0x1E, 0x9E, 0x3A), 14));
        p.setBrush(Qt::NoBrush);
        QPainterPath coche;
        coche.moveTo(24, 52);
        coche.lineTo(43, 71);
        coche.lineTo(77, 30);
        p.drawPath(coche);
    });
}

QPixmap iconeNon(int cote)
{
    return dessiner(cote, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFB, 0xE6, 0xE6));
        p.drawEllipse(QRectF(4, 4, 92, 92));
        p.setPen(trait(QColor(0xD0, 0x20, 0x20), 14));
        p.drawLine(QPointF(30, 30), QPointF(70, 70));
        p.drawLine(QPointF(70, 30), QPointF(30, 70));
    });
}

QPixmap iconeHautParleur(int cote)
{
    return dessiner(cote, [](QPainter &p) {
        const QColor corps(0x35, 0x4A, 0x6E);
        p.setPen(trait(corps, 4));
        p.setBrush(corps);
        QPolygonF haut;
        haut << QPointF(12, 38) << QPointF(28, 38) << QPointF(50, 18) << QPointF(50, 82)
             << QPointF(28, 62) << QPointF(12, 62);
        p.drawPolygon(haut);
        p.setBrush(Qt::NoBrush);
        p.setPen(trait(QColor(0x2F, 0x80, 0xED), 7));
        p.drawArc(QRectF(44, 32, 24, 36), -50 * 16, 100 * 16);
        p.drawArc(QRectF(42, 20, 40, 60), -50 * 16, 100 * 16);
        p.drawArc(QRectF(40, 8, 56, 84), -50 * 16, 100 * 16);
    });
}

QPixmap iconeImprimante(int cote)
{
    return dessiner(cote, [](QPainter &p) {
        const QColor gris(0x50, 0x58, 0x66);
        p.setPen(trait(gris, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(28, 10, 44, 30));          // paper going in
        p.setBrush(QColor(0xB8, 0xC2, 0xD0));
        p.drawRoundedRect(QRectF(10, 36, 80, 36), 8, 8);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(26, 60, 48, 32));          // page coming out
        p.setPen(trait(gris, 4));
        p.drawLine(QPointF(34, 72), QPointF(66, 72));
        p.drawLine(QPointF(34, 82), QPointF(58, 82));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1E, 0x9E, 0x3A));
        p.drawEllipse(QRectF(76, 44, 7, 7));
    });
}

QPixmap iconePhrase(int cote)
{
    return dessiner(cote, [](QPainter &p) {
        const QColor bleu(0x2F, 0x80, 0xED);
        p.setPen(trait(QColor(0x35, 0x4A, 0x6E), 5));
        p.setBrush(QColor(0xEA, 0xF2, 0xFD));
        QPainterPath bulle;
        bulle.addRoundedRect(QRectF(8, 12, 84, 58), 14, 14);
        QPolygonF queue;
        queue << QPointF(24, 64) << QPointF(18, 90) << QPointF(44, 68);
        bulle = bulle.united([&] {
            QPainterPath q;
            q.addPolygon(queue);
            q.closeSubpath();
            return q;
        }());
        p.drawPath(bulle);
        p.setPen(trait(bleu, 7));
        p.drawLine(QPointF(22, 30), QPointF(78, 30));
        p.drawLine(QPointF(22, 44), QPointF(78, 44));
        p.drawLine(QPointF(22, 58), QPointF(56, 58));
    });
}
