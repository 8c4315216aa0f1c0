#include "tst_moteur.h"

#include "outils.h"

#include "engine/selection.h"
#include "selection_litterale.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace outils;

namespace {

// Ten rows no pass proposes, with words at stage 5 in rows 2 and 7.
TableProgression tableDeuxMots()
{
    const TableProgression t = tableNeutre(10);
    TableProgression resultat;
    for (int r = 0; r < 10; ++r)
        resultat.ajouterLigne(r == 2 || r == 7 ? ligne(QStringLiteral("mot%1").arg(r), 5) : t.ligne(r));
    return resultat;
}

} // namespace

void TestMoteur::selection_depart_data()
{
    QTest::addColumn<int>("depart");
    QTest::addColumn<int>("ligne");

    QTest::newRow("1: forward to 2") << 1 << 2;
    QTest::newRow("4: forward to 7") << 4 << 7;
    QTest::newRow("9: backward to 7") << 9 << 7;
    QTest::newRow("0: forward to 2") << 0 << 2;
    QTest::newRow("2: the start row itself") << 2 << 2;
    QTest::newRow("7: the start row itself") << 7 << 7;
    QTest::newRow("8: backward to 7") << 8 << 7;
}

void TestMoteur::selection_depart()
{
    QFETCH(int, depart);
    QFETCH(int, ligne);
    const TableProgression table = tableDeuxMots();
    const Proposition p = ChoisirMot(table, depart, kAujourdhui);
    QVERIFY(p.trouvee);
    QCOMPARE(p.ligne, ligne);
    QCOMPARE(p.etape, 5);
    QCOMPARE(p.mot, QStringLiteral("mot%1").arg(ligne));
    QCOMPARE(p.niveau, QStringLiteral("1"));
}

void TestMoteur::selection_niveaux_data()
{
    QTest::addColumn<QStringList>("niveaux");   // level of the new word in each row
    QTest::addColumn<int>("ligne");             // -1: nothing proposed
    QTest::addColumn<QString>("niveau");

    QStringList dix(10);
    auto avec = [dix](std::initializer_list<std::pair<int, QString>> cases) mutable {
        QStringList l = dix;
        for (const auto &[r, n] : cases)
            l[r] = n;
        return l;
    };
    QTest::newRow("level 1 row 9 before level 2 row 0") << avec({{0, "2"}, {9, "1"}}) << 9 << "1";
    QTest::newRow("level 5 alone") << avec({{4, "5"}}) << 4 << "5";
    QTest::newRow("empty levels never proposed") << dix << -1 << "";
    QTest::newRow("leading space") << avec({{3, " 1"}}) << -1 << "";
    QTest::newRow("leading zero") << avec({{3, "01"}}) << -1 << "";
    QTest::newRow("level 6") << avec({{3, "6"}}) << -1 << "";
    QTest::newRow("level 0") << avec({{3, "0"}}) << -1 << "";
    QTest::newRow("bad levels do not hide a good one") << avec({{0, "x"}, {1, ""}, {8, "3"}}) << 8 << "3";
}

void TestMoteur::selection_niveaux()
{
    QFETCH(QStringList, niveaux);
    QFETCH(int, ligne);
    QFETCH(QString, niveau);

    TableProgression table;
    for (int r = 0; r < niveaux.size(); ++r)
        table.ajouterLigne(outils::ligne(QStringLiteral("nouveau%1").arg(r), 0, niveaux[r]));
    for (int depart = 0; depart < table.nombreLignes(); ++depart) {
        const Proposition p = ChoisirMot(table, depart, kAujourdhui);
        QCOMPARE(p.trouvee, ligne >= 0);
        QCOMPARE(p.ligne, ligne);
        QCOMPARE(p.etape, 0);
        QCOMPARE(p.niveau, niveau);
        QCOMPARE(p.mot, ligne >= 0 ? QStringLiteral("nouveau%1").arg(ligne) : QString());
    }
}

void TestMoteur::selection_attentes_data()
{
    QTest::addColumn<int>("etape");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("propose");

    const auto ilYa = [](int jours) { return texteDate(kAujourdhui.addDays(-jours)); };
    QTest::newRow("7 passed today") << 7 << ilYa(0) << false;
    QTest::newRow("7 passed yesterday") << 7 << ilYa(1) << true;
    QTest::newRow("8 after 6 days") << 8 << ilYa(6) << false;
    QTest::newRow("8 after 7 days") << 8 << ilYa(7) << true;
    QTest::newRow("9 after 29 days") << 9 << ilYa(29) << false;
    QTest::newRow("9 after 30 days") << 9 << ilYa(30) << true;
    QTest::newRow("9 across a year") << 9 << texteDate(QDate(2025, 12, 31)) << true;
    QTest::newRow("7 dated tomorrow") << 7 << ilYa(-1) << false;
    QTest::newRow("7 unreadable date") << 7 << "n'importe quoi" << false;
    QTest::newRow("9 unreadable date") << 9 << "32/13/2025" << false;
    QTest::newRow("8 empty date") << 8 << "" << false;
    QTest::newRow("7 d/M/yyyy read") << 7 << "1/3/2026" << true;
    QTest::newRow("7 ISO read") << 7 << "2026-03-14" << true;
    // Stages 3 to 6 wait for nothing.
    QTest::newRow("6 passed today") << 6 << ilYa(0) << true;
    QTest::newRow("3 unreadable date") << 3 << "??" << true;
}

void TestMoteur::selection_attentes()
{
    QFETCH(int, etape);
    QFETCH(QString, date);
    QFETCH(bool, propose);

    TableProgression table = tableNeutre(6);
    table.ajouterLigne(ligne(QStringLiteral("attente"), etape, QStringLiteral("2"), date));
    ajouterLignes(table, tableNeutre(5));
    for (int depart : {0, 6, 10}) {
        const Proposition p = ChoisirMot(table, depart, kAujourdhui);
        QCOMPARE(p.trouvee, propose);
        if (propose) {
            QCOMPARE(p.ligne, 6);
            QCOMPARE(p.etape, etape);
            QCOMPARE(p.mot, QStringLiteral("attente"));
            QCOMPARE(p.niveau, QStringLiteral("2"));
        }
    }
}

// A failed word goes on from its own row, but a word whose wait is over
// elsewhere comes first.
void TestMoteur::selection_motEchoueApresMotDu()
{
    TableProgression table = tableNeutre(10);
    table.ecrireCellule(3, 0, QString());
    table.ecrireCellule(3, 3, QStringLiteral("échoué"));
    table.ecrireCellule(8, 10, QString());
    table.ecrireCellule(8, 8, QStringLiteral("dû"));
    table.ecrireCellule(8, kColonneDate, texteDate(kAujourdhui.addDays(-10)));

    Proposition p = ChoisirMot(table, 3, kAujourdhui);
    QCOMPARE(p.ligne, 8);
    QCOMPARE(p.etape, 8);
    QCOMPARE(p.mot, QStringLiteral("dû"));

    table.ecrireCellule(8, 8, QString());
    table.ecrireCellule(8, 9, QStringLiteral("dû"));
    table.ecrireCellule(8, kColonneDate, texteDate(kAujourdhui));
    p = ChoisirMot(table, 3, kAujourdhui);
    QCOMPARE(p.ligne, 3);
    QCOMPARE(p.etape, 3);
    QCOMPARE(p.mot, QStringLiteral("échoué"));
}

void TestMoteur::selection_tirage()
{
    QCOMPARE(tirerLigneDepart(0), 0);
    QCOMPARE(tirerLigneDepart(-4, 100), 0);
    QCOMPARE(tirerLigneDepart(1, 100), 0);
    const int n = 7;
    QSet<int> vus;
    for (int seconde = 0; seconde < 86400; seconde += 97) {
        const int s = tirerLigneDepart(n, seconde);
        QVERIFY(s >= 0 && s < n);
        QCOMPARE(tirerLigneDepart(n, seconde), s);
        vus.insert(s);
    }
    QCOMPARE(vus.size(), n);
    for (int lignes : {2, 256, 100000}) {
        const int s = tirerLigneDepart(lignes);
        QVERIFY(s >= 0 && s < lignes);
    }
}

// Random tables, damaged rows included (a word in several columns, odd levels,
// unreadable dates), empty tables and start rows outside the table: the
// one-sweep choice must equal the eight literal passes.
void TestMoteur::selection_commeLesPassesLitterales()
{
    QRandomGenerator generateur(7);
    const QStringList niveaux = {"1", "2", "3", "4", "5", "", " 1", "01", "6"};
    const QStringList datesIllisibles = {"", "??", "31/02/2026", " 14/03/2026 "};
    for (int essai = 0; essai < 3000; ++essai) {
        TableProgression table;
        const int n = generateur.bounded(12);
        for (int r = 0; r < n; ++r) {
            LigneProgression l;
            const int colonnes = generateur.bounded(10) == 0 ? 2 : 1;
            for (int c = 0; c < colonnes; ++c) {
                const int etape = kColonnesMot[generateur.bounded(int(kColonnesMot.size()))];
                l[etape] = QStringLiteral("m%1_%2").arg(r).arg(etape);
            }
            l[kColonneNiveau] = niveaux[generateur.bounded(niveaux.size())];
            l[kColonneDate] = generateur.bounded(8) == 0
                ? datesIllisibles[generateur.bounded(datesIllisibles.size())]
                : texteDate(kAujourdhui.addDays(-generateur.bounded(35)));
            table.ajouterLigne(l);
        }
        const int depart = generateur.bounded(-2, n + 3);
        const Proposition attendue = ChoisirMotLitteralement(table, depart, kAujourdhui);
        const Proposition p = ChoisirMot(table, depart, kAujourdhui);
        QCOMPARE(p.trouvee, attendue.trouvee);
        QCOMPARE(p.ligne, attendue.ligne);
        QCOMPARE(p.etape, attendue.etape);
        QCOMPARE(p.mot, attendue.mot);
        QCOMPARE(p.niveau, attendue.niveau);
    }
}
