#pragma once
// Word-for-word transcriptions of the reconciliation and of the word-list
// merge as first written: every word searched through every cell, every
// recording through every entry. Quadratic; kept as the reference the fast
// versions are checked and measured against.
#include "data/dates.h"
#include "data/listemots.h"
#include "data/tableprogression.h"

#include <QDate>

namespace oracle {

// First row from the top having a cell equal to the word; -1 when none.
inline int chercherMot(const TableProgression &table, const QString &mot)
{
    for (int r = 0; r < table.nombreLignes(); ++r)
        for (int c = 0; c < kColonnes; ++c)
            if (table.cellule(r, c) == mot)
                return r;
    return -1;
}

inline void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const QDate &aujourdhui)
{
    for (const EntreeMot &entree : fgMots)
        if (chercherMot(table, entree.mot) < 0) // new word: column 0, its level, dated today
            table.ajouterLigne(LigneProgression{entree.mot, entree.niveau, texteDate(aujourdhui)});
    for (int r = 0; r < table.nombreLignes();) {
        const QString mot = table.motDeLigne(r);
        bool dansListe = false;
        for (const EntreeMot &entree : fgMots)
            if (entree.mot == mot)
                dansListe = true;
        if (!mot.isEmpty() && !dansListe)
            table.supprimerLigne(r);
        else
            ++r;
    }
    for (const EntreeMot &entree : fgMots)
        if (const int ligne = chercherMot(table, entree.mot); ligne >= 0)
            table.ecrireCellule(ligne, kColonneNiveau, entree.niveau);
}

// The merge as first written: adding by exact base name, removal by the
// file name compared with the word plus ".wav" in lower case.
inline ListeMots fusionnerAvecEnregistrements(const ListeMots &liste, const QStringList &nomsFichiers)
{
    ListeMots fusion = liste;
    for (const QString &nom : nomsFichiers) {
        const QString mot = nom.left(nom.size() - 4);
        bool trouve = false;
        for (const EntreeMot &entree : fusion)
            if (entree.mot == mot)
                trouve = true;
        if (!trouve)
            fusion.append(EntreeMot{mot, QString()});
    }
    for (int i = 0; i < fusion.size();) {
        bool present = false;
        for (const QString &nom : nomsFichiers)
            if (nom == (fusion[i].mot + QStringLiteral(".wav")).toLower())
                present = true;
        if (present)
            ++i;
        else
            fusion.removeAt(i);
    }
    return fusion;
}

} // namespace oracle
