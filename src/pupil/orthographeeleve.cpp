#include "orthographeeleve.h"

#include "langue/tableslangue.h"

#include <QHash>

#include <memory>
#include <mutex>

namespace {

// The tables of one program folder, shared by every visit of the process.
const TablesLangue &orthographesDe(const QString &dossierProgramme)
{
    static std::mutex garde;
    static QHash<QString, std::shared_ptr<const TablesLangue>> parDossier;
    const std::lock_guard verrou(garde);
    std::shared_ptr<const TablesLangue> &trouve = parDossier[dossierProgramme];
    if (!trouve) {
        // An empty folder would make the tables be looked for in the
        // current directory.
        const QString langue = dossierProgramme.isEmpty() ? QString() : trouverDossierLangue(dossierProgramme);
        trouve = std::make_shared<const TablesLangue>(langue);
    }
    return *trouve;
}

// The table writes words in lower case: "Île" has the other spelling "Ile".
QString avecMajuscule(QString forme, const QString &mot)
{
    if (!mot.isEmpty() && !forme.isEmpty() && mot.front().isUpper())
        forme.front() = forme.front().toUpper();
    return forme;
}

} // namespace

std::function<FormesMot(const QString &)> formesPourVisite(ReglageOrthographe reglage,
                                                           const QString &dossierProgramme)
{
    return [reglage, dossierProgramme](const QString &mot) {
        const TablesLangue &o = orthographesDe(dossierProgramme);
        QStringList variantes = o.variantesOrthographe(mot);
        for (QString &v : variantes)
            v = avecMajuscule(v, mot);
        const bool rectifie = reglage != ReglageOrthographe::LesDeux && !variantes.isEmpty() && o.estRectifiee(mot);
        return formesDuMot(mot, reglage, variantes, rectifie);
    };
}
