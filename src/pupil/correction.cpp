#include "correction.h"

#include "encre.h"
#include "textes.h"

#include <QPainter>

using namespace textes_eleve;

namespace {

const QColor kFondMarque(0xFF, 0xE0, 0x8A);
const QColor kEncreTapee(0xB0, 0x00, 0x00);
const QColor kEncreAttendue(0x00, 0x60, 0x00);
const QColor kTrou(0x7A, 0x84, 0x94);

QString texteCase(QChar c) { return c.isNull() ? QStringLiteral("_") : QString(c); }

// The width of each column: the wider of its two letters, a gap as wide as "o".
QList<int> largeursColonnes(const QList<CaseAlignee> &cases, const QFontMetrics &m)
{
    QList<int> largeurs;
    const int trou = m.horizontalAdvance(QLatin1Char('o'));
    for (const CaseAlignee &c : cases)
        largeurs << qMax(c.tapee.isNull() ? trou : m.horizontalAdvance(c.tapee),
                         c.attendue.isNull() ? trou : m.horizontalAdvance(c.attendue));
    return largeurs;
}

} // namespace

VueCorrection::VueCorrection(QWidget *parent) : QWidget(parent) {}

void VueCorrection::setPolice(const QFont &police)
{
    police_ = police;
    update();
}

void VueCorrection::montrer(const QString &tapee, const QString &attendue)
{
    montrer(AlignerReponse(tapee, attendue));
}

void VueCorrection::montrer(const QList<CaseAlignee> &cases)
{
    cases_ = cases;
    update();
}

QList<int> VueCorrection::colonnesMarquees() const
{
    QList<int> colonnes;
    for (int i = 0; i < cases_.size(); ++i)
        if (cases_[i].differe())
            colonnes << i;
    return colonnes;
}

QFont VueCorrection::policeAjustee(int largeurDispo) const
{
    QFont f = police_;
    const int hauteurDispo = height() / 2 - 4;
    for (double taille = f.pointSizeF(); taille > 4; taille -= 0.5) {
        f.setPointSizeF(taille);
        const QFontMetrics m(f);
        int largeur = 0;
        for (int l : largeursColonnes(cases_, m))
            largeur += l + 2;
        if (largeur <= largeurDispo && hauteurTexte(m) <= hauteurDispo)
            break;
    }
    return f;
}

void VueCorrection::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0xA7, 0xB0, 0xBE));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (cases_.isEmpty())
        return;

    // Captions on the left, in the window's font, the letters after them.
    QFont legende = font();
    legende.setPointSizeF(qMax(8.0, police_.pointSizeF() * 0.45));
    const QFontMetrics ml(legende);
    const int marge = 6;
    const int largeurLegende = qMax(ml.horizontalAdvance(kLegendeTapee), ml.horizontalAdvance(kLegendeAttendue)) + ml.height();
    const QFont f = policeAjustee(width() - largeurLegende - 2 * marge);
    const QFontMetrics m(f);
    const QList<int> largeurs = largeursColonnes(cases_, m);
    const int hauteurLigne = hauteurTexte(m);
    const int y0 = (height() - 2 * hauteurLigne - 6) / 2;
    const int lignesY[2] = {y0, y0 + hauteurLigne + 6};
    const int barre = qMax(3, hauteurLigne / 12);

    p.setFont(legende);
    p.setPen(QColor(0x30, 0x38, 0x48));
    p.drawText(QRect(marge, lignesY[0], largeurLegende, hauteurLigne), Qt::AlignVCenter | Qt::AlignLeft, kLegendeTapee);
    p.drawText(QRect(marge, lignesY[1], largeurLegende, hauteurLigne), Qt::AlignVCenter | Qt::AlignLeft, kLegendeAttendue);

    p.setFont(f);
    int x = marge + largeurLegende;
    for (int i = 0; i < cases_.size(); ++i) {
        const CaseAlignee &c = cases_[i];
        const int l = largeurs[i] + 2;
        for (int rang = 0; rang < 2; ++rang) {
            const QChar lettre = rang == 0 ? c.tapee : c.attendue;
            const QRect boite(x, lignesY[rang], l, hauteurLigne);
            if (c.differe())
                p.fillRect(boite, kFondMarque);
            if (lettre.isNull()) {
                const int bord = qMax(1, l / 6);
                const int base = ligneDeBaseCentree(m, boite.top(), boite.height());
                p.fillRect(QRect(x + bord, base - barre + 1, l - 2 * bord, barre), kTrou);
            } else {
                p.setPen(!c.differe() ? QColor(Qt::black) : rang == 0 ? kEncreTapee : kEncreAttendue);
                const QString texte = texteCase(lettre);
                p.drawText(QPoint(x + (l - m.horizontalAdvance(texte)) / 2,
                                  ligneDeBaseCentree(m, boite.top(), boite.height())),
                           texte);
            }
            if (c.differe())
                p.fillRect(QRect(x, boite.bottom() - barre + 1, l, barre), rang == 0 ? kEncreTapee : kEncreAttendue);
        }
        x += l;
    }
}
