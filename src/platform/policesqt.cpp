#include "plateformeqt.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

QStringList PolicesQt::familles()
{
    return QFontDatabase::families();
}

int PolicesQt::hauteurLigneTwips(const QFont &police)
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    const double ppp = ecran ? ecran->logicalDotsPerInchY() : 96.0;
    return int(QFontMetrics(police).height() * 1440.0 / ppp + 0.5);
}

QSize EcranQt::taille()
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry().size() : QSize(800, 600);
}
