// The entry point of the speech module the program loads when it first
// needs the engine (platform/synthesechargee.h).
#include "synthese.h"

extern "C" Q_DECL_EXPORT const ModuleParole *orthoval_moduleParole()
{
    static const ModuleParole module{
        []() -> Synthese * { return new SyntheseEspeak; },
        phonemesMot,
        prevoirPhonemes,
    };
    return &module;
}
