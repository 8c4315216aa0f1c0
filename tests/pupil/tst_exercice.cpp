#include "engine/texte.h"
#include "pilote.h"
#include "tst_eleve.h"

using namespace essai;

namespace {

const QDate kJour(2026, 12, 5);
const QString kFinDeListe = QStringLiteral(
    "Il n'y a plus de mots disponibles pour l'instant.\nSoit tu connais tous les mots, soit tu devras attendre\n"
    "pour continuer.\n\nTu peux imprimer pour savoir s'il te reste des mots à étudier.");

QString masque(std::initializer_list<char16_t> caracteres)
{
    QString s;
    for (char16_t c : caracteres)
        s += c == u'#' ? kCaractereMasque : QChar(c);
    return s;
}

// One visit of Paul on a given day: identify, then hand the window over.
std::unique_ptr<Pilote> visite(const Installation &inst, const QDate &jour)
{
    auto p = std::make_unique<Pilote>(inst, jour);
    p->identifier("Paul");
    return p;
}

} // namespace

// One word from the initial test to acquired, over five visits and 38 days:
// each stage's presentation, each answer's effect, and the waits.
void TestEleve::exercice_echelleComplete()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {});

    auto p = visite(inst, kJour);
    QCOMPARE(p->etapeCourante(), 0);
    QCOMPARE(p->cadre("frameMot")->title(), QStringLiteral("Test initial"));
    QVERIFY(!p->modeleVisible());
    QCOMPARE(p->etiquette("lblMot")->text(), QStringLiteral("chat"));
    QCOMPARE(p->etiquette("lblNiveau")->text(), QStringLiteral("1"));
    QCOMPARE(p->fondReponse(), QColor(0xFF, 0xFF, 0xC0));
    QVERIFY(p->bouton("cmdOk")->isEnabled());
    QVERIFY(!p->bouton("cmdSuivant")->isEnabled());

    p->repondre("chien");   // wrong: back to the copying step
    QCOMPARE(p->fondReponse(), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(p->etiquetteSuivant(), QStringLiteral("Même mot"));
    QCOMPARE(p->fenetre->fgEleve().cellule(0, 3), QStringLiteral("chat"));
    QCOMPARE(p->fenetre->fgEleve().cellule(0, 0), QString());
    QVERIFY(p->txtMot()->isReadOnly());
    QVERIFY(!p->bouton("cmdOk")->isEnabled());
    QVERIFY(p->bouton("cmdSuivant")->isEnabled());
    QVERIFY(p->etiquette("lblMot")->text().isEmpty());

    // Stages 3 to 6 on the same day, each answered right.
    const QList<QPair<int, QList<int>>> echelons{{3, {}}, {4, {0}}, {5, {0, 1}}, {6, {0, 1, 2}}};
    for (const auto &[etape, carres] : echelons) {
        p->suivant();
        QCOMPARE(p->etapeCourante(), etape);
        QCOMPARE(p->points(), carres);
        QCOMPARE(p->modeleVisible(), etape < 6);
        QVERIFY(p->txtMot()->text().isEmpty());
        QCOMPARE(p->fondReponse(), QColor(0xFF, 0xFF, 0xC0));
        p->repondre("Chat ");   // capital lowered by the filter, blank cleaned
        QCOMPARE(p->txtMot()->text(), QStringLiteral("chat"));
        QCOMPARE(p->fondReponse(), QColor(0x00, 0xFF, 0x00));
        QVERIFY(!p->etiquette(QStringLiteral("lblPoints_%1").arg(etape - 3))->isHidden());
        QCOMPARE(p->fenetre->fgEleve().cellule(0, etape + 1), QStringLiteral("chat"));
    }
    QCOMPARE(p->fenetre->fgEleve().cellule(0, 2), QStringLiteral("05/12/2026"));

    // Stage 7 waits for tomorrow: nothing left today.
    p->suivant();
    QCOMPARE(p->plateforme.messages.demandes.size(), 1);
    QCOMPARE(p->plateforme.messages.demandes[0].titre, QStringLiteral("Fin de liste"));
    QCOMPARE(p->plateforme.messages.demandes[0].texte, kFinDeListe);
    p->bouton("cmdQuitter")->click();

    // Day + 1: stage 7 with squares 0 to 3; the success dates the row.
    p = visite(inst, kJour.addDays(1));
    QCOMPARE(p->etapeCourante(), 7);
    QCOMPARE(p->points(), (QList<int>{0, 1, 2, 3}));
    p->repondre("chat");
    QCOMPARE(p->fenetre->fgEleve().cellule(0, 2), QStringLiteral("06/12/2026"));
    p->bouton("cmdQuitter")->click();

    // Day + 7: one day short of the week.
    p = visite(inst, kJour.addDays(7));
    QCOMPARE(p->messages("Fin de liste"), 1);
    QVERIFY(p->motCourant().isEmpty());
    p->bouton("cmdQuitter")->click();

    p = visite(inst, kJour.addDays(8));
    QCOMPARE(p->etapeCourante(), 8);
    p->repondre("chat");
    p->bouton("cmdQuitter")->click();

    // A month after the success at stage 8: the last step.
    p = visite(inst, kJour.addDays(8 + 30));
    QCOMPARE(p->etapeCourante(), 9);
    QCOMPARE(p->points(), (QList<int>{0, 1, 2, 3, 4, 5}));
    QCOMPARE(p->etiquette("lblMotsConnus")->text(), QStringLiteral("0"));
    p->repondre("chat");
    QCOMPARE(p->points(), (QList<int>{0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(p->etiquette("lblMotsConnus")->text(), QStringLiteral("1"));
    QCOMPARE(p->fenetre->fgEleve().cellule(0, 10), QStringLiteral("chat"));
    QCOMPARE(p->fenetre->fgEleve().cellule(0, 2), QStringLiteral("13/12/2026"));
    p->suivant();
    QCOMPARE(p->messages("Fin de liste"), 1);
    p->bouton("cmdQuitter")->click();
    QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", "13/12/2026")}));
}

// A wrong answer at the last step: back to copying, date kept, ladder emptied.
void TestEleve::exercice_erreurEtape9()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {ligne("chat", 9, "1", "20/10/2026")});
    auto p = visite(inst, kJour);
    QCOMPARE(p->etapeCourante(), 9);
    QCOMPARE(p->points(), (QList<int>{0, 1, 2, 3, 4, 5}));
    QVERIFY(!p->modeleVisible());

    p->repondre("cha");
    QCOMPARE(p->fondReponse(), QColor(0xFF, 0x00, 0x00));
    QVERIFY(p->points().isEmpty());
    QCOMPARE(p->etapeCourante(), 3);
    QCOMPARE(p->fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "20/10/2026"));
    auto *resultat = p->etiquette("imgOuiNon");
    QVERIFY(!resultat->isHidden());
    QCOMPARE(resultat->pixmap().toImage(), p->etiquette("imgNon")->pixmap().toImage());

    p->suivant();
    QCOMPARE(p->etapeCourante(), 3);
    QVERIFY(p->modeleVisible());
    QCOMPARE(p->etiquette("lblModele")->text(), QStringLiteral("chat"));
    // The last result stays on show while the next word is presented.
    QVERIFY(!resultat->isHidden());
}

void TestEleve::exercice_modele_data()
{
    QTest::addColumn<QString>("mot");
    QTest::addColumn<int>("etape");
    QTest::addColumn<QString>("modele");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QList<int>>("carres");

    const QString m = QStringLiteral("Modèle");
    const QString v = QStringLiteral("Modèle : les voyelles sont masquées");
    const QString c = QStringLiteral("Modèle : les consonnes sont masquées");
    QTest::newRow("école 3") << "école" << 3 << "école" << m << QList<int>{};
    QTest::newRow("école 4") << "école" << 4 << masque({u'#', u'c', u'#', u'l', u'#'}) << v << QList<int>{0};
    QTest::newRow("école 5") << "école" << 5 << masque({u'é', u'#', u'o', u'#', u'e'}) << c << QList<int>{0, 1};
    QTest::newRow("l'arbre 3") << "l'arbre" << 3 << "l'arbre" << m << QList<int>{};
    QTest::newRow("l'arbre 4") << "l'arbre" << 4 << masque({u'l', u'\'', u'#', u'r', u'b', u'r', u'#'}) << v
                               << QList<int>{0};
    QTest::newRow("l'arbre 5") << "l'arbre" << 5 << masque({u'#', u'\'', u'a', u'#', u'#', u'#', u'e'}) << c
                               << QList<int>{0, 1};
    QTest::newRow("porte-clé 4") << "porte-clé" << 4
                                 << masque({u'p', u'#', u'r', u't', u'#', u'-', u'c', u'l', u'#'}) << v << QList<int>{0};
}

// The model over the answer box at the three copying stages, with the word
// played from the recording of exactly its name.
void TestEleve::exercice_modele()
{
    QFETCH(QString, mot);
    QFETCH(int, etape);
    QFETCH(QString, modele);
    QFETCH(QString, titre);
    QFETCH(QList<int>, carres);

    Installation inst;
    inst.ecrireMots({{mot, "3"}});
    inst.ecrireBilan("Paul", {ligne(mot, etape, "3", "01/12/2026")});
    auto p = visite(inst, kJour);

    QCOMPARE(p->etapeCourante(), etape);
    QVERIFY(p->modeleVisible());
    QCOMPARE(p->cadre("frameModele")->title(), titre);
    QCOMPARE(p->etiquette("lblModele")->text(), modele);
    QCOMPARE(p->cadre("frameMot")->title(), QString());
    QCOMPARE(p->points(), carres);
    QCOMPARE(p->etiquette("lblNiveau")->text(), QStringLiteral("3"));
    QCOMPARE(p->plateforme.son.joues, QStringList{inst.cheminSon(mot)});
    // Same width and font as the answer box, directly above it.
    QLabel *lblModele = p->etiquette("lblModele");
    QCOMPARE(lblModele->width(), p->txtMot()->width());
    QCOMPARE(lblModele->font(), p->txtMot()->font());
    const QPoint haut = lblModele->mapTo(p->fenetre.get(), QPoint(0, 0));
    const QPoint bas = p->txtMot()->mapTo(p->fenetre.get(), QPoint(0, 0));
    QCOMPARE(haut.x() - bas.x(), 2);
    QVERIFY(haut.y() + lblModele->height() < bas.y());
}

// Which squares are lit: after a presentation, a right answer, "Même mot",
// and a plain Next (which always starts with an empty ladder).
void TestEleve::exercice_carres()
{
    Installation inst;
    inst.ecrireMots({{"bol", "1"}, {"sol", "1"}, {"mur", "1"}});
    inst.ecrireBilan("Paul", {ligne("bol", 0, "1", "05/12/2026"), ligne("sol", 7, "1", "05/12/2026"),
                              ligne("mur", 10, "1", "01/12/2026")});
    auto p = visite(inst, kJour);
    QCOMPARE(p->motCourant(), QStringLiteral("bol"));
    QVERIFY(p->points().isEmpty());

    p->repondre("bol");   // known at the first try: acquired, all squares lit
    QCOMPARE(p->points(), (QList<int>{0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(p->etiquetteSuivant(), QString());
    QCOMPARE(p->etapeCourante(), 0);
    QCOMPARE(p->etiquette("lblMotsConnus")->text(), QStringLiteral("2"));

    // A day later sol is due at stage 7; a plain Next hides its squares.
    p->plateforme.horloge.jour = kJour.addDays(1);
    p->suivant();
    QCOMPARE(p->motCourant(), QStringLiteral("sol"));
    QCOMPARE(p->etapeCourante(), 7);
    QVERIFY(p->points().isEmpty());

    p->repondre("sol");
    QCOMPARE(p->points(), QList<int>{4});
    QCOMPARE(p->etiquetteSuivant(), QStringLiteral("Même mot"));

    // "Même mot" finds nothing due (stage 8 waits a week), then nothing at
    // all: the end-of-list screen, ladder empty, box locked.
    p->suivant();
    QCOMPARE(p->messages("Fin de liste"), 1);
    QVERIFY(p->points().isEmpty());
    QCOMPARE(p->cadre("frameMot")->title(), QStringLiteral("Test initial"));
    QVERIFY(p->etiquette("lblModele")->text().isEmpty());
    QCOMPARE(p->etiquetteSuivant(), QString());
}

// Enter on an empty box validates once: the locked box ignores the next one.
void TestEleve::exercice_entreeSurZoneVide()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {});
    auto p = visite(inst, kJour);
    QTest::keyClick(p->txtMot(), Qt::Key_Return);
    QCOMPARE(p->fondReponse(), QColor(0xFF, 0x00, 0x00));
    const TableProgression apres = p->fenetre->fgEleve();
    QCOMPARE(apres.ligne(0), ligne("chat", 3, "1", "05/12/2026"));

    QTest::keyClick(p->txtMot(), Qt::Key_Return);
    p->bouton("cmdOk")->click();
    QCOMPARE(p->fenetre->fgEleve(), apres);
    QCOMPARE(p->etapeCourante(), 3);
    QVERIFY(p->fenetre->isVisible());
}

// With no word to propose: the message, an empty initial-test screen, and a
// locked box on which validating changes nothing; the loudspeaker repeats
// the message and plays nothing.
void TestEleve::exercice_finDeListe()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}, {"lune", ""}});
    inst.ecrireBilan("Paul", {ligne("chat", 10, "1", "01/12/2026"), ligne("lune", 0, "", "01/12/2026")});
    auto p = visite(inst, kJour);
    QCOMPARE(p->messages("Fin de liste"), 1);
    QVERIFY(p->plateforme.son.joues.isEmpty());
    QCOMPARE(p->cadre("frameMot")->title(), QStringLiteral("Test initial"));
    QVERIFY(!p->modeleVisible());
    QVERIFY(p->txtMot()->isReadOnly());

    const TableProgression avant = p->fenetre->fgEleve();
    taperTexte(p->txtMot(), "lune");
    QTest::keyClick(p->txtMot(), Qt::Key_Return);
    p->bouton("cmdOk")->click();
    QCOMPARE(p->fenetre->fgEleve(), avant);
    QVERIFY(p->txtMot()->text().isEmpty());
    QCOMPARE(p->fondReponse(), QColor(0xFF, 0xFF, 0xC0));
    QVERIFY(p->etiquette("imgOuiNon")->isHidden());

    QTest::mouseClick(p->etiquette("imgSon"), Qt::LeftButton);
    QCOMPARE(p->messages("Fin de liste"), 2);
    QVERIFY(p->plateforme.son.joues.isEmpty());
}
