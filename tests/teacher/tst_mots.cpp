// The teacher's word list: the level cycle in its colours, the model's
// filter after rows taken out or added, then the view in the window:
// scrolling, keys.
#include "outils.h"
#include "teacher/modelemots.h"
#include "teacher/niveaux.h"

namespace {

// A list as Mots.dat may hold it, odd level included.
ListeMots listeEssai()
{
    return {{u"élève"_s, "1"}, {u"Éléphant"_s, ""}, {"ELEVER", "2"}, {"chat", "1"}, {u"Œuvre"_s, "7"}, {"arbre", "5"}};
}

QStringList montres(const FiltreMots &filtre)
{
    QStringList mots;
    for (int r = 0; r < filtre.rowCount(); ++r)
        mots << filtre.index(r, ModeleMots::ColonneMot).data().toString();
    return mots;
}

} // namespace

class TestMots : public QObject {
    Q_OBJECT

private slots:
    // One click on a level box: the next level, in its colour, the word
    // still shown under the level filter it no longer matches; a level
    // written by hand that is none of 1 to 5 starts again at 1 or ends.
    void cycle_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("apres");
        QTest::addColumn<QColor>("couleur");   // invalid: the window's own
        QTest::newRow("sans niveau") << u""_s << u"1"_s << QColor(255, 255, 0);
        QTest::newRow("1") << u"1"_s << u"2"_s << QColor(0, 255, 255);
        QTest::newRow("2") << u"2"_s << u"3"_s << QColor(255, 255, 255);
        QTest::newRow("3") << u"3"_s << u"4"_s << QColor(0, 255, 0);
        QTest::newRow("4") << u"4"_s << u"5"_s << QColor(255, 0, 255);
        QTest::newRow("5") << u"5"_s << u""_s << QColor();
        QTest::newRow("7") << u"7"_s << u""_s << QColor();
        QTest::newRow("0") << u"0"_s << u"1"_s << QColor(255, 255, 0);
        QTest::newRow("négatif") << u"-2"_s << u"1"_s << QColor(255, 255, 0);
        QTest::newRow("illisible") << u"x"_s << u"1"_s << QColor(255, 255, 0);
    }
    void cycle()
    {
        QFETCH(QString, avant);
        QFETCH(QString, apres);
        QFETCH(QColor, couleur);
        Fenetre t({"arbre", "chat", "chien"}, {}, [&avant](Fenetre &x) {
            x.inst.ecrire(u"Mots.dat"_s, ligneMots("arbre", "") + ligneMots("chat", avant.toLatin1()) + ligneMots("chien", ""));
        });
        t.w<QLineEdit>(u"txtFiltre"_s)->setText(u"chat"_s);
        // Filtered on chat's level; an odd one counts as none.
        t.w<QComboBox>(u"cmbFiltreNiveau"_s)->setCurrentIndex(kNiveaux.contains(avant) ? kNiveaux.indexOf(avant) + 1 : 1);
        QCOMPARE(t.mot(0), u"chat"_s);
        QSignalSpy change(t.vue()->model(), &QAbstractItemModel::dataChanged);
        t.clicNiveau(0);
        QCOMPARE(change.size(), 1);
        QCOMPARE(t.mot(0), u"chat"_s);
        QCOMPARE(t.niveau(0), apres);
        QCOMPARE(t.fond(0), couleur.isValid() ? couleur : t.f->palette().color(QPalette::Window));
        QCOMPARE(t.f->tableur(), (ListeMots{{"arbre", ""}, {"chat", apres}, {"chien", ""}}));
    }

    // Rows taken out or added outside the model: the filter still finds the
    // right words (its keys follow the list).
    void listeChangee_data()
    {
        QTest::addColumn<int>("retire");   // -1: a word appended instead
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("premier retiré") << 0 << u"el"_s << QStringList{u"Éléphant"_s, "ELEVER"};
        QTest::newRow("milieu retiré") << 2 << u"a"_s << QStringList{"arbre"};
        QTest::newRow("dernier retiré") << 5 << u"ar"_s << QStringList{};
        QTest::newRow("mot ajouté") << -1 << u"ete"_s << QStringList{u"été"_s};
    }
    void listeChangee()
    {
        QFETCH(int, retire);
        QFETCH(QString, debut);
        QFETCH(QStringList, attendus);
        ListeMots liste = listeEssai();
        ModeleMots modele(liste);
        FiltreMots filtre;
        filtre.setSourceModel(&modele);
        filtre.setFiltres(u"c"_s, 0);   // the keys are made
        QCOMPARE(montres(filtre), QStringList{"chat"});
        if (retire >= 0) {
            modele.retirer(retire);
        } else {
            liste.append({u"été"_s, ""});
            modele.recharger();
        }
        filtre.setFiltres(debut, 0);
        QCOMPARE(montres(filtre), attendus);
    }

    void defilement_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::newRow("3 mots") << 3;
        QTest::newRow("10 mots") << 10;
        QTest::newRow("25 mots") << 25;
    }
    // Every reachable position shows the rows from that position on.
    void defilement()
    {
        QFETCH(int, nombre);
        QStringList mots;
        for (int i = 0; i < nombre; ++i)
            mots << u"mot%1"_s.arg(i, 2, 10, QLatin1Char('0'));   // sorted = numbered
        Fenetre t(mots);
        QVERIFY(t.f->lignes() >= FrmEnseignant::kLignes);
        const int maximum = std::max(0, nombre - t.f->lignes());
        auto *barre = t.w<QScrollBar>(u"VScroll"_s);
        QCOMPARE(barre->maximum(), maximum);
        QCOMPARE(barre->isEnabled(), maximum > 0);
        for (int valeur : {0, maximum / 2, maximum, maximum + 5}) {
            barre->setValue(valeur);
            for (int k = 0; k < t.f->lignes(); ++k) {
                const int r = std::min(valeur, maximum) + k;
                QCOMPARE(t.mot(k), r < nombre ? mots.at(r) : QString());
            }
        }
    }


    // The keys on the current cell: Space or Enter does what a click does,
    // the menu key opens the word's menu.
    void clavier_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("niveau");   // chat's level after
        QTest::addColumn<int>("joues");
        QTest::addColumn<bool>("menu");
        QTest::newRow("espace sur le niveau") << 1 << int(Qt::Key_Space) << u"1"_s << 0 << false;
        QTest::newRow("entrée sur le niveau") << 1 << int(Qt::Key_Return) << u"1"_s << 0 << false;
        QTest::newRow("entrée sur le mot") << 0 << int(Qt::Key_Return) << u""_s << 1 << false;
        QTest::newRow("espace sur le haut-parleur") << 2 << int(Qt::Key_Space) << u""_s << 1 << false;
        QTest::newRow("touche menu sur le mot") << 0 << int(Qt::Key_Menu) << u""_s << 0 << true;
        QTest::newRow("entrée sur « … »") << 3 << int(Qt::Key_Return) << u""_s << 0 << true;
        QTest::newRow("autre touche") << 1 << int(Qt::Key_A) << u""_s << 0 << false;
    }
    void clavier()
    {
        QFETCH(int, colonne);
        QFETCH(int, touche);
        QFETCH(QString, niveau);
        QFETCH(int, joues);
        QFETCH(bool, menu);
        Fenetre t({"arbre", "chat"});
        t.vue()->setFocus();
        t.vue()->setCurrentIndex(t.cellule(1, colonne));
        QTest::keyClick(t.vue(), Qt::Key(touche));
        QCOMPARE(t.f->tableur().at(1), (EntreeMot{"chat", niveau}));
        QCOMPARE(t.p.son.joues.size(), joues);
        QCOMPARE(t.f->findChild<QMenu *>(u"menuMot"_s)->isVisible(), menu);
    }
};

QTEST_MAIN(TestMots)
#include "tst_mots.moc"
