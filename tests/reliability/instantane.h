#pragma once
// The files of a folder and their bytes, to prove that an operation changed
// nothing on disk (or exactly what it should).
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStringList>

namespace fiabilite {

// Relative path -> bytes; a folder appears as "name/" with no bytes.
using Instantane = QMap<QString, QByteArray>;

inline Instantane instantane(const QString &dossier)
{
    Instantane resultat;
    QDirIterator it(dossier, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir racine(dossier);
    while (it.hasNext()) {
        const QString chemin = it.next();
        const QString relatif = racine.relativeFilePath(chemin);
        if (it.fileInfo().isDir()) {
            resultat.insert(relatif + u'/', QByteArray());
        } else {
            QFile fichier(chemin);
            resultat.insert(relatif, fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<illisible>"));
        }
    }
    return resultat;
}

// The paths that differ between two snapshots (added, removed or changed).
inline QStringList differences(const Instantane &avant, const Instantane &apres)
{
    QStringList changes;
    for (auto it = avant.cbegin(); it != avant.cend(); ++it)
        if (!apres.contains(it.key()) || apres.value(it.key()) != it.value())
            changes << it.key();
    for (auto it = apres.cbegin(); it != apres.cend(); ++it)
        if (!avant.contains(it.key()))
            changes << it.key();
    changes.sort();
    return changes;
}

inline bool ecrireOctets(const QString &chemin, const QByteArray &octets)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichier.write(octets) == octets.size();
}

inline QByteArray lireOctets(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace fiabilite
