#pragma once
// The window's designed fonts. MS Sans Serif exists only on Windows; elsewhere
// a font of close width is taken, so that texts fit the places designed for
// them (a wide fallback would push "Mot de niveau 2" into the model frame).
#include <QFont>
#include <QStringList>

inline QFont policeInterface(double points, bool gras = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

inline QFont policeComic(double points, bool gras = false)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}
