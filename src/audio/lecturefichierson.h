#pragma once
// A sound file the teacher brings (WAV, FLAC, OGG...: whatever libsndfile
// reads), turned into what a microphone take gives: mono, 16-bit, at the rate
// of the program's own recordings.
#include <QString>
#include <QtGlobal>
#include <span>
#include <vector>

// Longer than this is not a word: refused, and never read whole.
inline constexpr int kDureeFichierSonMaxS = 60;

struct SonFichier {
    std::vector<qint16> echantillons;
    int frequence = 0;
    QString erreur;   // why the file could not be used, in French; empty when read
};

// Reads the file, mixes its channels into one and brings it to frequence.
SonFichier lireFichierSon(const QString &chemin, int frequence);

// The samples at another rate, through a windowed-sinc filter that also keeps
// out what the new rate cannot carry (no aliasing when going down).
std::vector<float> reechantillonner(std::span<const float> echantillons, int de, int vers);
