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
