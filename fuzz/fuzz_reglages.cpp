// Code.dat and Fonte.dat on any bytes, through the real readers (they take
// the installation folder): never a crash, a size always in range, and what
// is read is written back and read again unchanged.
#include "commun.h"

#include "data/encodage.h"
#include "data/reglages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace {

const QString &dossier()
{
    static QTemporaryDir temporaire;
    static const QString chemin = temporaire.path();
    return chemin;
}

void ecrire(const QString &nom, const QByteArray &octets)
{
    QFile fichier(QDir(dossier()).filePath(nom));
    fuzz::exiger(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichier.write(octets) == octets.size(),
                 "cannot prepare the input file");
}

// Windows-1252 bytes that also form UTF-8 of Windows-1252 characters (Ã©
// for é) are read as UTF-8 on purpose: a hand-edited file is far likelier.
bool relisibleEnWindows1252(const QString &nom)
{
    QFile fichier(QDir(dossier()).filePath(nom));
    fuzz::exiger(fichier.open(QIODevice::ReadOnly), "cannot read the written file");
    const QByteArray octets = fichier.readAll();
    return decoderTexteFichier(octets) == decoderWindows1252(octets);
}

void verifierCode(const QByteArray &octets)
{
    ecrire(kFichierCode, octets);
    const QString code = lireCodeAcces(dossier());
    const ResultatEcriture ecrit = enregistrerCodeAcces(dossier(), code);
    if (code.contains(u'"')) {
        fuzz::exiger(!ecrit.ok && !ecrit.message().isEmpty(), "a code with a quote was stored");
        return;
    }
    if (ecrit.ok && relisibleEnWindows1252(kFichierCode))
        fuzz::exiger(lireCodeAcces(dossier()) == code, "Code.dat does not read back");
}

void verifierFonte(const QByteArray &octets)
{
    ecrire(kFichierFonte, octets);
    const std::optional<ReglageFonte> fonte = lireFonte(dossier());
    if (!fonte)
        return;
    fuzz::exiger(!fonte->nom.isEmpty(), "font without a name");
    fuzz::exiger(std::isfinite(fonte->taille) && fonte->taille >= kTailleFonteMin
                     && fonte->taille <= kTailleFonteMax,
                 "font size out of range");
    const ResultatEcriture ecrit = enregistrerFonte(dossier(), *fonte);
    if (fonte->nom.contains(u'"')) {
        fuzz::exiger(!ecrit.ok, "a font name with a quote was stored");
        return;
    }
    if (!ecrit.ok)
        return; // a character without a Windows-1252 byte: refused with a message
    if (!relisibleEnWindows1252(kFichierFonte))
        return;
    const std::optional<ReglageFonte> relue = lireFonte(dossier());
    fuzz::exiger(relue.has_value(), "saved font cannot be read");
    // Leading and trailing blanks of a name are not kept, by design.
    fuzz::exiger(relue->nom == fonte->nom.trimmed(), "font name does not read back");
    // The size is written with four decimals.
    fuzz::exiger(std::abs(relue->taille - fonte->taille) < 1e-4, "font size does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray octets = fuzz::octets(data, size);
    verifierCode(octets);
    verifierFonte(octets);
    return 0;
}
