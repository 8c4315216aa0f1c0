#pragma once
// The window is drawn from positions in twips (1/1440 inch), as designed for
// an 800 x 600 screen; one factor turns them into pixels at the screen's DPI.
#include <QRect>
#include <QtMath>

struct Echelle {
    double pixelsParTwip = 96.0 / 1440.0;

    static Echelle pourDpi(double dpi) { return {dpi > 0 ? dpi / 1440.0 : 96.0 / 1440.0}; }
    int px(int twips) const { return qRound(twips * pixelsParTwip); }
    QRect rect(int x, int y, int largeur, int hauteur) const
    {
        return QRect(px(x), px(y), px(largeur), px(hauteur));
    }
};
