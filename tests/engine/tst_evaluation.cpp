#include "tst_moteur.h"

#include "outils.h"

#include "engine/evaluation.h"

#include <QTest>

using namespace outils;
using Echelle = Evaluation::Echelle;

namespace {

const QString kMot = QStringLiteral("école");
const QDate kDateAncienne(2026, 1, 2);

} // namespace

void TestMoteur::evaluation_data()
{
    QTest::addColumn<int>("etape");
    QTest::addColumn<bool>("modeleVisible");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<bool>("juste");
    QTest::addColumn<int>("cellule");
    QTest::addColumn<int>("nouvelleEtape");
    QTest::addColumn<int>("echelle");
    QTest::addColumn<int>("point");
    QTest::addColumn<bool>("dateRenouvelee");
    QTest::addColumn<bool>("memeMot");
    QTest::addColumn<int>("acquisEnPlus");

    const int inchangee = int(Echelle::Inchangee), tout = int(Echelle::ToutAllumer),
              rien = int(Echelle::ToutEteindre), un = int(Echelle::AllumerUn);
    QTest::newRow("0 right, no model: acquired") << 0 << false << kMot << true << 10 << 0 << tout << -1 << false << false << 1;
    QTest::newRow("0 right, model shown") << 0 << true << kMot << true << 3 << 3 << inchangee << -1 << false << true << 0;
    QTest::newRow("3 right") << 3 << true << kMot << true << 4 << 4 << un << 0 << false << true << 0;
    QTest::newRow("4 right") << 4 << true << kMot << true << 5 << 5 << un << 1 << false << true << 0;
    QTest::newRow("5 right") << 5 << true << kMot << true << 6 << 6 << un << 2 << false << true << 0;
    QTest::newRow("6 right: dated") << 6 << false << kMot << true << 7 << 7 << un << 3 << true << true << 0;
    QTest::newRow("7 right: dated") << 7 << false << kMot << true << 8 << 8 << un << 4 << true << true << 0;
    QTest::newRow("8 right: dated") << 8 << false << kMot << true << 9 << 9 << un << 5 << true << true << 0;
    QTest::newRow("9 right: acquired") << 9 << false << kMot << true << 10 << 10 << un << 6 << false << true << 1;
    QTest::newRow("0 wrong") << 0 << false << "ecole" << false << 3 << 3 << rien << -1 << false << true << 0;
    QTest::newRow("3 wrong") << 3 << true << "écolle" << false << 3 << 3 << rien << -1 << false << true << 0;
    QTest::newRow("6 wrong") << 6 << false << "École" << false << 3 << 3 << rien << -1 << false << true << 0;
    QTest::newRow("9 wrong: date kept") << 9 << false << "" << false << 3 << 3 << rien << -1 << false << true << 0;
}

void TestMoteur::evaluation()
{
    QFETCH(int, etape);
    QFETCH(bool, modeleVisible);
    QFETCH(QString, reponse);
    QFETCH(bool, juste);
    QFETCH(int, cellule);
    QFETCH(int, nouvelleEtape);
    QFETCH(int, echelle);
    QFETCH(int, point);
    QFETCH(bool, dateRenouvelee);
    QFETCH(bool, memeMot);
    QFETCH(int, acquisEnPlus);

    TableProgression table = tableNeutre(4);
    table.ajouterLigne(ligne(kMot, etape, QStringLiteral("2"), kDateAncienne));
    table.ajouterLigne(ligne(QStringLiteral("suivant"), 5));
    const TableProgression avant = table;

    const Evaluation e = EvaluerReponse(table, reponse, kMot, 4, etape, modeleVisible, kAujourdhui);
    QVERIFY(e.evaluee);
    QCOMPARE(e.juste, juste);
    QCOMPARE(e.reponseNormalisee, reponse);
    QCOMPARE(e.celluleVidee, etape);
    QCOMPARE(e.celluleEcrite, cellule);
    QCOMPARE(e.nouvelleEtape, nouvelleEtape);
    QCOMPARE(int(e.echelle), echelle);
    QCOMPARE(e.pointAllume, point);
    QCOMPARE(e.dateRenouvelee, dateRenouvelee);
    QCOMPARE(e.memeMot, memeMot);
    QCOMPARE(e.motsAcquis, compterAcquis(avant) + acquisEnPlus);
    QCOMPARE(e.motsAcquis, compterAcquis(table));

    // The word moved to its new column and nowhere else; only the date may change.
    LigneProgression attendue = avant.ligne(4);
    attendue[etape].clear();
    attendue[cellule] = kMot;
    if (dateRenouvelee)
        attendue[kColonneDate] = texteDate(kAujourdhui);
    QCOMPARE(table.ligne(4), attendue);
    QCOMPARE(table.etapeDeLigne(4), cellule);
    for (int r = 0; r < table.nombreLignes(); ++r)
        if (r != 4)
            QCOMPARE(table.ligne(r), avant.ligne(r));
}

void TestMoteur::evaluation_sansEffet_data()
{
    QTest::addColumn<QString>("motAttendu");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("etape");

    QTest::newRow("no current word") << "" << 2 << 0;
    QTest::newRow("no current word, stage 3") << "" << 2 << 3;
    QTest::newRow("row -1") << kMot << -1 << 0;
    QTest::newRow("row past the end") << kMot << 3 << 0;
    QTest::newRow("stage 1 is the level") << kMot << 2 << 1;
    QTest::newRow("stage 2 is the date") << kMot << 2 << 2;
    QTest::newRow("stage 10") << kMot << 2 << 10;
    QTest::newRow("stage 11") << kMot << 2 << 11;
    QTest::newRow("stage -1") << kMot << 2 << -1;
    QTest::newRow("word at another stage") << kMot << 2 << 3;
    QTest::newRow("another word in that cell") << QStringLiteral("sansniveau0") << 2 << 0;
}

void TestMoteur::evaluation_sansEffet()
{
    QFETCH(QString, motAttendu);
    QFETCH(int, ligne);
    QFETCH(int, etape);

    TableProgression table = tableNeutre(2);
    table.ajouterLigne(outils::ligne(kMot, 0));
    const TableProgression avant = table;
    for (const QString &reponse : {kMot, QString(), QStringLiteral("faux")}) {
        const Evaluation e = EvaluerReponse(table, reponse, motAttendu, ligne, etape, false, kAujourdhui);
        QVERIFY(!e.evaluee);
        QVERIFY(!e.juste);
        QCOMPARE(e.celluleVidee, -1);
        QCOMPARE(e.celluleEcrite, -1);
        QCOMPARE(int(e.echelle), int(Evaluation::Echelle::Inchangee));
        QCOMPARE(e.motsAcquis, compterAcquis(avant));
        QCOMPARE(table, avant);
    }
}

void TestMoteur::evaluation_comparaison_data()
{
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QString>("motAttendu");
    QTest::addColumn<QString>("normalisee");
    QTest::addColumn<bool>("juste");

    QTest::newRow("case counts") << "Maison" << "maison" << "Maison" << false;
    QTest::newRow("accents count") << "ecole" << "école" << "ecole" << false;
    QTest::newRow("spaces round apostrophe") << " l' arbre " << "l'arbre" << "l'arbre" << true;
    QTest::newRow("runs of spaces") << "  pomme  de   terre" << "pomme de terre" << "pomme de terre" << true;
    QTest::newRow("missing space") << "pommede terre" << "pomme de terre" << "pommede terre" << false;
    QTest::newRow("typographic apostrophe") << "l’arbre" << "l'arbre" << "l’arbre" << false;
    QTest::newRow("empty answer") << "   " << "a" << "" << false;
    // The expected word is taken as it is, never cleaned up.
    QTest::newRow("expected word not cleaned") << "porte-monnaie" << "porte - monnaie" << "porte-monnaie" << false;
}

void TestMoteur::evaluation_comparaison()
{
    QFETCH(QString, reponse);
    QFETCH(QString, motAttendu);
    QFETCH(QString, normalisee);
    QFETCH(bool, juste);

    TableProgression table;
    table.ajouterLigne(ligne(motAttendu, 6));
    const Evaluation e = EvaluerReponse(table, reponse, motAttendu, 0, 6, false, kAujourdhui);
    QCOMPARE(e.reponseNormalisee, normalisee);
    QCOMPARE(e.juste, juste);
    QCOMPARE(table.etapeDeLigne(0), juste ? 7 : 3);
    QCOMPARE(table.motDeLigne(0), motAttendu);
}
