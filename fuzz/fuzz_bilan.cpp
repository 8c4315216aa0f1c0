// The progress file on any bytes: loading (as ChargerBilan does), the
// reconciliation checked against the literal algorithm, and saving: a saved
// table re-read gives the identical table.
#include "commun.h"

#include "data/bilan.h"
#include "data/encodage.h"
#include "data/listemots.h"
#include "data/valeurs.h"
#include "oracles.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const QDate kAujourdhui(2026, 3, 14);

QStringList valeursDe(const std::string &octets)
{
    return lireValeurs(decoderTexteFichier(QByteArray(octets.data(), qsizetype(octets.size()))));
}

bool sansGuillemet(const TableProgression &table)
{
    for (const LigneProgression &ligne : table.lignes())
        for (const QString &cellule : ligne)
            if (cellule.contains(u'"'))
                return false;
    return true;
}

// What loading guarantees: every row dated and holding something besides
// its date.
void verifierChargee(const TableProgression &table)
{
    for (const LigneProgression &ligne : table.lignes()) {
        fuzz::exiger(!ligne[kColonneDate].isEmpty(), "loaded row without a date");
        bool contenu = false;
        for (int c = 0; c < kColonnes; ++c)
            contenu = contenu || (c != kColonneDate && !ligne[c].isEmpty());
        fuzz::exiger(contenu, "loaded row holding only a date");
    }
}

void verifierRelecture(const TableProgression &table)
{
    if (!sansGuillemet(table))
        return;
    for (const LigneProgression &ligne : table.lignes()) {
        bool contenu = false;
        for (int c = 0; c < kColonnes; ++c)
            contenu = contenu || (c != kColonneDate && !ligne[c].isEmpty());
        if (!contenu || ligne[kColonneDate].isEmpty())
            return; // such a row is dropped or dated by loading, by design
    }
    TableProgression relue;
    remplirTableProgression(relue, lireValeurs(texteBilan(table)), {}, kAujourdhui);
    fuzz::exiger(relue == table, "saved table does not read back identical");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const QStringList valeursMots = valeursDe(fdp.ConsumeRandomLengthString());
    const QStringList valeursBilan = valeursDe(fdp.ConsumeRemainingBytesAsString());

    TableProgression table;
    remplirTableProgression(table, valeursBilan, valeursMots, kAujourdhui);
    verifierChargee(table);
    verifierRelecture(table);

    const ListeMots liste = lireEnregistrementsMots(valeursMots);
    TableProgression attendue = table;
    ActualiserBilan(table, liste, kAujourdhui);
    // The literal algorithm is quadratic: compare on tables of modest size.
    if (qint64(attendue.nombreLignes() + liste.size()) * liste.size() < 200000) {
        oracle::ActualiserBilan(attendue, liste, kAujourdhui);
        fuzz::exiger(table == attendue, "reconciliation differs from the literal algorithm");
    }
    const int acquis = CompterMotsAcquis(table);
    fuzz::exiger(acquis >= 0 && acquis <= table.nombreLignes(), "acquired count out of range");
    verifierRelecture(table);
    return 0;
}
