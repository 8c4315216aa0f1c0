#include "orthographeeleve.h"

#include "langue/tableslangue.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <memory>
#include <mutex>

namespace {

// The tables of one program folder, shared by every visit of the process.
// TablesLangue says which spellings go together, not which one is the
// reformed one: that is the second column of its table, read here once.
class Orthographes {
public:
    explicit Orthographes(const QString &dossierLangue) : dossier_(dossierLangue), tables_(dossierLangue) {}

    QStringList variantes(const QString &mot) const { return tables_.variantesOrthographe(mot); }

    bool estRectifiee(const QString &mot) const
    {
        std::call_once(lues_, [this] { lireRectifiees(); });
        return rectifiees_.contains(mot) || rectifiees_.contains(mot.toLower());
    }

private:
    // Lines "traditional <TAB> reformed"; anything else is skipped, and a
    // missing or unreadable table leaves every word traditional.
    void lireRectifiees() const
    {
        if (dossier_.isEmpty())
            return;
        QFile fichier(QDir(dossier_).filePath(kFichierOrthographe));
        if (!fichier.open(QIODevice::ReadOnly))
            return;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString texte = utf8.decode(fichier.readAll());
        if (utf8.hasError())
            return;
        for (const QStringView ligne : QStringView(texte).split(u'\n')) {
            const QList<QStringView> paire = ligne.trimmed().split(u'\t');
            if (paire.size() == 2 && !paire[0].startsWith(u'#') && paire[0] != paire[1])
                rectifiees_.insert(paire[1].trimmed().toString());
        }
    }

    QString dossier_;
    TablesLangue tables_;
    mutable std::once_flag lues_;
    mutable QSet<QString> rectifiees_;
};

const Orthographes &orthographesDe(const QString &dossierProgramme)
{
    static std::mutex garde;
    static QHash<QString, std::shared_ptr<const Orthographes>> parDossier;
    const std::lock_guard verrou(garde);
    std::shared_ptr<const Orthographes> &trouve = parDossier[dossierProgramme];
    if (!trouve) {
        // An empty folder would make the tables be looked for in the
        // current directory.
        const QString langue = dossierProgramme.isEmpty() ? QString() : trouverDossierLangue(dossierProgramme);
        trouve = std::make_shared<const Orthographes>(langue);
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
        const Orthographes &o = orthographesDe(dossierProgramme);
        QStringList variantes = o.variantes(mot);
        for (QString &v : variantes)
            v = avecMajuscule(v, mot);
        const bool rectifie = reglage != ReglageOrthographe::LesDeux && !variantes.isEmpty() && o.estRectifiee(mot);
        return formesDuMot(mot, reglage, variantes, rectifie);
    };
}
