#include "enregistrement.h"

#include "listemots.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

const QString kExtension = QStringLiteral(".wav");

// A word read from a hand-edited Mots.dat is not trusted to be a file name.
bool motSansDetour(const QString &mot)
{
    return !mot.isEmpty() && mot != QLatin1String(".") && mot != QLatin1String("..") && !mot.contains(u'/')
        && !mot.contains(u'\\') && !mot.contains(QChar(0));
}

} // namespace

QString cheminEnregistrement(const QString &dossierInstallation, const QString &mot)
{
    if (!motSansDetour(mot))
        return {};
    const QString sons = dossierInstallation + u'/' + kDossierSons + u'/';
    // The common case costs one look at the disk; the folder is read only
    // when the exact name is missing.
    const QString exact = sons + mot + kExtension;
    if (QFileInfo(exact).isFile())
        return exact;
    QString trouve;
    QDirIterator fichiers(sons, QDir::Files);
    while (fichiers.hasNext()) {
        const QString nom = fichiers.nextFileInfo().fileName();
        if (nom.size() == mot.size() + kExtension.size() && nom.startsWith(mot)
            && nom.endsWith(kExtension, Qt::CaseInsensitive) && (trouve.isEmpty() || nom < trouve))
            trouve = nom;
    }
    return trouve.isEmpty() ? QString() : sons + trouve;
}
