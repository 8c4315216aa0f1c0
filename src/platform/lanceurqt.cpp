#include "plateformeqt.h"

#include <QFileInfo>
#include <QProcess>

bool LanceurQt::lancer(const QString &chemin, bool cache)
{
    if (!QFileInfo(chemin).isExecutable())
        return false;
    // The installer works without a window when asked to stay hidden.
    const QStringList arguments = cache ? QStringList{QStringLiteral("--cache")} : QStringList{};
    return QProcess::startDetached(chemin, arguments, QFileInfo(chemin).absolutePath());
}

QDate HorlogeQt::aujourdhui()
{
    return QDate::currentDate();
}

Plateforme PlateformeQt::services()
{
    return {&messages_, &polices_, &ecran_, &son_, &imprimante_, &lanceur_, &horloge_, &micro_};
}
