#include "tableprogression.h"

QString TableProgression::motDeLigne(int ligne) const
{
    const int etape = etapeDeLigne(ligne);
    return etape < 0 ? QString() : lignes_[ligne][etape];
}

int TableProgression::etapeDeLigne(int ligne) const
{
    for (int colonne : kColonnesMot)
        if (!lignes_[ligne][colonne].isEmpty())
            return colonne;
    return -1;
}
