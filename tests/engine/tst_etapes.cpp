#include "tst_moteur.h"

#include "engine/etapes.h"
#include "engine/texte.h"

#include <QTest>

void TestMoteur::presentation_data()
{
    QTest::addColumn<int>("etape");
    QTest::addColumn<QString>("titreCadreMot");
    QTest::addColumn<bool>("modeleVisible");
    QTest::addColumn<QString>("titreModele");
    QTest::addColumn<int>("pointsAllumes");
    QTest::addColumn<QString>("texte");   // the model of "école"; '#' is the mask character

    const QString modele = QStringLiteral("Modèle");
    QTest::newRow("9") << 9 << "" << false << modele << 6 << "école";
    QTest::newRow("8") << 8 << "" << false << modele << 5 << "école";
    QTest::newRow("7") << 7 << "" << false << modele << 4 << "école";
    QTest::newRow("6") << 6 << "" << false << modele << 3 << "école";
    QTest::newRow("5") << 5 << "" << true << "Modèle : les consonnes sont masquées" << 2 << "é#o#e";
    QTest::newRow("4") << 4 << "" << true << "Modèle : les voyelles sont masquées" << 1 << "#c#l#";
    QTest::newRow("3") << 3 << "" << true << modele << 0 << "école";
    QTest::newRow("0") << 0 << "Test initial" << false << modele << 0 << "école";
    // Nothing found leaves the initial-test layout.
    QTest::newRow("none") << -1 << "Test initial" << false << modele << 0 << "école";
}

void TestMoteur::presentation()
{
    QFETCH(int, etape);
    QFETCH(QString, titreCadreMot);
    QFETCH(bool, modeleVisible);
    QFETCH(QString, titreModele);
    QFETCH(int, pointsAllumes);
    QFETCH(QString, texte);
    const PresentationEtape p = presentationEtape(etape);
    QCOMPARE(p.titreCadreMot, titreCadreMot);
    QCOMPARE(p.modeleVisible, modeleVisible);
    QCOMPARE(p.titreModele, titreModele);
    QCOMPARE(p.pointsAllumes, pointsAllumes);
    QCOMPARE(texteModele(QStringLiteral("école"), etape), texte.replace(u'#', kCaractereMasque));
}

