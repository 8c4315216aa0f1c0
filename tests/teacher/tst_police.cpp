// The exercise font choice in the teacher window, and Fonte.dat on closing.
#include "outils.h"
#include "support/plateformefactice.h"
#include "teacher/frmenseignant.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>

namespace {
QLabel *motAffiche(FrmEnseignant &f, int k) { return enfant<QLabel>(&f, QStringLiteral("lblMot_%1").arg(k)); }

// The size the window must find, measured here with the same metrics: the
// half-point series from 1.5 up to the first size too tall for 435 twips.
double tailleAttendue(Polices &polices, const QString &famille)
{
    QFont police(famille);
    police.setBold(true);
    double retenue = 1.0;
    for (double taille = 1.5; taille <= 25.5; taille += 0.5) {
        police.setPointSizeF(taille);
        if (polices.hauteurLigneTwips(police) > 435)
            break;
        retenue = taille;
    }
    return retenue;
}

QByteArray fonteDat(const QByteArray &nom, const QByteArray &taille)
{
    return "\"" + nom + "\"\r\n" + taille + "\r\n";
}
}  // namespace

class TestPolice : public QObject {
    Q_OBJECT
private slots:
    void openingUsesTheExerciseFont()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        etat.policeExercice = {QStringLiteral("Andika"), 20};
        FrmEnseignant f(etat, p.services());
        auto *liste = enfant<QComboBox>(&f, "cmbPolices");
        QVERIFY(liste->isEditable());
        QCOMPARE(liste->count(), p.polices.listeFamilles.size());
        QCOMPARE(liste->itemText(2), p.polices.listeFamilles.at(2));
        QCOMPARE(liste->currentText(), QStringLiteral("Andika"));
        QCOMPARE(liste->toolTip(), QStringLiteral(" Choisir la police qui sera utilisée pour les exercices. "));
        for (int k = 0; k < FrmEnseignant::kLignes; ++k) {
            QCOMPARE(motAffiche(f, k)->font().family(), QStringLiteral("Andika"));
            QCOMPARE(motAffiche(f, k)->font().pointSizeF(), 20.0);
            QVERIFY(!motAffiche(f, k)->font().italic());
        }
        auto *test = enfant<QLabel>(&f, "lblTestPolice");
        QVERIFY(test->isHidden());
        QCOMPARE(test->text(), QStringLiteral("Test police"));
        QCOMPARE(test->font().pointSizeF(), 15.75);
    }

    // Without a pick the size saved is the starting 15.75, whatever was saved before.
    void closingWithoutPick()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        inst.ecrire("Fonte.dat", fonteDat("Andika", "20"));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        etat.policeExercice = {QStringLiteral("Andika"), 20};
        FrmEnseignant f(etat, p.services());
        f.show();
        f.close();
        QCOMPARE(inst.lire("Fonte.dat"), fonteDat("Andika", "15.75"));
        QCOMPARE(etat.policeExercice, (ReglageFonte{QStringLiteral("Andika"), 15.75}));
    }

    void typedNameIsSavedWithoutPick()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        auto *liste = enfant<QComboBox>(&f, "cmbPolices");
        liste->lineEdit()->clear();
        QTest::keyClicks(liste->lineEdit(), "Police Inconnue");
        QCOMPARE(motAffiche(f, 0)->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(liste->count(), p.polices.listeFamilles.size());
        f.show();
        f.close();
        QCOMPARE(inst.lire("Fonte.dat"), fonteDat("Police Inconnue", "15.75"));
    }

    void pickComputesTheSize_data()
    {
        QTest::addColumn<QString>("famille");
        for (const char *famille : {"Comic Sans MS", "Andika", "DejaVu Sans"})
            QTest::newRow(famille) << QString::fromLatin1(famille);
    }
    void pickComputesTheSize()
    {
        QFETCH(QString, famille);
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        etat.policeExercice = {QStringLiteral("Andika"), 20};
        FrmEnseignant f(etat, p.services());
        auto *liste = enfant<QComboBox>(&f, "cmbPolices");
        const int index = liste->findText(famille);
        liste->setCurrentIndex(index);
        emit liste->textActivated(liste->itemText(index));

        const double attendue = tailleAttendue(p.polices, famille);
        QVERIFY(attendue > 1.0 && attendue < 25.5);   // the metrics really decide
        QCOMPARE(enfant<QLabel>(&f, "lblTestPolice")->font().pointSizeF(), attendue);
        for (int k = 0; k < FrmEnseignant::kLignes; ++k) {
            QCOMPARE(motAffiche(f, k)->font().family(), famille);
            QCOMPARE(motAffiche(f, k)->font().pointSizeF(), attendue);
        }
        f.show();
        f.close();
        QCOMPARE(inst.lire("Fonte.dat"),
                 fonteDat(famille.toLatin1(), QByteArray::number(attendue)));
        QCOMPARE(etat.policeExercice.taille, attendue);
    }

    void keyboardPickInTheList()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        auto *liste = enfant<QComboBox>(&f, "cmbPolices");
        f.show();
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Down);   // from Comic Sans MS to the next name
        const QString choisie = p.polices.listeFamilles.at(1);
        QCOMPARE(liste->currentText(), choisie);
        QCOMPARE(motAffiche(f, 0)->font().family(), choisie);
        QCOMPARE(motAffiche(f, 0)->font().pointSizeF(), tailleAttendue(p.polices, choisie));
    }
};

int lancerTestsPolice(int argc, char **argv)
{
    TestPolice t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_police.moc"
