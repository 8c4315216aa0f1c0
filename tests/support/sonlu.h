#pragma once
// A recording read back with libsndfile: whether it could be read, its
// length, its loudness (RMS), its channels and format.
#include <QFile>
#include <QString>
#include <cmath>
#include <sndfile.h>
#include <vector>

struct SonLu {
    bool lu = false;
    double secondes = 0;
    double rms = 0;
    int canaux = 0;
    int format = 0;
};

inline SonLu lireSon(const QString &chemin)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!f)
        return {};
    std::vector<double> echantillons(size_t(info.frames) * size_t(info.channels));
    const sf_count_t lus = sf_readf_double(f, echantillons.data(), info.frames);
    sf_close(f);
    double somme = 0;
    for (double e : echantillons)
        somme += e * e;
    return {lus == info.frames, double(info.frames) / info.samplerate,
            echantillons.empty() ? 0 : std::sqrt(somme / double(echantillons.size())), info.channels,
            info.format};
}
