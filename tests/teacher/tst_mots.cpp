// The teacher's word list as a model: the filter (capitals and accents do
// not count), the level cycle, one level for every word shown, rows taken
// out or added; then the view over it in the window: colours, scrolling, keys.
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

QStringList niveauxDe(const ListeMots &liste)
{
    QStringList n;
    for (const EntreeMot &e : liste)
        n << e.niveau;
    return n;
}

} // namespace

class TestMots : public QObject {
    Q_OBJECT

private slots:
    void filtre_data()
    {
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("choix");   // 0 every level, 1 none, 2 level 1...
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("tout, dans l'ordre du fichier") << u""_s << 0
            << QStringList{u"élève"_s, u"Éléphant"_s, "ELEVER", "chat", u"Œuvre"_s, "arbre"};
        QTest::newRow("sans accents") << u"eleve"_s << 0 << QStringList{u"élève"_s, "ELEVER"};
        QTest::newRow("majuscules accentuées") << u"ÉLÉ"_s << 0 << QStringList{u"élève"_s, u"Éléphant"_s, "ELEVER"};
        QTest::newRow("ligature") << u"oeu"_s << 0 << QStringList{u"Œuvre"_s};
        QTest::newRow("ligature tapée") << u"œ"_s << 0 << QStringList{u"Œuvre"_s};
        QTest::newRow("blancs autour") << u"  ch "_s << 0 << QStringList{"chat"};
        QTest::newRow("milieu du mot") << u"lève"_s << 0 << QStringList{};
        QTest::newRow("sans niveau, niveau étrange compris") << u""_s << 1 << QStringList{u"Éléphant"_s, u"Œuvre"_s};
        QTest::newRow("niveau 1") << u""_s << 2 << QStringList{u"élève"_s, "chat"};
        QTest::newRow("début et niveau") << u"ele"_s << 3 << QStringList{"ELEVER"};
        QTest::newRow("niveau 5") << u""_s << 6 << QStringList{"arbre"};
        QTest::newRow("niveau 4") << u""_s << 5 << QStringList{};
    }
    void filtre()
    {
        QFETCH(QString, debut);
        QFETCH(int, choix);
        QFETCH(QStringList, attendus);
        ListeMots liste = listeEssai();
        ModeleMots modele(liste);
        FiltreMots filtre;
        filtre.setSourceModel(&modele);
        filtre.setFiltres(debut, choix);
        QCOMPARE(montres(filtre), attendus);
        for (int r = 0; r < filtre.rowCount(); ++r)
            QCOMPARE(liste.at(filtre.rangListe(r)).mot, attendus.at(r));
        QCOMPARE(filtre.rangListe(filtre.rowCount()), -1);
    }

    // The words shown all take the level; the others keep theirs; the words
    // shown stay the same, new level or not, until the filters change.
    void niveauPourTous_data()
    {
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("choix");
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QStringList>("apres");
        QTest::newRow("niveau 3 aux « ele »") << u"ele"_s << 0 << u"3"_s
                                              << QStringList{"3", "3", "3", "1", "7", "5"};
        QTest::newRow("niveau 1 devient 4") << u""_s << 2 << u"4"_s << QStringList{"4", "", "2", "4", "7", "5"};
        QTest::newRow("sans niveau à tous") << u""_s << 0 << u""_s << QStringList{"", "", "", "", "", ""};
        QTest::newRow("aucun mot montré") << u"zz"_s << 0 << u"2"_s << QStringList{"1", "", "2", "1", "7", "5"};
        QTest::newRow("niveau étrange réparé") << u"oe"_s << 1 << u"2"_s << QStringList{"1", "", "2", "1", "2", "5"};
    }
    void niveauPourTous()
    {
        QFETCH(QString, debut);
        QFETCH(int, choix);
        QFETCH(QString, niveau);
        QFETCH(QStringList, apres);
        ListeMots liste = listeEssai();
        ModeleMots modele(liste);
        FiltreMots filtre;
        filtre.setSourceModel(&modele);
        filtre.setFiltres(debut, choix);
        const QStringList avant = montres(filtre);
        QCOMPARE(filtre.donnerNiveau(niveau), avant.size());
        QCOMPARE(niveauxDe(liste), apres);
        QCOMPARE(montres(filtre), avant);
        for (int r = 0; r < filtre.rowCount(); ++r)
            QCOMPARE(filtre.index(r, ModeleMots::ColonneNiveau).data().toString(), niveau);
    }

    void cycle_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("apres");
        QTest::newRow("sans niveau") << u""_s << u"1"_s;
        QTest::newRow("1") << u"1"_s << u"2"_s;
        QTest::newRow("4") << u"4"_s << u"5"_s;
        QTest::newRow("5") << u"5"_s << u""_s;
        QTest::newRow("7") << u"7"_s << u""_s;
        QTest::newRow("0") << u"0"_s << u"1"_s;
        QTest::newRow("négatif") << u"-2"_s << u"1"_s;
        QTest::newRow("illisible") << u"x"_s << u"1"_s;
    }
    // One click: the next level, the word still shown under a level filter.
    void cycle()
    {
        QFETCH(QString, avant);
        QFETCH(QString, apres);
        ListeMots liste{{"chat", avant}, {"chien", "3"}};
        ModeleMots modele(liste);
        FiltreMots filtre;
        filtre.setSourceModel(&modele);
        filtre.setFiltres({}, kNiveaux.indexOf(avant) >= 0 ? kNiveaux.indexOf(avant) + 1 : 1);
        QVERIFY(montres(filtre).contains(u"chat"_s));
        QSignalSpy change(&filtre, &QAbstractItemModel::dataChanged);
        QCOMPARE(modele.cyclerNiveau(0), apres);
        QCOMPARE(liste, (ListeMots{{"chat", apres}, {"chien", "3"}}));
        QCOMPARE(change.size(), 1);
        QVERIFY(montres(filtre).contains(u"chat"_s));
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

    void niveaux()
    {
        Fenetre t({"arbre", "chat", "chien"});
        const QColor normal = t.f->palette().color(QPalette::Window);
        const QList<std::pair<QString, QColor>> attendus{
            {"1", QColor(255, 255, 0)}, {"2", QColor(0, 255, 255)}, {"3", QColor(255, 255, 255)},
            {"4", QColor(0, 255, 0)},   {"5", QColor(255, 0, 255)}, {"", normal}, {"1", QColor(255, 255, 0)}};
        for (const auto &[niveau, couleur] : attendus) {
            t.clicNiveau(1);
            QCOMPARE(t.niveau(1), niveau);
            QCOMPARE(t.fond(1), couleur);
            QCOMPARE(t.f->tableur(), (ListeMots{{"arbre", ""}, {"chat", niveau}, {"chien", ""}}));
        }
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
