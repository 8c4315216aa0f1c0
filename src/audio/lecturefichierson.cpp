#include "lecturefichierson.h"
#include "sndfilechargee.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QString kSansSndfile = QStringLiteral(
    "la bibliothèque qui lit les fichiers son (libsndfile) n'est pas installée sur cet ordinateur.");

// Zero crossings of the filter on each side: enough for a flat passband up
// to nine tenths of the new half-rate, at a cost a few seconds of sound never feel.
constexpr int kDemiLargeur = 16;
constexpr double kBandeUtile = 0.9;

double sinc(double x)
{
    if (std::abs(x) < 1e-9)
        return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

// Blackman window over [-1, 1].
double fenetre(double x)
{
    if (std::abs(x) >= 1.0)
        return 0.0;
    const double t = std::numbers::pi * (x + 1.0);
    return 0.42 - 0.5 * std::cos(t) + 0.08 * std::cos(2 * t);
}

QString nom(const QString &chemin)
{
    return QFileInfo(chemin).fileName();
}

} // namespace

std::vector<float> reechantillonner(std::span<const float> echantillons, int de, int vers)
{
    if (de <= 0 || vers <= 0 || de == vers || echantillons.empty())
        return {echantillons.begin(), echantillons.end()};
    const double rapport = double(vers) / de;
    // The cut-off, in cycles per input sample: below the lower half-rate.
    const double coupure = 0.5 * kBandeUtile * std::min(1.0, rapport);
    const double largeur = kDemiLargeur / std::min(1.0, rapport);   // in input samples
    const auto n = std::size_t(std::llround(double(echantillons.size()) * rapport));
    const auto taille = qint64(echantillons.size());
    std::vector<float> sortie(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / rapport;
        const auto premier = std::max<qint64>(0, qint64(std::ceil(t - largeur)));
        const auto dernier = std::min<qint64>(taille - 1, qint64(std::floor(t + largeur)));
        double somme = 0.0, poids = 0.0;
        for (qint64 k = premier; k <= dernier; ++k) {
            const double d = t - double(k);
            const double h = sinc(2 * coupure * d) * fenetre(d / largeur);
            somme += h * echantillons[std::size_t(k)];
            poids += h;
        }
        // Dividing by the weights keeps a steady level steady, ends included.
        sortie[i] = poids != 0.0 ? float(somme / poids) : 0.0f;
    }
    return sortie;
}

SonFichier lireFichierSon(const QString &chemin, int frequence)
{
    SonFichier son;
    const QFileInfo info(chemin);
    if (!info.exists()) {
        son.erreur = QStringLiteral("le fichier « %1 » est introuvable.").arg(nom(chemin));
        return son;
    }
    if (!info.isFile()) {
        son.erreur = QStringLiteral("« %1 » n'est pas un fichier ordinaire.").arg(nom(chemin));
        return son;
    }
    const FonctionsSndfile *sf = sndfile();
    if (!sf) {
        son.erreur = kSansSndfile;
        return son;
    }
    SF_INFO format{};
    SNDFILE *fichier = sf->ouvrir(QFile::encodeName(chemin).constData(), SFM_READ, &format);
    if (!fichier) {
        son.erreur = QStringLiteral("le fichier « %1 » n'est pas un son que OrthoVal sait lire. Choisissez un "
                                    "fichier WAV, FLAC ou OGG.").arg(nom(chemin));
        return son;
    }
    if (format.channels <= 0 || format.samplerate <= 0 || format.frames <= 0) {
        sf->fermer(fichier);
        son.erreur = QStringLiteral("le fichier « %1 » ne contient aucun son.").arg(nom(chemin));
        return son;
    }
    if (format.frames / format.samplerate > kDureeFichierSonMaxS) {
        sf->fermer(fichier);
        son.erreur = QStringLiteral("le son de « %1 » dure plus de %2 secondes : ce n'est pas l'enregistrement "
                                    "d'un mot. Coupez-le avant de le choisir.").arg(nom(chemin)).arg(kDureeFichierSonMaxS);
        return son;
    }
    // Many channels at a high rate would make even a short file a great deal
    // of memory: more values than a minute of 8 channels at 48 kHz is no
    // word. (After the length: the product cannot overflow.)
    if (format.frames * format.channels > sf_count_t(kDureeFichierSonMaxS) * 48000 * 8) {
        sf->fermer(fichier);
        son.erreur = QStringLiteral("le fichier « %1 » est bien trop gros (%2 canaux à %3 Hz) pour "
                                    "l'enregistrement d'un mot.")
                         .arg(nom(chemin)).arg(format.channels).arg(format.samplerate);
        return son;
    }
    // Values from -1 to 1 whatever the file's own format.
    std::vector<float> entrelaces(std::size_t(format.frames) * std::size_t(format.channels));
    const sf_count_t lus = sf->lireFloat(fichier, entrelaces.data(), format.frames);
    sf->fermer(fichier);
    if (lus <= 0) {
        son.erreur = QStringLiteral("le fichier « %1 » est abîmé : son contenu ne peut pas être lu.").arg(nom(chemin));
        return son;
    }
    std::vector<float> mono(static_cast<std::size_t>(lus));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float somme = 0.0f;
        for (int c = 0; c < format.channels; ++c)
            somme += entrelaces[i * std::size_t(format.channels) + std::size_t(c)];
        mono[i] = somme / float(format.channels);
    }
    const std::vector<float> converti = reechantillonner(mono, format.samplerate, frequence);
    son.echantillons.reserve(converti.size());
    for (const float e : converti)
        son.echantillons.push_back(qint16(std::clamp(std::lround(double(e) * 32767.0), -32768L, 32767L)));
    son.frequence = frequence;
    return son;
}
