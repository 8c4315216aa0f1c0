// The value reader on any file content: never crashes, and values written
// back as a quoted line read back the same.
#include "commun.h"

#include "data/encodage.h"
#include "data/valeurs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString texte = decoderTexteFichier(fuzz::octets(data, size));
    const QStringList valeurs = lireValeurs(texte);
    fuzz::exiger(valeurs.size() <= texte.size() + 1, "more values than characters");

    // A double quote inside a value cannot be written back (no escaping).
    bool guillemet = false;
    for (const QString &valeur : valeurs)
        guillemet = guillemet || valeur.contains(u'"');
    if (!valeurs.isEmpty() && !guillemet)
        fuzz::exiger(lireValeurs(ligneValeurs(valeurs)) == valeurs, "quoted line does not read back");

    // Windows-1252 bytes decode back to the text they came from, unless they
    // happen to form UTF-8, or start with a UTF-16 byte-order mark ("ÿþ",
    // "þÿ"): then the file is taken for UTF-8 or UTF-16 on purpose. No file
    // the program writes starts with either mark.
    if (const std::optional<QByteArray> encodes = encoderWindows1252(texte)) {
        const QString relu = decoderTexteFichier(*encodes);
        const bool marqueUtf16 = encodes->startsWith("\xFF\xFE") || encodes->startsWith("\xFE\xFF");
        fuzz::exiger(relu == texte || relu == QString::fromUtf8(*encodes) || encodes->startsWith("\xEF\xBB\xBF")
                         || marqueUtf16,
                     "Windows-1252 bytes decoded as neither Windows-1252 nor UTF-8 nor UTF-16");
        fuzz::exiger(decoderWindows1252(*encodes) == texte, "Windows-1252 round trip");
    }
    return 0;
}
