#include "outils.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int echecs = 0;
    for (auto lancer : {lancerTestsLogique, lancerTestsCode, lancerTestsEnseignant,
                        lancerTestsPolice, lancerTestsEleves})
        echecs += lancer(argc, argv);
    return echecs == 0 ? 0 : 1;
}
