// The plain rules behind the teacher windows: level cycle and colours, the
// font size search, the access-code decision.
#include "outils.h"
#include "teacher/codeacces.h"
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

    void couleurNiveau_data()
    {
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QColor>("couleur");   // invalid: the normal background
        QTest::newRow("1 yellow") << "1" << QColor(255, 255, 0);
        QTest::newRow("2 cyan") << "2" << QColor(0, 255, 255);
        QTest::newRow("3 white") << "3" << QColor(255, 255, 255);
        QTest::newRow("4 green") << "4" << QColor(0, 255, 0);
        QTest::newRow("5 magenta") << "5" << QColor(255, 0, 255);
        QTest::newRow("empty") << "" << QColor();
        QTest::newRow("6") << "6" << QColor();
        QTest::newRow("1 with a blank") << "1 " << QColor();
    }
    void couleurNiveau()
    {
        QFETCH(QString, niveau);
        QFETCH(QColor, couleur);
        QCOMPARE(::couleurNiveau(niveau).value_or(QColor()), couleur);
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

    void decision_data()
    {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<bool>("accorde");
        QTest::addColumn<QString>("aEnregistrer");
        QTest::newRow("first use, blanks around") << "" << "  ab c " << false << "ab c";
        QTest::newRow("first use, nothing") << "" << "" << false << "";
        QTest::newRow("first use, blanks only") << "" << "   " << false << "";
        QTest::newRow("right code") << "Abc1" << "Abc1" << true << "";
        QTest::newRow("right code, blanks") << "Abc1" << " Abc1  " << true << "";
        QTest::newRow("wrong case") << "Abc1" << "ABC1" << false << "";
        QTest::newRow("prefix") << "Abc1" << "Abc" << false << "";
        QTest::newRow("nothing typed") << "Abc1" << "" << false << "";
    }
    void decision()
    {
        QFETCH(QString, stocke);
        QFETCH(QString, saisi);
        QFETCH(bool, accorde);
        QFETCH(QString, aEnregistrer);
        const DecisionCode d = deciderCode(stocke, saisi);
        QCOMPARE(d.accorde, accorde);
        QCOMPARE(d.codeAEnregistrer, aEnregistrer);
    }
};

int lancerTestsLogique(int argc, char **argv)
{
    TestLogique t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_logique.moc"
