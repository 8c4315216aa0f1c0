#pragma once
// What a recorded word goes through before it is kept: the silence before and
// after it is cut, its loudness brought to that of the starter library, and it
// is written as a WAV file the pupil side plays like any other.
#include "data/ecriture.h"
#include "data/enregistrement.h"

#include <QByteArray>
#include <QtGlobal>
#include <span>
#include <vector>

// Samples a second of a recording made in the program (the starter library's rate).
inline constexpr int kFrequenceEnregistrement = 22050;

// A sample is silence when it is quieter than this part of the loudest one.
inline constexpr double kSeuilSilence = 0.05;

// Kept before and after the word, so its first and last sounds are not clipped.
inline constexpr int kMargeSilenceMs = 80;

// The loudness every word is brought to: the RMS of the starter library's
// words. Measured over the 362 files of build/bibliotheque/*.wav (espeak-ng,
// 22,050 Hz, 16-bit mono), each trimmed as above and its RMS taken: median
// 2,675 (from 1,599 to 3,638); their peaks' median is 16,925.
inline constexpr double kVolumeCible = 2700.0;

// Normalising never takes a sample beyond this, so a word never clips.
inline constexpr double kCreteMaximale = 32000.0;

// The loudest sample of a block, from 0 to 1: a meter's level.
double mesurerNiveau(std::span<const qint16> echantillons);

// The root mean square of the samples; 0 for none.
double mesurerVolume(std::span<const qint16> echantillons);

// The samples from the first to the last that is not silence, with a margin of
// kMargeSilenceMs on each side where the recording has it. Empty when nothing
// but zeros was heard.
std::vector<qint16> rognerSilences(std::span<const qint16> echantillons, int frequence);

// Scales the samples to an RMS of kVolumeCible, less when that would take a
// sample beyond kCreteMaximale.
void normaliserVolume(std::vector<qint16> &echantillons);

// Trims then normalises: what is kept of a take.
std::vector<qint16> preparerEnregistrement(std::span<const qint16> echantillons, int frequence);

// The bytes of a 16-bit PCM mono WAV file holding the samples; empty when
// they cannot be encoded.
QByteArray encoderWav(std::span<const qint16> echantillons, int frequence);

// Writes the samples as a 16-bit PCM mono WAV file, whole, through a
// temporary file and a rename; refused for a symbolic link. For files of
// the program's own (a take heard before it is kept).
ResultatEcriture ecrireWav(const QString &chemin, std::span<const qint16> echantillons, int frequence);

// Writes the samples as the word's recording, Sons/<word>.wav (or
// <dossier>/<word>.wav: Phrases for its sentence), through an
// EnregistrementProvisoire: whole or not at all, in the folder every
// pupil's account can write to.
ResultatEcriture enregistrerMot(const QString &dossierInstallation, const QString &mot,
                                std::span<const qint16> echantillons, int frequence, Remplacement remplacement,
                                const QString &dossier = kDossierSons);
