// Words written with œ or æ (cœur, nœud, bœuf...): a child answers them from a
// French keyboard or the on-screen keys, which have no key for these letters.
#include "engine/clavier.h"
#include "engine/texte.h"
#include "pilote.h"
#include "pupil/zonereponse.h"

namespace {

const QString kAvant = u"01/12/2026"_s;

// Types the answer on the computer keyboard, or clicks its letters on the
// on-screen keys, then validates with Enter.
void repondre(Pilote &p, const QString &reponse, bool parLesTouches)
{
    if (!parLesTouches) {
        p.repondre(reponse);
        return;
    }
    for (QChar c : reponse) {
        const int indice = toucheDeCaractere(c);
        QVERIFY2(indice >= 0, qPrintable(QString(c)));
        QTest::mouseClick(p.w(u"lblLettre_%1"_s.arg(indice)), Qt::LeftButton);
    }
    QTest::keyClick(p.txtMot(), Qt::Key_Return);
}

} // namespace

class TestLigatures : public QObject {
    Q_OBJECT

private slots:
    void visite_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("etape");
        QTest::addColumn<QString>("modele");     // # for a masked letter; empty: no model
        QTest::addColumn<bool>("parLesTouches");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<int>("colonne");        // where the word is afterwards

        QTest::newRow("cœur tapé coeur") << "cœur" << 0 << "" << false << "coeur" << 10;
        QTest::newRow("cœur cliqué c o e u r") << "cœur" << 0 << "" << true << "coeur" << 10;
        QTest::newRow("cœur tapé avec œ") << "cœur" << 0 << "" << false << "cœur" << 10;
        QTest::newRow("CŒUR en capitales") << "cœur" << 0 << "" << false << "CŒUR" << 10;
        QTest::newRow("bœuf tapé boeuf") << "bœuf" << 0 << "" << false << "boeuf" << 10;
        QTest::newRow("nœud cliqué") << "nœud" << 0 << "" << true << "noeud" << 10;
        QTest::newRow("cæcum tapé caecum") << "cæcum" << 0 << "" << false << "caecum" << 10;
        QTest::newRow("cœur sans e: faux") << "cœur" << 0 << "" << false << "cour" << 3;
        QTest::newRow("coexister n'a pas d'œ") << "coexister" << 0 << "" << false << "cœxister" << 3;
        QTest::newRow("cœur, modèle") << "cœur" << 3 << "cœur" << true << "coeur" << 4;
        QTest::newRow("cœur, voyelles masquées") << "cœur" << 4 << "c##r" << false << "coeur" << 5;
        QTest::newRow("sœur, consonnes masquées") << "sœur" << 5 << "#œu#" << true << "soeur" << 6;
    }

    // A whole visit: the word is presented, answered and the pupil leaves; the
    // file keeps the word's real spelling.
    void visite()
    {
        QFETCH(QString, mot);
        QFETCH(int, etape);
        QFETCH(QString, modele);
        QFETCH(bool, parLesTouches);
        QFETCH(QString, reponse);
        QFETCH(int, colonne);

        Installation inst;
        inst.preparer({mot});
        inst.ecrireBilan(u"Paul"_s, {ligne(mot, etape, u"1"_s, kAvant)});
        Pilote p(inst, u"Paul"_s);
        QCOMPARE(p.fenetre->motCourant(), mot);
        QCOMPARE(p.modeleVisible(), !modele.isEmpty());
        if (!modele.isEmpty())
            QCOMPARE(p.texte(u"lblModele"_s), modele.replace(u'#', kCaractereMasque));

        repondre(p, reponse, parLesTouches);
        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
        QCOMPARE(inst.lireBilan(u"Paul"_s), octetsBilan({ligne(mot, colonne, u"1"_s, kAvant)}));
    }

    // A keyboard with œ and æ (compose key, input method) types them; the
    // capitals come in small, like every other letter.
    void saisie_data()
    {
        QTest::addColumn<bool>("composition");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("touche œ") << false << "œ" << "œ";
        QTest::newRow("touche Æ") << false << "Æ" << "æ";
        QTest::newRow("composé Œuf5") << true << "Œuf5" << "œuf";
        QTest::newRow("composé næ’") << true << "næ’" << "næ";
    }

    void saisie()
    {
        QFETCH(bool, composition);
        QFETCH(QString, frappe);
        QFETCH(QString, attendu);

        ZoneReponse zone;
        zone.show();
        if (composition) {
            QInputMethodEvent evenement(QString(), {});
            evenement.setCommitString(frappe);
            QApplication::sendEvent(&zone, &evenement);
        } else {
            frapper(&zone, frappe);
        }
        QCOMPARE(zone.text(), attendu);
        QCOMPARE(zone.cursorPosition(), int(attendu.size()));
    }
};

QTEST_MAIN(TestLigatures)
#include "tst_ligatures.moc"
