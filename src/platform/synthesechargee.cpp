#include "synthesechargee.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPromise>
#include <QStringList>

#include <mutex>

namespace {

const QString kModuleAbsent = QStringLiteral(
    "la synthèse vocale n'est pas installée avec le programme (fichier orthoval_parole.so absent).");

template <typename T>
QFuture<T> resultatImmediat(const T &valeur)
{
    QPromise<T> promesse;
    promesse.start();
    promesse.addResult(valeur);
    promesse.finish();
    return promesse.future();
}

} // namespace

const ModuleParole *moduleParole()
{
    static std::once_flag une;
    static const ModuleParole *module = nullptr;
    std::call_once(une, [] {
        // Never unloaded: its engine thread lives until the program ends.
        QLibrary bibliotheque(QCoreApplication::applicationDirPath() + QStringLiteral("/orthoval_parole"));
        using Entree = const ModuleParole *(*)();
        if (const auto entree = reinterpret_cast<Entree>(bibliotheque.resolve("orthoval_moduleParole")))
            module = entree();
    });
    return module;
}

SyntheseChargee::SyntheseChargee() = default;
SyntheseChargee::~SyntheseChargee() = default;

Synthese *SyntheseChargee::moteur()
{
    if (!charge_) {
        charge_ = true;
        if (const ModuleParole *module = moduleParole())
            moteur_.reset(module->creerSynthese());
    }
    return moteur_.get();
}

QFuture<MotParle> SyntheseChargee::prononcer(const QString &mot)
{
    if (Synthese *synthese = moteur())
        return synthese->prononcer(mot);
    MotParle absent;
    absent.erreur = kModuleAbsent;
    return resultatImmediat(absent);
}

QFuture<QString> SyntheseChargee::enregistrer(const QString &dossierInstallation, const QString &mot)
{
    if (Synthese *synthese = moteur())
        return synthese->enregistrer(dossierInstallation, mot);
    return resultatImmediat(kModuleAbsent);
}

SourcePhonemes phonemesChargees()
{
    const ModuleParole *module = moduleParole();
    if (!module)
        return {[](const QString &) { return QString(); }, {}};
    return {module->phonemes, module->prevoirPhonemes};
}
