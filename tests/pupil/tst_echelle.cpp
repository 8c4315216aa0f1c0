// The ladder of exercises as a child climbs it in the pupil window: every
// step, a mistake at the last one, the model, the squares, Enter on nothing.
#include "engine/texte.h"
#include "pilote.h"
#include "pupil/zonereponse.h"

namespace {

const QString kD0 = u"01/12/2026"_s;
const QDate kJour(2026, 12, 5);
const QColor kNeutre(0xFF, 0xFF, 0xC0), kRouge(0xFF, 0x00, 0x00), kVert(0x00, 0xFF, 0x00);

// The squares 0 to n-1.
QList<int> carres(int n)
{
    QList<int> l(n);
    std::iota(l.begin(), l.end(), 0);
    return l;
}

} // namespace

class TestEchelle : public QObject {
    Q_OBJECT

private slots:
    // One word from the initial test to acquired, over five visits and 38 days:
    // each stage's presentation, each answer's effect, and the waits.
    void exercice_echelleComplete()
    {
        Installation inst;
        inst.preparer({"chat"});
        auto p = std::make_unique<Pilote>(inst, u"Paul"_s);
        QCOMPARE(p->fenetre->etapeCourante(), 0);
        QCOMPARE(p->w<QGroupBox>("frameMot")->title(), u"Test initial"_s);
        QVERIFY(!p->modeleVisible());
        p->repondre("chien");   // wrong: back to the copying step
        QCOMPARE(p->fondReponse(), kRouge);
        QCOMPARE(p->etiquetteSuivant(), u"Même mot"_s);
        QCOMPARE(p->fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "05/12/2026"));

        // Day of each step (the same day: "Même mot"), stage presented (0: nothing
        // due, the end-of-list message), date of the row after the right answer.
        const QList<std::tuple<int, int, QString>> pas{
            {0, 3, "05/12/2026"}, {0, 4, "05/12/2026"}, {0, 5, "05/12/2026"}, {0, 6, "05/12/2026"}, {0, 0, ""},
            {1, 7, "06/12/2026"}, {7, 0, ""}, {8, 8, "13/12/2026"}, {37, 0, ""}, {38, 9, "13/12/2026"},
            {38, 0, ""}};
        int jour = 0;
        for (const auto &[j, etape, date] : pas) {
            if (j == jour) {
                p->suivant();
            } else {
                p->quitter();
                p = std::make_unique<Pilote>(inst, u"Paul"_s, kJour.addDays(jour = j));
            }
            if (etape == 0) {
                QCOMPARE(p->messages("Fin de liste"), 1);
                continue;
            }
            QCOMPARE(p->fenetre->etapeCourante(), etape);
            QCOMPARE(p->points(), carres(etape - 3));
            QCOMPARE(p->modeleVisible(), etape < 6);
            QCOMPARE(p->fondReponse(), kNeutre);
            p->repondre("Chat ");   // capital lowered by the filter, blank cleaned
            QCOMPARE(p->txtMot()->text(), u"chat"_s);
            QCOMPARE(p->fondReponse(), kVert);
            QCOMPARE(p->points(), carres(etape - 2));
            QCOMPARE(p->texte("lblMotsConnus"), etape == 9 ? u"1"_s : u"0"_s);
            QCOMPARE(p->fenetre->fgEleve().ligne(0), ligne("chat", etape + 1, "1", date));
        }
        p->quitter();
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", "13/12/2026")}));
    }

    // A wrong answer at the last step: back to copying, date kept, ladder emptied.
    void exercice_erreurEtape9()
    {
        Installation inst;
        inst.preparer({"chat"});
        inst.ecrireBilan("Paul", {ligne("chat", 9, "1", "20/10/2026")});
        Pilote p(inst, "Paul");
        QCOMPARE(p.fenetre->etapeCourante(), 9);

        p.repondre("cha");
        QCOMPARE(p.fondReponse(), kRouge);
        QVERIFY(p.points().isEmpty());
        QCOMPARE(p.fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "20/10/2026"));

        p.suivant();
        QCOMPARE(p.fenetre->etapeCourante(), 3);
        QVERIFY(p.modeleVisible());
        QCOMPARE(p.texte("lblModele"), u"chat"_s);
    }

    void exercice_modele_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("etape");
        QTest::addColumn<QString>("modele");   // # for a masked letter
        QTest::addColumn<QString>("titre");

        const QString m = u"Modèle"_s;
        const QString v = u"Modèle : les voyelles sont masquées"_s;
        const QString c = u"Modèle : les consonnes sont masquées"_s;
        QTest::newRow("école 3") << "école" << 3 << "école" << m;
        QTest::newRow("école 4") << "école" << 4 << "#c#l#" << v;
        QTest::newRow("école 5") << "école" << 5 << "é#o#e" << c;
        QTest::newRow("l'arbre 3") << "l'arbre" << 3 << "l'arbre" << m;
        QTest::newRow("l'arbre 4") << "l'arbre" << 4 << "l'#rbr#" << v;
        QTest::newRow("l'arbre 5") << "l'arbre" << 5 << "#'a###e" << c;
    }

    // The model over the answer box at the three copying stages, with the word
    // played from the recording of exactly its name.
    void exercice_modele()
    {
        QFETCH(QString, mot);
        QFETCH(int, etape);
        QFETCH(QString, modele);
        QFETCH(QString, titre);

        Installation inst;
        inst.preparer({mot});
        inst.ecrireBilan("Paul", {ligne(mot, etape, "1", kD0)});
        Pilote p(inst, "Paul");
        QCOMPARE(p.fenetre->etapeCourante(), etape);
        QVERIFY(p.modeleVisible());
        QCOMPARE(p.w<QGroupBox>("frameModele")->title(), titre);
        QCOMPARE(p.texte("lblModele"), modele.replace(QLatin1Char('#'), kCaractereMasque));
        QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon(mot)});
    }

    // A plain Next always starts with an empty ladder, even for a word in the
    // middle of it; "Même mot" with nothing due leaves the ladder empty too.
    void exercice_carres()
    {
        Installation inst;
        inst.preparer({"bol", "sol"});
        inst.ecrireBilan("Paul", {ligne("bol", 0, "1", "05/12/2026"), ligne("sol", 7, "1", "05/12/2026")});
        Pilote p(inst, "Paul");
        p.repondre("bol");   // known at the first try: acquired, all squares lit
        QCOMPARE(p.points(), carres(7));
        QCOMPARE(p.etiquetteSuivant(), QString());

        p.plateforme.horloge.jour = kJour.addDays(1);
        p.suivant();
        QCOMPARE(p.fenetre->motCourant(), u"sol"_s);
        QCOMPARE(p.fenetre->etapeCourante(), 7);
        QVERIFY(p.points().isEmpty());
        p.repondre("sol");
        QCOMPARE(p.points(), QList<int>{4});
        QCOMPARE(p.etiquetteSuivant(), u"Même mot"_s);

        p.suivant();   // stage 8 waits a week
        QCOMPARE(p.messages("Fin de liste"), 1);
        QVERIFY(p.points().isEmpty());
    }

    // Enter on an empty box validates once: the locked box ignores the next one.
    void exercice_entreeSurZoneVide()
    {
        Installation inst;
        inst.preparer({"chat"});
        Pilote p(inst, "Paul");
        QTest::keyClick(p.txtMot(), Qt::Key_Return);
        QCOMPARE(p.fondReponse(), kRouge);
        QCOMPARE(p.fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "05/12/2026"));

        QSignalSpy validations(qobject_cast<ZoneReponse *>(p.txtMot()), &ZoneReponse::validationDemandee);
        QTest::keyClick(p.txtMot(), Qt::Key_Return);
        p.clic("cmdOk");
        QCOMPARE(validations.count(), 0);
        QCOMPARE(p.fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "05/12/2026"));
        QCOMPARE(p.fenetre->etapeCourante(), 3);
    }
};

QTEST_MAIN(TestEchelle)
#include "tst_echelle.moc"
