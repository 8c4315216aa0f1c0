#include "trinoms.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

void trierNoms(QStringList &noms)
{
    QCollator collateur{QLocale(QLocale::French, QLocale::France)};
    collateur.setCaseSensitivity(Qt::CaseInsensitive);
    // Names the collator sees as equal still get one fixed order.
    std::sort(noms.begin(), noms.end(), [&collateur](const QString &a, const QString &b) {
        const int ordre = collateur.compare(a, b);
        return ordre != 0 ? ordre < 0 : a < b;
    });
}
