// The teacher window: level boxes, scrolling, the word list on opening and
// closing, and the ways out.
#include "outils.h"
#include "support/plateformefactice.h"
#include "teacher/frmenseignant.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
QStringList motsNumerotes(int n)
{
    QStringList mots;
    for (int i = 0; i < n; ++i)
        mots << QStringLiteral("mot%1").arg(i, 2, 10, QLatin1Char('0'));   // sorted = numbered
    return mots;
}

QLabel *motAffiche(FrmEnseignant &f, int k) { return enfant<QLabel>(&f, QStringLiteral("lblMot_%1").arg(k)); }
QLabel *boite(FrmEnseignant &f, int k) { return enfant<QLabel>(&f, QStringLiteral("lbl1_%1").arg(k)); }
QColor fond(QLabel *l) { return l->palette().color(QPalette::Window); }
}  // namespace

class TestEnseignant : public QObject {
    Q_OBJECT
private slots:
    void levelCycle()
    {
        Installation inst;
        inst.ajouterSons({"arbre", "chat", "chien"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        const QColor normal = f.palette().color(QPalette::Window);
        const QList<std::pair<QString, QColor>> attendus{
            {"1", QColor(255, 255, 0)}, {"2", QColor(0, 255, 255)}, {"3", QColor(255, 255, 255)},
            {"4", QColor(0, 255, 0)},   {"5", QColor(255, 0, 255)}, {"", normal},
            {"1", QColor(255, 255, 0)}, {"2", QColor(0, 255, 255)}, {"3", QColor(255, 255, 255)},
            {"4", QColor(0, 255, 0)},   {"5", QColor(255, 0, 255)}};
        QCOMPARE(fond(boite(f, 1)), normal);
        for (const auto &[niveau, couleur] : attendus) {
            QTest::mouseClick(boite(f, 1), Qt::LeftButton);
            QCOMPARE(boite(f, 1)->text(), niveau);
            QCOMPARE(fond(boite(f, 1)), couleur);
            QCOMPARE(f.tableur().at(1).niveau, niveau);
        }
        QCOMPARE(f.tableur().at(0).niveau, QString());
        QCOMPARE(f.tableur().at(2).niveau, QString());
    }

    void emptyRowsIgnoreClicks()
    {
        Installation inst;
        inst.ajouterSons({"a", "b", "c"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        const ListeMots avant = f.tableur();
        for (int k = 3; k < FrmEnseignant::kLignes; ++k) {
            QTest::mouseClick(boite(f, k), Qt::LeftButton);
            QCOMPARE(boite(f, k)->text(), QString());
        }
        QCOMPARE(f.tableur(), avant);
    }

    void scrolling_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("actif");
        QTest::newRow("3 words") << 3 << 0 << false;
        QTest::newRow("10 words") << 10 << 0 << false;
        QTest::newRow("11 words") << 11 << 1 << true;
        QTest::newRow("25 words") << 25 << 15 << true;
    }
    void scrolling()
    {
        QFETCH(int, nombre);
        QFETCH(int, maximum);
        QFETCH(bool, actif);
        Installation inst;
        const QStringList mots = motsNumerotes(nombre);
        inst.ajouterSons(mots);
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        auto *barre = enfant<QScrollBar>(&f, "VScroll");
        QCOMPARE(barre->minimum(), 0);
        QCOMPARE(barre->maximum(), maximum);
        QCOMPARE(barre->isEnabled(), actif);

        // Every reachable position shows the ten rows from that position on.
        for (int valeur : {0, maximum / 2, maximum, maximum + 5}) {
            barre->setValue(valeur);
            const int premiere = std::min(valeur, maximum);
            for (int k = 0; k < FrmEnseignant::kLignes; ++k) {
                const int r = premiere + k;
                QCOMPARE(motAffiche(f, k)->text(), r < nombre ? mots.at(r) : QString());
            }
        }
    }

    void levelSurvivesScrolling()
    {
        Installation inst;
        inst.ajouterSons(motsNumerotes(25));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        QTest::mouseClick(boite(f, 2), Qt::LeftButton);
        QTest::mouseClick(boite(f, 2), Qt::LeftButton);
        auto *barre = enfant<QScrollBar>(&f, "VScroll");
        barre->setValue(1);
        QCOMPARE(boite(f, 1)->text(), QStringLiteral("2"));
        QCOMPARE(fond(boite(f, 1)), QColor(0, 255, 255));
        QCOMPARE(fond(boite(f, 2)), f.palette().color(QPalette::Window));
        barre->setValue(15);
        QCOMPARE(boite(f, 2)->text(), QString());
        barre->setValue(0);
        QCOMPARE(boite(f, 2)->text(), QStringLiteral("2"));
        QCOMPARE(fond(boite(f, 2)), QColor(0, 255, 255));
    }

    void duplicateWordChangesFirstRowOnly()
    {
        Installation inst;
        inst.ajouterSons({"chat", "chien"});
        inst.ecrire("Mots.dat", ligneMots("chat", "3") + ligneMots("chien", "") + ligneMots("chat", "1"));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        QCOMPARE(boite(f, 2)->text(), QStringLiteral("1"));
        QCOMPARE(fond(boite(f, 0)), QColor(255, 255, 255));
        QTest::mouseClick(boite(f, 2), Qt::LeftButton);
        QCOMPARE(boite(f, 2)->text(), QStringLiteral("2"));
        QCOMPARE(f.tableur(), (ListeMots{{"chat", "2"}, {"chien", ""}, {"chat", "1"}}));
    }

    void closingWritesTheMergedList()
    {
        Installation inst;
        inst.ajouterSons({"zebre", "chat", "arbre", "chien"});
        inst.ecrire("Mots.dat", ligneMots("chien", "2") + ligneMots("parti", "4")
                                    + ligneMots("chat", "") + ligneMots("envole", "1"));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        QTest::mouseClick(boite(f, 1), Qt::LeftButton);   // chat: 1
        QTest::mouseClick(enfant<QPushButton>(&f, "cmdQuitter"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(inst.lire("Mots.dat"), ligneMots("chien", "2") + ligneMots("chat", "1")
                                            + ligneMots("arbre", "") + ligneMots("zebre", ""));
        QVERIFY(p.messages.demandes.isEmpty());
    }

    void emptyLibraryLeavesNoFile()
    {
        Installation inst;
        QVERIFY(QDir(inst.chemin()).mkdir("Sons"));
        inst.ecrire("Mots.dat", ligneMots("parti", "4"));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        QVERIFY(f.tableur().isEmpty());
        f.show();
        f.close();
        QVERIFY(!inst.existe("Mots.dat"));
    }

    void missingLibraryKeepsTheSavedList()
    {
        Installation inst;
        const QByteArray sauve = ligneMots("chat", "2") + ligneMots("chien", "");
        inst.ecrire("Mots.dat", sauve);
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        QCOMPARE(p.messages.titres(), QStringList{QStringLiteral("Bibliothèque de sons")});
        QVERIFY(p.messages.demandes.first().texte.contains("Sons"));
        QCOMPARE(motAffiche(f, 1)->text(), QStringLiteral("chien"));
        f.show();
        f.close();
        QCOMPARE(inst.lire("Mots.dat"), sauve);
    }

    void unstorableRecordingsAreNamed()
    {
        Installation inst;
        inst.ajouterSons({"chat", QStringLiteral("χαρά")});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        QCOMPARE(p.messages.titres(), QStringList{QStringLiteral("Enregistrements ignorés")});
        QVERIFY(p.messages.demandes.first().texte.contains(QStringLiteral("χαρά")));
        QCOMPARE(f.tableur(), (ListeMots{{"chat", ""}}));
    }

    // The close box and "&Quitter" both save, and only once.
    void closeBoxSavesOnce()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        QTest::mouseClick(boite(f, 0), Qt::LeftButton);
        QVERIFY(f.close());
        QCOMPARE(inst.lire("Mots.dat"), ligneMots("chat", "1"));
        QVERIFY(QFile::remove(inst.fichier("Mots.dat")));
        QVERIFY(QFile::remove(inst.fichier("Fonte.dat")));
        f.close();
        f.done(QDialog::Accepted);
        QVERIFY(!inst.existe("Mots.dat"));
        QVERIFY(!inst.existe("Fonte.dat"));
    }

    void escapeDoesNotClose()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        QVERIFY(!inst.existe("Fonte.dat"));
    }

    // A Mots.dat that cannot be replaced: the levels stay in the open window
    // until a later close succeeds or the teacher gives up.
    void saveFailureKeepsLevels()
    {
        Installation inst;
        inst.ajouterSons({"chat", "chien"});
        QVERIFY(QDir(inst.chemin()).mkdir("Mots.dat"));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        QTest::mouseClick(boite(f, 1), Qt::LeftButton);

        p.messages.reponseQuestion = false;
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QCOMPARE(p.messages.demandes.size(), 1);
        const MessageDemande demande = p.messages.demandes.first();
        QVERIFY(demande.question);
        QVERIFY(demande.texte.contains("Mots.dat"));
        QVERIFY(demande.texte.endsWith(QStringLiteral("Fermer quand même sans enregistrer ?")));
        QCOMPARE(f.tableur().at(1).niveau, QStringLiteral("1"));

        // Second try, still failing, through the button.
        QTest::mouseClick(enfant<QPushButton>(&f, "cmdQuitter"), Qt::LeftButton);
        QVERIFY(f.isVisible());
        QCOMPARE(p.messages.demandes.size(), 2);

        // The folder is put right: the next close saves.
        QVERIFY(QDir(inst.chemin()).rmdir("Mots.dat"));
        QTest::mouseClick(boite(f, 1), Qt::LeftButton);
        QVERIFY(f.close());
        QCOMPARE(inst.lire("Mots.dat"), ligneMots("chat", "") + ligneMots("chien", "2"));
        QCOMPARE(p.messages.demandes.size(), 2);
    }

    void saveFailureCanBeAbandoned()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        QVERIFY(QDir(inst.chemin()).mkdir("Mots.dat"));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        f.show();
        p.messages.reponseQuestion = true;
        QVERIFY(f.close());
        QVERIFY(!f.isVisible());
        QCOMPARE(p.messages.demandes.size(), 1);
        QVERIFY(QFileInfo(inst.fichier("Mots.dat")).isDir());
    }

    void fixedTexts()
    {
        Installation inst;
        inst.ajouterSons({"chat"});
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        QCOMPARE(f.windowTitle(), QStringLiteral("OrthoVal - Enseignant"));
        QCOMPARE(f.objectName(), QStringLiteral("frmEnseignant"));
        QString tout;
        for (const QLabel *l : f.findChildren<QLabel *>())
            tout += l->text() + QLatin1Char('\n');
        for (const char *texte :
             {"ATTENTION : si vous n'affectez pas de niveau à un mot, ce mot ne sera pas proposé à l'élève.",
              "Les mots de niveau 1 seront proposés en priorité, puis ceux de niveau 2...",
              "Que devra faire l'élève ?", "3. Il devra retouver les voyelles du mot.",
              "Choisissez la police à utiliser pour les exercices.",
              "Saisissez le NOM et le prénom de l'élève ici."})
            QVERIFY2(tout.contains(QString::fromUtf8(texte)), texte);
        QCOMPARE(enfant<QPushButton>(&f, "cmdEleves")->text(), QStringLiteral("&Liste d'élèves"));
        QCOMPARE(enfant<QPushButton>(&f, "cmdQuitter")->text(), QStringLiteral("&Quitter"));
        QCOMPARE(boite(f, 9)->toolTip(), QStringLiteral(" Cliquer pour affecter un niveau. "));
        QCOMPARE(boite(f, 0)->font().pointSizeF(), 14.25);
        QCOMPARE(motAffiche(f, 0)->alignment() & Qt::AlignRight, Qt::AlignRight);
        QCOMPARE(motAffiche(f, 0)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void fitsAt800x600()
    {
        Installation inst;
        inst.ajouterSons(motsNumerotes(12));
        PlateformeFactice p;
        EtatProgramme etat{inst.chemin()};
        FrmEnseignant f(etat, p.services());
        QVERIFY2(f.minimumSizeHint().width() <= 800 && f.minimumSizeHint().height() <= 560,
                 qPrintable(QStringLiteral("%1x%2").arg(f.minimumSizeHint().width()).arg(f.minimumSizeHint().height())));
    }
};

int lancerTestsEnseignant(int argc, char **argv)
{
    TestEnseignant t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_frmenseignant.moc"
