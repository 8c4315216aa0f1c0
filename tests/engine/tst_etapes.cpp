#include "tst_moteur.h"

#include "engine/etapes.h"
#include "engine/texte.h"

#include <QTest>

void TestMoteur::echelle_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QString>("infobulle");
    QTest::addColumn<QString>("couleur");

    QTest::newRow("0") << 0 << " Avec modèle " << "#ff8000";
    QTest::newRow("1") << 1 << " Voyelles à écrire " << "#ffc080";
    QTest::newRow("2") << 2 << " Consonnes à écrire " << "#ffff00";
    QTest::newRow("3") << 3 << " Mot à écrire sans modèle " << "#00ff00";
    QTest::newRow("4") << 4 << " Mot à écrire après au moins 24 heures " << "#00c000";
    QTest::newRow("5") << 5 << "Mot à écrire après au moins 1 semaine " << "#8080ff";
    QTest::newRow("6") << 6 << "Mot à écrire après au moins 1 mois (acquis) " << "#0000ff";
}

void TestMoteur::echelle()
{
    QFETCH(int, point);
    QFETCH(QString, infobulle);
    QFETCH(QString, couleur);
    const PointEchelle &p = pointsEchelle()[point];
    QCOMPARE(p.infobulle, infobulle);
    QCOMPARE(QStringLiteral("#%1").arg(p.rgb, 6, 16, QLatin1Char('0')), couleur);
}

void TestMoteur::presentation_data()
{
    QTest::addColumn<int>("etape");
    QTest::addColumn<QString>("titreCadreMot");
    QTest::addColumn<bool>("modeleVisible");
    QTest::addColumn<QString>("titreModele");
    QTest::addColumn<int>("pointsAllumes");

    const QString modele = QStringLiteral("Modèle");
    QTest::newRow("9") << 9 << "" << false << modele << 6;
    QTest::newRow("8") << 8 << "" << false << modele << 5;
    QTest::newRow("7") << 7 << "" << false << modele << 4;
    QTest::newRow("6") << 6 << "" << false << modele << 3;
    QTest::newRow("5") << 5 << "" << true << "Modèle : les consonnes sont masquées" << 2;
    QTest::newRow("4") << 4 << "" << true << "Modèle : les voyelles sont masquées" << 1;
    QTest::newRow("3") << 3 << "" << true << modele << 0;
    QTest::newRow("0") << 0 << "Test initial" << false << modele << 0;
    // Nothing found leaves the initial-test layout.
    QTest::newRow("none") << -1 << "Test initial" << false << modele << 0;
}

void TestMoteur::presentation()
{
    QFETCH(int, etape);
    QFETCH(QString, titreCadreMot);
    QFETCH(bool, modeleVisible);
    QFETCH(QString, titreModele);
    QFETCH(int, pointsAllumes);
    const PresentationEtape p = presentationEtape(etape);
    QCOMPARE(p.titreCadreMot, titreCadreMot);
    QCOMPARE(p.modeleVisible, modeleVisible);
    QCOMPARE(p.titreModele, titreModele);
    QCOMPARE(p.pointsAllumes, pointsAllumes);
}

void TestMoteur::modele_data()
{
    QTest::addColumn<int>("etape");
    QTest::addColumn<QString>("attendu");

    const QChar m = kCaractereMasque;
    QTest::newRow("3: the word") << 3 << "école";
    QTest::newRow("4: vowels masked") << 4 << QString(m) + "c" + m + "l" + m;
    QTest::newRow("5: consonants masked") << 5 << QString("é") + m + "o" + m + "e";
    QTest::newRow("6: the word") << 6 << "école";
    QTest::newRow("0: the word") << 0 << "école";
}

void TestMoteur::modele()
{
    QFETCH(int, etape);
    QFETCH(QString, attendu);
    QCOMPARE(texteModele(QStringLiteral("école"), etape), attendu);
}
