#pragma once
// The window's designed fonts. MS Sans Serif exists only on Windows; elsewhere
// a font of close width is taken, so that texts fit the places designed for
// them (a wide fallback would push "Mot de niveau 2" into the model frame).
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

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

// What a child reads are the small letters: the exercise font is sized by the
// ink of its "x", not by its nominal size (a school cursive draws them half
// as tall as a print font of the same size).
inline constexpr double kRapportCursive = 0.25;   // x-height / size of the school cursive

// The height of the small letters in pixels. The ruled cursive draws its
// lines into every glyph, so that its "x" is as tall as its line: its small
// letters are those of the plain cursive.
inline double hauteurPetitesLettres(const QFont &police)
{
    const QFontMetricsF m(police);
    const double x = m.xHeight();
    if (x > 0 && x < 0.8 * m.ascent())
        return x;
    return kRapportCursive * QFontInfo(police).pixelSize();
}

// The size at which the small letters ink at least this many pixels.
inline double tailleParPetitesLettres(QFont police, double pixels)
{
    // Measured large, where hinting does not round the letters.
    constexpr double kReference = 72.0;
    const double demandee = qMax(1.0, police.pointSizeF());
    police.setPointSizeF(kReference);
    const double mesure = hauteurPetitesLettres(police);
    if (mesure <= 0)
        return demandee;
    double taille = kReference * pixels / mesure;
    police.setPointSizeF(taille);
    // Hinting rounds the letters at the size used: a few half points more.
    for (int essai = 0; essai < 16 && hauteurPetitesLettres(police) < pixels; ++essai)
        police.setPointSizeF(taille += 0.5);
    return taille;
}

// The exercise's words are bold, unless the family has no bold face: a
// cursive thickened by the renderer runs its strokes together. Never italic.
inline QFont policeExerciceAffichee(QFont police)
{
    const QStringList styles = QFontDatabase::styles(police.family());
    const bool sansGras = !styles.isEmpty()
                          && std::none_of(styles.begin(), styles.end(),
                                          [](const QString &s) { return s.contains(QLatin1String("Bold")); });
    police.setBold(!sansGras);
    police.setItalic(false);
    return police;
}
