#pragma once
// Small helpers shared by the data tests: files in a temporary folder.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace outils {

inline bool ecrireOctets(const QString &chemin, const QByteArray &octets)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

inline QByteArray lireOctets(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

// A folder the process cannot write into, or an empty path when it can
// (root ignores permissions): the caller skips then.
inline QString dossierLectureSeule(const QString &parent)
{
    const QString chemin = QDir(parent).filePath(QStringLiteral("lecture-seule"));
    QDir().mkpath(chemin);
    QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser);
    QFile sonde(QDir(chemin).filePath(QStringLiteral("sonde")));
    if (sonde.open(QIODevice::WriteOnly)) {
        sonde.close();
        sonde.remove();
        return QString();
    }
    return chemin;
}

// Lets QTemporaryDir clean a folder made read-only by a test.
inline void rendreInscriptible(const QString &chemin)
{
    QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace outils
