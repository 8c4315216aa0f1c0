#pragma once
// Files a test lays out or reads back, byte for byte.
#include <QDir>
#include <QFile>
#include <QFileInfo>

// What lireOctets gives for a file that cannot be opened (absent, a folder).
inline const QByteArray kAbsent = "<absent>";

// Writes the bytes, making the folders on the way.
inline bool ecrireOctets(const QString &chemin, const QByteArray &octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

inline QByteArray lireOctets(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : kAbsent;
}
