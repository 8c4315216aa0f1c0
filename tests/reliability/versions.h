#pragma once
// The contents a child process saves again and again while it is killed:
// a few versions of a large progress table and of a word list, different in
// size and content, so that the file on disk tells which one it holds.
#include "data/bilan.h"
#include "data/dates.h"
#include "data/encodage.h"
#include "data/listemots.h"

#include <QByteArray>
#include <QDate>
#include <QList>

namespace fiabilite {

inline constexpr int kVersions = 3;
inline const QString kEleve = QStringLiteral("Dupont Léa");

inline TableProgression tableVersion(int version)
{
    TableProgression table;
    const int lignes = 3000 + 700 * version;
    for (int i = 0; i < lignes; ++i) {
        LigneProgression ligne;
        const int etape = kColonnesMot[(i + version) % int(kColonnesMot.size())];
        ligne[etape] = QStringLiteral("mot%1é").arg(i);
        ligne[kColonneNiveau] = QString::number(1 + (i + version) % 5);
        ligne[kColonneDate] = texteDate(QDate(2026, 1, 1).addDays(i % 300 + version));
        table.ajouterLigne(ligne);
    }
    return table;
}

inline ListeMots listeVersion(int version)
{
    ListeMots liste;
    const int mots = 4000 + 900 * version;
    for (int i = 0; i < mots; ++i)
        liste.append(EntreeMot{QStringLiteral("écureuil%1").arg(i), QString::number((i + version) % 6).replace(u'0', QString())});
    return liste;
}

// The exact bytes each version gives on disk.
inline QByteArray octetsBilan(int version)
{
    return *encoderWindows1252(texteBilan(tableVersion(version)));
}

inline QByteArray octetsMots(int version)
{
    return *octetsMotsDat(listeVersion(version));
}

} // namespace fiabilite
