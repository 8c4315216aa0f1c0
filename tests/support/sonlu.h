#pragma once
// A recording read back with libsndfile: whether it could be read, its
// length, its loudness (RMS), its channels and format.
#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <sndfile.h>
#include <vector>

struct SonLu {
    bool lu = false;
    double secondes = 0;
    double rms = 0;
    int canaux = 0;
    int format = 0;
    // Seconds before the first and after the last sample louder than 5 % of
    // the loudest one, and between the two: the word heard and its silences.
    double silenceAvant = 0;
    double parole = 0;
    double silenceApres = 0;
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
    double crete = 0;
    for (double e : echantillons) {
        somme += e * e;
        crete = std::max(crete, std::abs(e));
    }
    SonLu son{lus == info.frames, double(info.frames) / info.samplerate,
              echantillons.empty() ? 0 : std::sqrt(somme / double(echantillons.size())), info.channels,
              info.format};
    const auto fort = [&](double e) { return std::abs(e) > 0.05 * crete; };
    const auto premier = std::find_if(echantillons.cbegin(), echantillons.cend(), fort);
    const auto dernier = std::find_if(echantillons.crbegin(), echantillons.crend(), fort);
    if (premier != echantillons.cend() && info.channels > 0) {
        const double parSeconde = double(info.samplerate) * info.channels;
        son.silenceAvant = double(premier - echantillons.cbegin()) / parSeconde;
        son.silenceApres = double(dernier - echantillons.crbegin()) / parSeconde;
        son.parole = son.secondes - son.silenceAvant - son.silenceApres;
    }
    return son;
}
