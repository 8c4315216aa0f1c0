#include "traitement.h"
#include "sndfilechargee.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

double mesurerNiveau(std::span<const qint16> echantillons)
{
    int crete = 0;
    for (const qint16 e : echantillons)
        crete = std::max(crete, std::abs(int(e)));
    return crete / 32768.0;
}

double mesurerVolume(std::span<const qint16> echantillons)
{
    if (echantillons.empty())
        return 0.0;
    double somme = 0.0;
    for (const qint16 e : echantillons)
        somme += double(e) * double(e);
    return std::sqrt(somme / double(echantillons.size()));
}

std::vector<qint16> rognerSilences(std::span<const qint16> echantillons, int frequence)
{
    const double crete = mesurerNiveau(echantillons) * 32768.0;
    if (crete == 0.0)
        return {};
    const double seuil = crete * kSeuilSilence;
    auto sonore = [seuil](qint16 e) { return std::abs(int(e)) >= seuil; };
    const auto premier = std::size_t(std::find_if(echantillons.begin(), echantillons.end(), sonore)
                                     - echantillons.begin());
    const auto dernier = std::size_t(std::find_if(echantillons.rbegin(), echantillons.rend(), sonore).base()
                                     - echantillons.begin());   // one past the last
    const auto marge = std::size_t(std::max(0, frequence)) * kMargeSilenceMs / 1000;
    const std::size_t debut = premier > marge ? premier - marge : 0;
    const std::size_t fin = std::min(echantillons.size(), dernier + marge);
    return {echantillons.begin() + std::ptrdiff_t(debut), echantillons.begin() + std::ptrdiff_t(fin)};
}

void normaliserVolume(std::vector<qint16> &echantillons)
{
    const double volume = mesurerVolume(echantillons);
    if (volume == 0.0)
        return;
    const double crete = mesurerNiveau(echantillons) * 32768.0;
    const double gain = std::min(kVolumeCible / volume, kCreteMaximale / crete);
    for (qint16 &e : echantillons)
        e = qint16(std::clamp(std::lround(e * gain), -32768L, 32767L));
}

std::vector<qint16> preparerEnregistrement(std::span<const qint16> echantillons, int frequence)
{
    std::vector<qint16> garde = rognerSilences(echantillons, frequence);
    normaliserVolume(garde);
    return garde;
}

namespace {

// libsndfile writes into memory, so the file itself is written by
// ecrireFichier: whole, through a temporary name, never through a link.
struct Memoire {
    QByteArray octets;
    sf_count_t position = 0;
};

sf_count_t taille(void *donnees)
{
    return static_cast<Memoire *>(donnees)->octets.size();
}

sf_count_t deplacer(sf_count_t decalage, int depuis, void *donnees)
{
    auto *m = static_cast<Memoire *>(donnees);
    const sf_count_t base = depuis == SEEK_CUR ? m->position : depuis == SEEK_END ? m->octets.size() : 0;
    m->position = std::max<sf_count_t>(0, base + decalage);
    return m->position;
}

sf_count_t lire(void *destination, sf_count_t nombre, void *donnees)
{
    auto *m = static_cast<Memoire *>(donnees);
    const sf_count_t n = std::clamp<sf_count_t>(m->octets.size() - m->position, 0, nombre);
    if (n > 0)
        std::memcpy(destination, m->octets.constData() + m->position, std::size_t(n));
    m->position += n;
    return n;
}

sf_count_t ecrire(const void *source, sf_count_t nombre, void *donnees)
{
    auto *m = static_cast<Memoire *>(donnees);
    if (m->position + nombre > m->octets.size())
        m->octets.resize(qsizetype(m->position + nombre));
    std::memcpy(m->octets.data() + m->position, source, std::size_t(nombre));
    m->position += nombre;
    return nombre;
}

sf_count_t position(void *donnees)
{
    return static_cast<Memoire *>(donnees)->position;
}

} // namespace

QByteArray encoderWav(std::span<const qint16> echantillons, int frequence)
{
    const FonctionsSndfile *sf = sndfile();
    if (!sf)
        return {};
    SF_VIRTUAL_IO io{taille, deplacer, lire, ecrire, position};
    Memoire memoire;
    SF_INFO format{};
    format.samplerate = frequence;
    format.channels = 1;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *fichier = sf->ouvrirVirtuel(&io, SFM_WRITE, &format, &memoire);
    if (!fichier)
        return {};
    const auto ecrits = sf->ecrireShort(fichier, echantillons.data(), sf_count_t(echantillons.size()));
    sf->fermer(fichier);
    if (ecrits != sf_count_t(echantillons.size()))
        return {};
    return memoire.octets;
}

ResultatEcriture ecrireWav(const QString &chemin, std::span<const qint16> echantillons, int frequence)
{
    const QByteArray octets = encoderWav(echantillons, frequence);
    if (octets.isEmpty())
        return ResultatEcriture::echec(chemin, QStringLiteral("l'enregistrement n'a pas pu être préparé."));
    return ecrireFichier(chemin, octets);
}

ResultatEcriture enregistrerMot(const QString &dossierInstallation, const QString &mot,
                                std::span<const qint16> echantillons, int frequence, Remplacement remplacement,
                                const QString &dossier)
{
    const QString nom = nomEnregistrement(mot);
    const QByteArray octets = encoderWav(echantillons, frequence);
    if (octets.isEmpty())
        return ResultatEcriture::echec(nom, QStringLiteral("l'enregistrement n'a pas pu être préparé."));
    return ecrireEnregistrement(dossierInstallation, nom, octets, remplacement, dossier);
}
