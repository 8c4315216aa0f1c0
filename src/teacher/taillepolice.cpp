#include "taillepolice.h"

double chercherTaillePolice(const std::function<int(double taille)> &hauteurTwips, int limiteTwips)
{
    double taille = 1.0;
    for (int essai = 0; essai < 49; ++essai) {
        taille += 0.5;
        if (hauteurTwips(taille) > limiteTwips)
            return taille - 0.5;
    }
    return taille;
}
