// The access-code dialog: first use, later uses, the field's limits.
#include "outils.h"
#include "support/plateformefactice.h"
#include "teacher/frmcode.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

class TestCode : public QObject {
    Q_OBJECT

    // Opens the dialog on the folder, types, presses a button; returns the flag.
    static bool essayer(Installation &inst, PlateformeFactice &p, const QString &saisie,
                        const char *bouton = "cmdOk")
    {
        EtatProgramme etat{inst.chemin()};
        etat.accessGranted = true;   // a refusal must clear it
        FrmCode code(etat, p.services());
        code.show();
        taper(enfant<QLineEdit>(&code, "txtCode"), saisie);
        QTest::mouseClick(enfant<QPushButton>(&code, QLatin1String(bouton)), Qt::LeftButton);
        return etat.accessGranted;
    }

private slots:
    void firstUse_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("accorde");
        QTest::addColumn<QByteArray>("fichier");
        QTest::newRow("blanks around") << "  ab1 " << true << QByteArray("\"ab1\"\r\n");
        QTest::newRow("inner blank kept") << "a b" << true << QByteArray("\"a b\"\r\n");
        QTest::newRow("accented") << QStringLiteral("clé") << true << QByteArray("\"cl\xe9\"\r\n");
        QTest::newRow("nothing") << "" << false << QByteArray();
        QTest::newRow("blanks only") << "   " << false << QByteArray();
    }
    void firstUse()
    {
        QFETCH(QString, saisie);
        QFETCH(bool, accorde);
        QFETCH(QByteArray, fichier);
        Installation inst;
        PlateformeFactice p;
        QCOMPARE(essayer(inst, p, saisie), accorde);
        QCOMPARE(inst.lire("Code.dat"), fichier);
        QVERIFY(p.messages.demandes.isEmpty());
        // The next opening is a first use again, or checks the stored code.
        if (accorde)
            QVERIFY(essayer(inst, p, saisie.trimmed()));
    }

    void laterUse_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("accorde");
        const QByteArray stocke = "\"Abc1\"\r\n";
        QTest::newRow("same") << stocke << "Abc1" << true;
        QTest::newRow("same, blanks") << stocke << "  Abc1 " << true;
        QTest::newRow("upper case") << stocke << "ABC1" << false;
        QTest::newRow("lower case") << stocke << "abc1" << false;
        QTest::newRow("nothing") << stocke << "" << false;
        QTest::newRow("several values: last wins") << QByteArray("\"un\",\"deux\"\r\n\"trois\"\r\n")
                                                   << "trois" << true;
        QTest::newRow("several values: earlier refused") << QByteArray("\"un\",\"deux\"\r\n")
                                                         << "un" << false;
    }
    void laterUse()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, saisie);
        QFETCH(bool, accorde);
        Installation inst;
        inst.ecrire("Code.dat", fichier);
        PlateformeFactice p;
        QCOMPARE(essayer(inst, p, saisie), accorde);
        QCOMPARE(inst.lire("Code.dat"), fichier);   // never rewritten
    }

    void cancelRefusesEvenTheRightCode()
    {
        Installation inst;
        inst.ecrire("Code.dat", "\"Abc1\"\r\n");
        PlateformeFactice p;
        QVERIFY(!essayer(inst, p, "Abc1", "cmdAnnule"));
        // Nor does cancelling at first use store anything.
        Installation vide;
        QVERIFY(!essayer(vide, p, "neuf", "cmdAnnule"));
        QCOMPARE(vide.lire("Code.dat"), QByteArray());
    }

    void enterValidates()
    {
        Installation inst;
        inst.ecrire("Code.dat", "\"xy\"\r\n");
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmCode code(etat, p.services());
        code.show();
        auto *champ = enfant<QLineEdit>(&code, "txtCode");
        QTest::keyClicks(champ, "xy");
        QTest::keyClick(champ, Qt::Key_Return);
        QVERIFY(etat.accessGranted);
        QVERIFY(!code.isVisible());
        QCOMPARE(code.result(), int(QDialog::Accepted));
    }

    void openingCreatesAnEmptyFile()
    {
        Installation inst;
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmCode code(etat, p.services());
        QCOMPARE(inst.lire("Code.dat"), QByteArray());
    }

    void fieldLimits_data()
    {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("texte");
        QTest::newRow("seventh character") << "abcdefg" << "abcdef";
        QTest::newRow("double quote refused") << "a\"b" << "ab";
        QTest::newRow("comma accepted") << "a,b" << "a,b";
    }
    void fieldLimits()
    {
        QFETCH(QString, frappe);
        QFETCH(QString, texte);
        Installation inst;
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmCode code(etat, p.services());
        auto *champ = enfant<QLineEdit>(&code, "txtCode");
        QTest::keyClicks(champ, frappe);
        QCOMPARE(champ->text(), texte);
    }

    void lookOfTheDialog()
    {
        Installation inst;
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmCode code(etat, p.services());
        QCOMPARE(code.objectName(), QStringLiteral("frmCode"));
        QVERIFY(code.windowFlags() & Qt::FramelessWindowHint);
        auto *champ = enfant<QLineEdit>(&code, "txtCode");
        QCOMPARE(champ->maxLength(), 6);
        QCOMPARE(champ->echoMode(), QLineEdit::Password);
        QCOMPARE(champ->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, champ), 167);
        QCOMPARE(champ->toolTip(), QStringLiteral(" 6 caractères maxi "));
        QCOMPARE(champ->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(champ->font().pointSizeF(), 15.75);
        QVERIFY(champ->font().bold());
        QVERIFY(enfant<QPushButton>(&code, "cmdOk")->isDefault());
        QCOMPARE(enfant<QPushButton>(&code, "cmdOk")->text(), QStringLiteral("O&k"));
        QCOMPARE(enfant<QPushButton>(&code, "cmdAnnule")->text(), QStringLiteral("&Annuler"));
        QStringList textes;
        for (const QLabel *l : code.findChildren<QLabel *>())
            textes << l->text();
        QVERIFY(textes.contains(QStringLiteral(
            "Pour ouvrir le module \"enseignant\", vous devez entrer votre code d'accès.")));
        QVERIFY(textes.contains(QStringLiteral(
            "Si vous accédez à ce module pour la première fois, entrez un code dont vous devrez "
            "vous souvenir (notez-le dans un endroit sûr).")));
    }

    // A folder where Code.dat cannot be written: the teacher is told, and no
    // access is granted for a code that was never stored.
    void unwritableCodeFile()
    {
        Installation inst;
        QVERIFY(QDir(inst.chemin()).mkdir("Code.dat"));
        PlateformeFactice p;
        QVERIFY(!essayer(inst, p, "abc"));
        QCOMPARE(p.messages.demandes.size(), 1);
        QVERIFY(p.messages.demandes.first().texte.contains("Code.dat"));
        QVERIFY(!p.messages.demandes.first().question);
    }
};

int lancerTestsCode(int argc, char **argv)
{
    TestCode t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_frmcode.moc"
