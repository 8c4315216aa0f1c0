#include "dureewav.h"
#include "plateformeqt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>

SonQt::SonQt() = default;
SonQt::~SonQt() = default;

int SonQt::dureeMs(const QString &chemin)
{
    return dureeEnregistrementMs(chemin);
}

Son *SonQt::lecteur()
{
    // The playback module sits beside the program. Without it, or without an
    // audio device, words are simply not heard: never an error.
    if (!moduleCharge_) {
        moduleCharge_ = true;
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/orthoval_son"));
        using Fabrique = Son *(*)();
        if (auto fabrique = reinterpret_cast<Fabrique>(module.resolve("orthoval_creerSon")))
            lecteur_.reset(fabrique());
    }
    return lecteur_.get();
}

void SonQt::jouer(const QString &chemin)
{
    if (Son *son = lecteur())
        son->jouer(chemin);
}

void SonQt::arreter()
{
    if (lecteur_)
        lecteur_->arreter();
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
