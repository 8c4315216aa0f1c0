#include "sndfilechargee.h"

#include <QLibrary>

#include <mutex>

namespace {

template <typename F>
bool resoudre(QLibrary &bibliotheque, const char *nom, F &fonction)
{
    fonction = reinterpret_cast<F>(bibliotheque.resolve(nom));
    return fonction != nullptr;
}

} // namespace

const FonctionsSndfile *sndfile()
{
    static std::once_flag une;
    static FonctionsSndfile fonctions{};
    static bool chargee = false;
    std::call_once(une, [] {
        // Never unloaded: open files may outlive any caller's scope.
        QLibrary bibliotheque(QStringLiteral("sndfile"), 1);
        chargee = resoudre(bibliotheque, "sf_open", fonctions.ouvrir)
                  && resoudre(bibliotheque, "sf_open_virtual", fonctions.ouvrirVirtuel)
                  && resoudre(bibliotheque, "sf_readf_float", fonctions.lireFloat)
                  && resoudre(bibliotheque, "sf_write_short", fonctions.ecrireShort)
                  && resoudre(bibliotheque, "sf_close", fonctions.fermer);
    });
    return chargee ? &fonctions : nullptr;
}
