#include "dureewav.h"
#include "plateformeqt.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

SonQt::SonQt() = default;
SonQt::~SonQt() = default;

int SonQt::dureeMs(const QString &chemin)
{
    return dureeEnregistrementMs(chemin);
}

void SonQt::jouer(const QString &chemin)
{
    // The audio device is opened only when a word is first spoken; without a
    // device the effect stays silent and reports nothing.
    if (!effet_)
        effet_ = std::make_unique<QSoundEffect>();
    effet_->setSource(QUrl::fromLocalFile(chemin));
    effet_->play();
}

void SonQt::arreter()
{
    if (effet_)
        effet_->stop();
}

void SonQt::attendre(double secondes)
{
    // A local event loop on a monotonic timer: clicks and repaints stay live,
    // no processor is burnt, and midnight does not matter.
    if (secondes <= 0)
        return;
    QEventLoop boucle;
    QTimer::singleShot(int(secondes * 1000.0 + 0.5), Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec();
}
