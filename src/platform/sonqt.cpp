#include "audio/dureewav.h"
#include "plateformeqt.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTimer>
#include <utility>

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

void SonQt::signalerFin(double secondes, std::function<void()> fin)
{
    // A monotonic timer: no processor is burnt, and midnight does not matter.
    if (!minuterie_) {
        minuterie_ = std::make_unique<QTimer>();
        minuterie_->setSingleShot(true);
        minuterie_->setTimerType(Qt::PreciseTimer);
        QObject::connect(minuterie_.get(), &QTimer::timeout, [this] {
            if (auto appel = std::exchange(fin_, nullptr))
                appel();
        });
    }
    fin_ = std::move(fin);
    minuterie_->start(qMax(0, int(secondes * 1000.0 + 0.5)));
}
