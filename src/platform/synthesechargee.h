#pragma once
// Speech synthesis and phonemes through the speech module (platform/parole.h
// ModuleParole), loaded from the program's folder the first time one is
// asked for. Without the module, words are answered with a French reason and
// phonemes are unknown: never a failure.
#include "engine/erreurs.h"
#include "platform/parole.h"

#include <memory>

// The module, loaded once (from any thread); null when it cannot be.
const ModuleParole *moduleParole();

class SyntheseChargee : public Synthese {
public:
    SyntheseChargee();
    ~SyntheseChargee() override;
    QFuture<MotParle> prononcer(const QString &mot) override;
    QFuture<QString> enregistrer(const QString &dossierInstallation, const QString &mot) override;

private:
    Synthese *moteur();
    std::unique_ptr<Synthese> moteur_;
    bool charge_ = false;
};

// The module's phonemes, for classifying mistakes.
SourcePhonemes phonemesChargees();
