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

QFunctionPointer resoudreDansModuleSon(const char *nom)
{
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/orthoval_son"));
    return module.resolve(nom);
}

Son *SonQt::lecteur()
{
    // Without the module, or without an audio device, words are simply not
    // heard: never an error.
    if (!moduleCharge_) {
        moduleCharge_ = true;
        lecteur_.reset(creerDansModuleSon<Son>("orthoval_creerSon"));
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
