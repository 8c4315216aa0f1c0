// The plain rules behind the teacher window: the level cycle and the font
// size search.
#include "outils.h"
#include "teacher/niveaux.h"
#include "teacher/taillepolice.h"

class TestLogique : public QObject {
    Q_OBJECT
private slots:
    void niveauSuivant_data()
    {
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("suivant");
        QTest::newRow("empty") << "" << "1";
        QTest::newRow("1") << "1" << "2";
        QTest::newRow("4") << "4" << "5";
        QTest::newRow("5 wraps to empty") << "5" << "";
        QTest::newRow("above 5") << "7" << "";
        QTest::newRow("zero") << "0" << "1";
        QTest::newRow("negative restarts at 1") << "-3" << "1";
        QTest::newRow("unreadable") << "x" << "1";
        QTest::newRow("blanks around") << " 2 " << "3";
    }
    void niveauSuivant()
    {
        QFETCH(QString, niveau);
        QFETCH(QString, suivant);
        QCOMPARE(::niveauSuivant(niveau), suivant);
    }

    void affecterNiveauChangesFirstMatchOnly()
    {
        ListeMots liste{{"chat", "1"}, {"Chat", ""}, {"chat", "2"}};
        QVERIFY(affecterNiveau(liste, "chat", "5"));
        QCOMPARE(liste, (ListeMots{{"chat", "5"}, {"Chat", ""}, {"chat", "2"}}));
        QVERIFY(!affecterNiveau(liste, "chien", "1"));
        QCOMPARE(liste.size(), 3);
    }

    void tailleRecherche_data()
    {
        QTest::addColumn<double>("seuil");    // the largest size whose line fits
        QTest::addColumn<double>("attendue");
        QTest::newRow("fits at every size") << 100.0 << 25.5;
        QTest::newRow("too tall from 1.5") << 1.0 << 1.0;
        QTest::newRow("fits up to 12") << 12.0 << 12.0;
        QTest::newRow("fits up to 12.5") << 12.5 << 12.5;
        QTest::newRow("fits up to 25") << 25.0 << 25.0;
        QTest::newRow("fits up to 1.5") << 1.5 << 1.5;
    }
    void tailleRecherche()
    {
        QFETCH(double, seuil);
        QFETCH(double, attendue);
        QList<double> essais;
        const double taille = chercherTaillePolice([&](double t) {
            essais << t;
            return t <= seuil ? kHauteurReferenceTwips : kHauteurReferenceTwips + 1;
        });
        QCOMPARE(taille, attendue);
        QVERIFY(essais.size() <= 49);
        QCOMPARE(essais.first(), 1.5);
    }
};

int lancerTestsLogique(int argc, char **argv)
{
    TestLogique t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_logique.moc"
