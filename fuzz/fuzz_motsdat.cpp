// Mots.dat on any bytes: the teacher's reading and the pupil's strict
// reading agree whenever the strict one accepts, and a list written with
// octetsMotsDat reads back as the same list through both.
#include "commun.h"

#include "data/encodage.h"
#include "data/listemots.h"
#include "data/valeurs.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QStringList valeursDe(const QByteArray &octets)
{
    return lireValeurs(decoderTexteFichier(octets));
}

bool entreeRelisible(const EntreeMot &entree)
{
    // A level is hand-edited text at worst; it needs a Windows-1252 byte per
    // character and no quote, like any value.
    return motEnregistrable(entree.mot) && !entree.niveau.contains(u'"')
           && representableEnWindows1252(entree.niveau);
}

void verifierAllerRetour(const ListeMots &liste)
{
    const std::optional<QByteArray> octets = octetsMotsDat(liste);
    fuzz::exiger(octets.has_value(), "a storable list has no bytes");
    // Bytes that happen to be valid UTF-8 are taken for a UTF-8 file by design.
    if (decoderTexteFichier(*octets) != decoderWindows1252(*octets))
        return;
    const QStringList valeurs = valeursDe(*octets);
    fuzz::exiger(lireEnregistrementsMots(valeurs) == liste, "Mots.dat does not read back (teacher)");
    fuzz::exiger(lireEnregistrementsMotsStricte(valeurs) == liste, "Mots.dat does not read back (pupil)");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    QStringList noms;
    const int nombreNoms = fdp.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < nombreNoms; ++i)
        noms << QString::fromStdString(fdp.ConsumeRandomLengthString(24)) + QStringLiteral(".wav");
    const std::string reste = fdp.ConsumeRemainingBytesAsString();
    const QStringList valeurs = valeursDe(QByteArray(reste.data(), qsizetype(reste.size())));

    const ListeMots liste = lireEnregistrementsMots(valeurs);
    const std::optional<ListeMots> stricte = lireEnregistrementsMotsStricte(valeurs);
    if (stricte)
        fuzz::exiger(*stricte == liste, "strict reading differs from the teacher's");

    ListeMots relisible;
    for (const EntreeMot &entree : liste)
        if (entreeRelisible(entree))
            relisible.append(entree);
    verifierAllerRetour(relisible);

    // The teacher's opening keeps only the recordings whose word can be stored.
    QStringList acceptes;
    for (const QString &nom : noms)
        if (motEnregistrable(nom.chopped(4)))
            acceptes << nom;
    const ListeMots fusion = fusionnerAvecEnregistrements(relisible, acceptes);
    for (const EntreeMot &entree : fusion)
        fuzz::exiger(entreeRelisible(entree), "the merge let in a word that cannot be stored");
    verifierAllerRetour(fusion);
    return 0;
}
