#include "niveaux.h"

QString niveauSuivant(const QString &niveau)
{
    bool lu = false;
    const int valeur = niveau.trimmed().toInt(&lu);
    if (lu && valeur >= 5)
        return QString();
    // A negative or unreadable level would otherwise climb through "-2",
    // "-1"... and be written to Mots.dat: it starts again at 1.
    if (!lu || valeur < 1)
        return QStringLiteral("1");
    return QString::number(valeur + 1);
}

std::optional<QColor> couleurNiveau(const QString &niveau)
{
    if (niveau == QLatin1String("1"))
        return QColor(255, 255, 0);
    if (niveau == QLatin1String("2"))
        return QColor(0, 255, 255);
    if (niveau == QLatin1String("3"))
        return QColor(255, 255, 255);
    if (niveau == QLatin1String("4"))
        return QColor(0, 255, 0);
    if (niveau == QLatin1String("5"))
        return QColor(255, 0, 255);
    return std::nullopt;
}
