#pragma once
// Judging an answer and moving the word along the ladder.
#include "data/tableprogression.h"

#include "data/reglageorthographe.h"

#include <QDate>
#include <QString>
#include <QStringList>

inline const QString kMemeMot = QStringLiteral("Même mot");

struct Evaluation {
    bool evaluee = false;        // false: no current word, nothing changed
    bool juste = false;
    QString reponseNormalisee;   // shown back in the answer box
    int celluleVidee = -1;       // column emptied in the current row
    int celluleEcrite = -1;      // column that received the word
    int nouvelleEtape = 0;       // the current stage afterwards
    bool dateRenouvelee = false; // column 2 set to today
    enum class Echelle { Inchangee, ToutAllumer, ToutEteindre, AllumerUn } echelle = Echelle::Inchangee;
    int pointAllume = -1;        // with AllumerUn: the square made visible
    bool memeMot = false;        // the continuation flag ("Même mot") afterwards
    int motsAcquis = 0;          // the acquired count afterwards
};

// How a listed word is written for the class: the spelling the model and
// the masks show, and every spelling that is right.
struct FormesMot {
    QString montree;
    QStringList justes;
};

// The forms of mot under the class setting. variantes: its other accepted
// spellings (traditional <-> reformed); motRectifie: whether mot itself is
// the reformed one. "les deux" shows the word as listed and accepts every
// spelling; a single-spelling setting shows and accepts only that spelling.
FormesMot formesDuMot(const QString &mot, ReglageOrthographe reglage, const QStringList &variantes,
                      bool motRectifie);

// Validates an answer for the word at (ligne, etape). modeleVisible: whether
// the model frame was shown (a correct stage-0 answer without a model is
// acquired at once). An empty expected word (no word presented), a row
// outside the table, a stage other than 0, 3 .. 9, or a cell (ligne, etape)
// that does not hold the word changes nothing and gives evaluee false. Any row of the table can be the current one.
// formesJustes: the spellings that are right (empty: the word alone); the
// table keeps motAttendu whichever was typed.
Evaluation EvaluerReponse(TableProgression &table, const QString &reponse, const QString &motAttendu,
                          int ligne, int etape, bool modeleVisible, const QDate &aujourdhui,
                          const QStringList &formesJustes = {});
