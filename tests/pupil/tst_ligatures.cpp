// Words written with œ or æ (cœur, nœud, bœuf...): a child answers them from a
// French keyboard or the on-screen keys, which have no key for these letters.
#include "engine/clavier.h"
#include "pilote.h"

class TestLigatures : public QObject {
    Q_OBJECT

private slots:
    void visite_data()
    {
        QTest::addColumn<bool>("parLesTouches");
        QTest::newRow("coeur tapé au clavier") << false;
        QTest::newRow("c o e u r cliqués sur les touches") << true;
    }

    // A whole visit at the initial test: "cœur" answered with o then e is
    // acquired, and the file keeps its real spelling.
    void visite()
    {
        QFETCH(bool, parLesTouches);
        const QString date = u"01/12/2026"_s;
        Installation inst;
        inst.preparer({u"cœur"_s});
        inst.ecrireBilan(u"Paul"_s, {ligne(u"cœur"_s, 0, u"1"_s, date)});
        Pilote p(inst, u"Paul"_s);
        QCOMPARE(p.fenetre->motCourant(), u"cœur"_s);
        if (parLesTouches) {
            for (QChar c : u"coeur"_s)
                QTest::mouseClick(p.w(u"lblLettre_%1"_s.arg(toucheDeCaractere(c))), Qt::LeftButton);
            QTest::keyClick(p.txtMot(), Qt::Key_Return);
        } else {
            p.repondre(u"coeur"_s);
        }
        p.quitter();
        QCOMPARE(inst.lireBilan(u"Paul"_s), octetsBilan({ligne(u"cœur"_s, 10, u"1"_s, date)}));
    }
};

QTEST_MAIN(TestLigatures)
#include "tst_ligatures.moc"
