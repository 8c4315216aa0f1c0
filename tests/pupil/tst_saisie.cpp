#include "engine/clavier.h"
#include "pilote.h"
#include "pupil/clavierlettres.h"
#include "pupil/zonereponse.h"
#include "tst_eleve.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>

using namespace essai;

namespace {

// "<Name>" is a special key; anything else is typed as one character.
void jouerFrappes(QWidget *zone, const QStringList &frappes)
{
    static const QHash<QString, QPair<int, Qt::KeyboardModifiers>> speciales{
        {"<Entree>", {Qt::Key_Return, Qt::NoModifier}},   {"<Retour>", {Qt::Key_Backspace, Qt::NoModifier}},
        {"<Gauche>", {Qt::Key_Left, Qt::NoModifier}},     {"<Droite>", {Qt::Key_Right, Qt::NoModifier}},
        {"<Suppr>", {Qt::Key_Delete, Qt::NoModifier}},    {"<Debut>", {Qt::Key_Home, Qt::NoModifier}},
        {"<Fin>", {Qt::Key_End, Qt::NoModifier}},         {"<Ctrl+V>", {Qt::Key_V, Qt::ControlModifier}},
        {"<Maj+Inser>", {Qt::Key_Insert, Qt::ShiftModifier}},
    };
    for (const QString &f : frappes) {
        if (speciales.contains(f)) {
            const auto [touche, mods] = speciales.value(f);
            // The text a real keyboard sends with these keys.
            QString texte;
            if (touche == Qt::Key_Return)
                texte = QStringLiteral("\r");
            else if (touche == Qt::Key_Backspace)
                texte = QStringLiteral("\b");
            else if (touche == Qt::Key_V)
                texte = QString(QChar(22));
            frapper(zone, texte, touche, mods);
        } else {
            frapper(zone, f, f[0].isLetter() ? f[0].toUpper().unicode() : 0);
        }
    }
}

} // namespace

void TestEleve::saisie_data()
{
    QTest::addColumn<QString>("depart");
    QTest::addColumn<int>("curseur");
    QTest::addColumn<int>("selection");   // characters selected from the caret on
    QTest::addColumn<bool>("verrouillee");
    QTest::addColumn<QStringList>("frappes");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("curseurApres");
    QTest::addColumn<int>("validations");

    using L = QStringList;
    QTest::newRow("majuscule abaissée") << "" << 0 << 0 << false << L{"E"} << "e" << 1 << 0;
    QTest::newRow("É donne é") << "" << 0 << 0 << false << L{"É"} << "é" << 1 << 0;
    QTest::newRow("Ç et Ë") << "" << 0 << 0 << false << L{"Ç", "Ë"} << "çë" << 2 << 0;
    QTest::newRow("chiffres et ponctuation refusés")
        << "a" << 1 << 0 << false << L{"5", ".", "?", "’", "œ", "ñ", "\t"} << "a" << 1 << 0;
    QTest::newRow("signes comme leurs touches") << "" << 0 << 0 << false << L{"l", "'", "a", " ", "-", "b"}
                                                << "l'a -b" << 6 << 0;
    QTest::newRow("au curseur") << "chat" << 2 << 0 << false << L{"x"} << "chxat" << 3 << 0;
    QTest::newRow("devant la sélection") << "chat" << 1 << 2 << false << L{"O"} << "cohat" << 2 << 0;
    QTest::newRow("retour arrière") << "chat" << 4 << 0 << false << L{"<Retour>", "<Retour>"} << "ch" << 2 << 0;
    QTest::newRow("flèches et suppression") << "chat" << 4 << 0 << false << L{"<Gauche>", "<Gauche>", "<Suppr>"}
                                            << "cht" << 2 << 0;
    QTest::newRow("début et fin") << "hat" << 2 << 0 << false << L{"<Debut>", "c", "<Fin>", "s"} << "chats" << 5 << 0;
    QTest::newRow("Ctrl+V annulé") << "a" << 1 << 0 << false << L{"<Ctrl+V>", "<Maj+Inser>"} << "a" << 1 << 0;
    QTest::newRow("Entrée sur zone vide") << "" << 0 << 0 << false << L{"<Entree>"} << "" << 0 << 1;
    QTest::newRow("zone verrouillée") << "chat" << 4 << 0 << true << L{"s", "<Retour>", "<Entree>", "<Entree>"}
                                      << "chat" << 4 << 0;
}

void TestEleve::saisie()
{
    QFETCH(QString, depart);
    QFETCH(int, curseur);
    QFETCH(int, selection);
    QFETCH(bool, verrouillee);
    QFETCH(QStringList, frappes);
    QFETCH(QString, attendu);
    QFETCH(int, curseurApres);
    QFETCH(int, validations);

    QApplication::clipboard()->setText(QStringLiteral("9Z!"));
    ZoneReponse zone;
    zone.show();
    zone.setText(depart);
    if (selection > 0)
        zone.setSelection(curseur, selection);
    else
        zone.setCursorPosition(curseur);
    zone.setReadOnly(verrouillee);
    QSignalSpy validation(&zone, &ZoneReponse::validationDemandee);

    jouerFrappes(&zone, frappes);

    QCOMPARE(zone.text(), attendu);
    QCOMPARE(zone.cursorPosition(), curseurApres);
    QVERIFY(!zone.hasSelectedText() || verrouillee);
    QCOMPARE(validation.count(), validations);
}

// Letters composed with dead keys come as input-method commits.
void TestEleve::saisie_compositionFiltree()
{
    ZoneReponse zone;
    zone.setText(QStringLiteral("t"));
    zone.setCursorPosition(0);
    QInputMethodEvent composition(QString(), {});
    composition.setCommitString(QStringLiteral("Ê5ô"));
    QApplication::sendEvent(&zone, &composition);
    QCOMPARE(zone.text(), QStringLiteral("êôt"));
    zone.setReadOnly(true);
    QApplication::sendEvent(&zone, &composition);
    QCOMPARE(zone.text(), QStringLiteral("êôt"));
}

// No paste road: no context menu, no drops, and any edit that slips in a
// character without a key is cleaned at once.
void TestEleve::saisie_collageRefuse()
{
    ZoneReponse zone;
    QCOMPARE(zone.contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(!zone.acceptDrops());
    QApplication::clipboard()->setText(QStringLiteral("Chat 2"));
    zone.paste();   // what a platform shortcut would do
    QCOMPARE(zone.text(), QStringLiteral("hat "));
    QCOMPARE(ZoneReponse::garderCaracteresDesTouches(QStringLiteral("L'Été-1 à")), QStringLiteral("'té- à"));
}

void TestEleve::clavier_cliqueInsereAuCurseur_data()
{
    QTest::addColumn<QList<int>>("touches");
    QTest::addColumn<int>("curseur");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("lettres") << QList<int>{2, 7, 0, 19} << 0 << 0 << "chat";
    QTest::newRow("espace insère un blanc") << QList<int>{kToucheEspace} << 1 << 0 << "l a";
    QTest::newRow("au curseur") << QList<int>{28, kToucheApostrophe} << 1 << 0 << "lé'a";
    QTest::newRow("sélection gardée") << QList<int>{39} << 0 << 2 << "çla";
}

// Clicking keys inserts like typing and leaves the focus in the answer box.
void TestEleve::clavier_cliqueInsereAuCurseur()
{
    QFETCH(QList<int>, touches);
    QFETCH(int, curseur);
    QFETCH(int, selection);
    QFETCH(QString, attendu);

    Installation inst;
    inst.ecrireMots({{"la", "1"}});
    inst.ecrireBilan("Léa", {});
    Pilote p(inst);
    QVERIFY(QTest::qWaitForWindowActive(p.fenetre.get()));
    p.identifier("Léa");
    QLineEdit *zone = p.txtMot();
    zone->setText(curseur || selection ? QStringLiteral("la") : QString());
    if (selection)
        zone->setSelection(curseur, selection);
    else
        zone->setCursorPosition(curseur);
    for (int i : touches)
        QTest::mouseClick(p.etiquette(QStringLiteral("lblLettre_%1").arg(i)), Qt::LeftButton);
    QCOMPARE(zone->text(), attendu);
    QCOMPARE(zone->cursorPosition(), curseur + int(touches.size()));
    QVERIFY(zone->hasFocus());

    // Once validated, the keys change nothing until Next.
    QTest::keyClick(zone, Qt::Key_Return);
    QTest::mouseClick(p.etiquette(QStringLiteral("lblLettre_0")), Qt::LeftButton);
    QCOMPARE(zone->text(), attendu);
}

// The 43 keys: names, captions, classes by colour, tooltips, no focus, and
// positions from the key table (twips / 15 at 96 dpi).
void TestEleve::clavier_disposition()
{
    ClavierLettres clavier(Echelle::pourDpi(96));
    const QPoint origine = ClavierLettres::origineTwips();
    for (int i = 0; i < kNombreTouches; ++i) {
        const Touche &t = touchesClavier()[i];
        auto *touche = clavier.findChild<QLabel *>(QStringLiteral("lblLettre_%1").arg(i));
        QVERIFY2(touche, qPrintable(QString::number(i)));
        QCOMPARE(touche->text(), t.legende);
        QCOMPARE(touche->toolTip(), t.infobulle);
        QCOMPARE(touche->focusPolicy(), Qt::NoFocus);
        QCOMPARE(touche->geometry(), QRect(qRound((t.gauche - origine.x()) / 15.0), qRound((t.haut - origine.y()) / 15.0),
                                           qRound(t.largeur / 15.0), qRound(t.hauteur / 15.0)));
        const QString couleur = t.classe == ClasseTouche::Voyelle    ? "color: #FF0000"
                                : t.classe == ClasseTouche::Consonne ? "color: #0000FF"
                                                                     : "color: #004000";
        QVERIFY2(touche->styleSheet().contains(couleur), qPrintable(t.legende));
    }
    QCOMPARE(clavier.findChild<QLabel *>("lblLettre_42")->width(), 65);
}
