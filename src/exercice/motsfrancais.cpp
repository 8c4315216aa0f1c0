#include "motsfrancais.h"

#include "langue/tableslangue.h"

#include <QThreadPool>

#include <map>
#include <memory>
#include <mutex>

namespace {

// One set of tables per program folder, alive until the program ends: a
// window closed and opened again does not read them twice.
const TablesLangue &tablesDuProgramme(const QString &dossierProgramme)
{
    static std::mutex verrou;
    static std::map<QString, std::unique_ptr<TablesLangue>> tables;
    const std::lock_guard garde(verrou);
    std::unique_ptr<TablesLangue> &t = tables[dossierProgramme];
    if (!t) {
        // No folder: no tables, rather than a langue/ of the current folder.
        t = std::make_unique<TablesLangue>(dossierProgramme.isEmpty() ? QString()
                                                                      : trouverDossierLangue(dossierProgramme));
    }
    return *t;
}

} // namespace

SourcePhonemes ajouterHomophones(SourcePhonemes source, const QString &dossierProgramme)
{
    const TablesLangue *tables = &tablesDuProgramme(dossierProgramme);
    source.homophones = [tables](const QString &mot) { return tables->homophonesDe(mot); };
    return source;
}

void preparerEnArrierePlan(const SourcePhonemes &source)
{
    QThreadPool::globalInstance()->start([source] {
        const QString mot = QStringLiteral("dent");
        if (source.homophones)
            source.homophones(mot);
        if (source.phonemes)
            source.phonemes(mot);
    });
}
