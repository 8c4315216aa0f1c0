#include "plateformeqt.h"

#include <QFileInfo>
#include <QProcess>

bool LanceurQt::lancer(const QString &chemin, const QStringList &arguments)
{
    const QFileInfo programme(chemin);
    if (!programme.isFile() || !programme.isExecutable())
        return false;
    return QProcess::startDetached(chemin, arguments, programme.absolutePath());
}

QDate HorlogeQt::aujourdhui()
{
    return QDate::currentDate();
}

Plateforme PlateformeQt::services()
{
    return {&messages_, &polices_, &ecran_, &son_, &imprimante_, &lanceur_, &horloge_, &micro_, &synthese_};
}
