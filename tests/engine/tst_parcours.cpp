#include "tst_moteur.h"

#include "outils.h"

#include "engine/etapes.h"
#include "engine/evaluation.h"
#include "engine/selection.h"

#include <QTest>

using namespace outils;

namespace {

const QString kMot = QStringLiteral("aujourd'hui");

// What the pupil window does between two answers: a continuation starts at
// the row just answered, a fresh choice anywhere.
struct Eleve {
    TableProgression table;
    int ligne = 0;
    bool memeMot = false;

    Proposition suivant(const QDate &jour, int departFrais)
    {
        return ChoisirMot(table, memeMot ? ligne : departFrais, jour);
    }

    Evaluation repondre(const Proposition &p, const QString &reponse, const QDate &jour)
    {
        ligne = p.ligne;
        const bool modele = presentationEtape(p.etape).modeleVisible;
        const Evaluation e = EvaluerReponse(table, reponse, p.mot, p.ligne, p.etape, modele, jour);
        memeMot = e.memeMot;
        return e;
    }
};

Eleve eleveAvecUnMot(int ligneMot)
{
    Eleve eleve;
    eleve.table = tableNeutre(ligneMot);
    eleve.table.ajouterLigne(ligne(kMot, kEtapeNouveau, QStringLiteral("3"), kAujourdhui));
    ajouterLignes(eleve.table, tableNeutre(9));
    return eleve;
}

} // namespace

// One word from the initial test to acquired, with the days passing: each
// waiting stage is refused the day before it is due and proposed on the day.
void TestMoteur::parcours_echelleComplete()
{
    const int ligneMot = 300;
    Eleve eleve = eleveAvecUnMot(ligneMot);
    const int acquisAuDebut = compterAcquis(eleve.table);
    QDate jour = kAujourdhui;

    // Initial test failed: back to the copy with model, same word next.
    Proposition p = eleve.suivant(jour, 0);
    QCOMPARE(p.ligne, ligneMot);
    QCOMPARE(p.etape, kEtapeNouveau);
    QCOMPARE(p.niveau, QStringLiteral("3"));
    Evaluation e = eleve.repondre(p, QStringLiteral("aujourdui"), jour);
    QVERIFY(!e.juste);
    QCOMPARE(e.nouvelleEtape, kEtapeModele);

    // The same day: stages 3 to 6 follow one another.
    for (int etape = kEtapeModele; etape <= kEtapeSansModele; ++etape) {
        p = eleve.suivant(jour, 5);
        QCOMPARE(p.ligne, ligneMot);
        QCOMPARE(p.etape, etape);
        QCOMPARE(p.mot, kMot);
        QCOMPARE(p.niveau, QStringLiteral("3"));
        e = eleve.repondre(p, QStringLiteral(" aujourd ' hui "), jour);
        QVERIFY(e.juste);
        QCOMPARE(e.pointAllume, etape - kEtapeModele);
    }
    QCOMPARE(eleve.table.cellule(ligneMot, kColonneDate), texteDate(jour));

    struct Attente { int etape; int jours; };
    for (const Attente &a : {Attente{kEtapeUnJour, 1}, Attente{kEtapeUneSemaine, 7}, Attente{kEtapeUnMois, 30}}) {
        // The day before it is due, nothing: neither the continuation nor a fresh choice.
        for (int depart : {0, ligneMot, 9 + ligneMot})
            QVERIFY(!ChoisirMot(eleve.table, depart, jour.addDays(a.jours - 1)).trouvee);
        jour = jour.addDays(a.jours);
        eleve.memeMot = false;
        p = eleve.suivant(jour, 2);
        QVERIFY(p.trouvee);
        QCOMPARE(p.ligne, ligneMot);
        QCOMPARE(p.etape, a.etape);
        QCOMPARE(presentationEtape(p.etape).pointsAllumes, a.etape - kEtapeModele);
        e = eleve.repondre(p, kMot, jour);
        QVERIFY(e.juste);
        QCOMPARE(e.nouvelleEtape, a.etape + 1);
        QCOMPARE(e.dateRenouvelee, a.etape != kEtapeUnMois);
    }
    QCOMPARE(eleve.table.etapeDeLigne(ligneMot), kEtapeAcquis);
    QCOMPARE(e.motsAcquis, acquisAuDebut + 1);
    QVERIFY(!ChoisirMot(eleve.table, ligneMot, jour.addDays(1000)).trouvee);
}

// A wrong answer at the last stage sends the word back to the copy and keeps
// its date; the continuation finds it again at stage 3.
void TestMoteur::parcours_erreurEtape9()
{
    const QDate datePassage = kAujourdhui.addDays(-45);
    Eleve eleve;
    eleve.table = tableNeutre(4);
    eleve.table.ajouterLigne(ligne(kMot, kEtapeUnMois, QStringLiteral("2"), datePassage));
    eleve.table.ajouterLigne(ligne(QStringLiteral("autre"), kEtapeNouveau, QStringLiteral("1")));

    Proposition p = eleve.suivant(kAujourdhui, 0);
    QCOMPARE(p.etape, kEtapeUnMois);
    const Evaluation e = eleve.repondre(p, QStringLiteral("aujourdhui"), kAujourdhui);
    QVERIFY(!e.juste);
    QCOMPARE(e.nouvelleEtape, kEtapeModele);
    QCOMPARE(int(e.echelle), int(Evaluation::Echelle::ToutEteindre));
    QCOMPARE(eleve.table.cellule(4, kColonneDate), texteDate(datePassage));
    QCOMPARE(eleve.table.etapeDeLigne(4), kEtapeModele);

    p = eleve.suivant(kAujourdhui, 5);
    QCOMPARE(p.ligne, 4);
    QCOMPARE(p.etape, kEtapeModele);
    QCOMPARE(texteModele(p.mot, p.etape), kMot);
}
