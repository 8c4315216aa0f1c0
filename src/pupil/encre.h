#pragma once
// Where the letters of a word really ink, around the baseline. A cursive
// such as Écolier declares a line half again as tall as its letters: the
// exercise line is sized and centred on the ink, so its letters are not
// shrunk for nothing.
#include <QFontMetrics>
#include <QRect>

inline QRect encreLettres(const QFontMetrics &mesure)
{
    // The tallest capitals and accents, and every letter that descends.
    return mesure.tightBoundingRect(QStringLiteral("ÂÉÈÊÎÏÔÙÛÜÀÇbdfhkltgjpqyç'"));
}

// The height a line of this font needs: its declared line, or the ink with a
// little room when that is less.
inline int hauteurTexte(const QFontMetrics &mesure)
{
    return qMin(mesure.height(), encreLettres(mesure).height() + 4);
}

// The baseline that centres the ink in a zone of this top and height.
inline int ligneDeBaseCentree(const QFontMetrics &mesure, int haut, int hauteur)
{
    if (mesure.height() <= hauteur)
        return haut + (hauteur - mesure.height()) / 2 + mesure.ascent();
    const QRect encre = encreLettres(mesure);
    return haut + (hauteur - encre.height()) / 2 - encre.top();
}
