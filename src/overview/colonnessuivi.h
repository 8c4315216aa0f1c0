#pragma once
// The columns of the class table, in one place: the window, the printed
// sheet and the exported file all show these, in this order. A new column is
// one more entry.
#include "suiviclasse.h"

#include <QVariant>
#include <functional>
#include <vector>

struct ColonneSuivi {
    enum class Genre { Texte, Nombre, Date, Barre };
    QString titre;
    QString infobulle;
    Genre genre;
    // The cell's value: QString, int or QDateTime; invalid when the pupil's
    // file could not be read (no count, rather than a zero that looks like
    // no work). Empty for the bar, which draws SuiviEleve::parEtape.
    std::function<QVariant(const SuiviEleve &, const QDate &aujourdhui)> valeur;
    // The window shows the class one of two ways, each fitting a small
    // screen: at a glance (the bar, the mistakes, the remarks) or step by step
    // (a count per step in place of those and of their sum). The sheet and the file hold all.
    enum class Vue { Toujours, Ensemble, Etapes };
    Vue vue = Vue::Toujours;
};

const std::vector<ColonneSuivi> &colonnesSuivi();

// The steps a word can stand on, in the order the bar draws them, with their
// colour: new words, the ladder's seven steps in the colours of its squares,
// then acquired.
struct SegmentEtape {
    int etape;          // column of the progress table
    QString nom;        // short French name
    unsigned rgb;       // 0xRRGGBB
};
const std::vector<SegmentEtape> &segmentsEtapes();

// The French name of a stage (column 0, 3 to 10), for lists and filters.
QString nomEtape(int etape);
