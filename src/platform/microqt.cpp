#include "plateformeqt.h"


namespace {
const QString kModuleAbsent = QStringLiteral(
    "Le programme ne peut pas enregistrer : un de ses fichiers (orthoval_son) manque dans son dossier.");
}

MicroQt::MicroQt() = default;
MicroQt::~MicroQt() = default;

Micro *MicroQt::entree()
{
    // The same module as playback, loaded at the first question, not at start-up.
    if (!moduleCharge_) {
        moduleCharge_ = true;
        entree_.reset(creerDansModuleSon<Micro>("orthoval_creerMicro"));
    }
    return entree_.get();
}

QString MicroQt::raisonIndisponible()
{
    Micro *micro = entree();
    return micro ? micro->raisonIndisponible() : kModuleAbsent;
}

bool MicroQt::demarrer(int frequence, Reception recevoir)
{
    Micro *micro = entree();
    return micro && micro->demarrer(frequence, std::move(recevoir));
}

void MicroQt::arreter()
{
    if (entree_)
        entree_->arreter();
}
