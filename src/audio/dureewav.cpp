#include "dureewav.h"
#include "sndfilechargee.h"

#include <QFile>

int dureeEnregistrementMs(const QString &chemin)
{
    const FonctionsSndfile *sf = sndfile();
    if (!sf)
        return 0;
    SF_INFO info{};
    SNDFILE *fichier = sf->ouvrir(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!fichier)
        return 0;
    sf->fermer(fichier);
    if (info.samplerate <= 0 || info.frames <= 0)
        return 0;
    const double ms = double(info.frames) * 1000.0 / double(info.samplerate);
    // A header claiming days of sound is damaged; don't make a child wait for it.
    constexpr double kMaximum = 10.0 * 60.0 * 1000.0;
    return ms > kMaximum ? 0 : int(ms);
}
