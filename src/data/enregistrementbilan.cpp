// A pupil's file as bytes, and its save: every cell quoted on its own line,
// CR LF, Windows-1252.
#include "bilan.h"

#include "ecriture.h"
#include "encodage.h"
#include "sauvegardes.h"

#include <cstring>
#include <optional>

QString texteBilan(const TableProgression &table)
{
    qsizetype taille = 0;
    for (const LigneProgression &ligne : table.lignes())
        for (const QString &cellule : ligne)
            taille += cellule.size() + 4;
    QString texte;
    texte.reserve(taille);
    for (const LigneProgression &ligne : table.lignes()) {
        for (const QString &cellule : ligne) {
            texte += u'"';
            texte += cellule;
            texte += QLatin1String("\"\r\n");
        }
    }
    return texte;
}

std::optional<QByteArray> encoderBilan(const TableProgression &table)
{
    static constexpr char kFinCellule[] = "\"\r\n";
    qsizetype taille = 0;
    for (const LigneProgression &ligne : table.lignes())
        for (const QString &cellule : ligne)
            taille += cellule.size() + 4;
    QByteArray octets(taille, Qt::Uninitialized);
    char *sortie = octets.data();
    for (const LigneProgression &ligne : table.lignes()) {
        for (const QString &cellule : ligne) {
            *sortie++ = '"';
            if (!ecrireWindows1252(cellule, sortie))
                return std::nullopt;
            std::memcpy(sortie, kFinCellule, 3);
            sortie += 3;
        }
    }
    return octets;
}

ResultatEcriture EnregistrerBilan(const TableProgression &table, const QString &dossierInstallation,
                                  const QString &nomEleve, bool garderCopie)
{
    const QString chemin = cheminBilan(dossierInstallation, nomEleve);
    if (garderCopie) {
        const ResultatEcriture copie = sauvegarderCopie(chemin);
        if (!copie.ok)
            return copie;
    }
    // Saved after every answer: the bytes are made once, in place, rather
    // than a text first and its encoding after.
    if (const std::optional<QByteArray> octets = encoderBilan(table))
        return ecrireFichier(chemin, *octets);
    // A character Windows-1252 lacks: refused, writing nothing, with the
    // message that names it.
    return ecrireFichierTexte(chemin, texteBilan(table));
}
