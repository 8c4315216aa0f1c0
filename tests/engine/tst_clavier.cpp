#include "tst_moteur.h"

#include "engine/clavier.h"
#include "engine/texte.h"

#include <QRect>
#include <QSize>
#include <QTest>

// The whole keyboard against the rules it is drawn by, rather than key by key.
void TestMoteur::clavier_disposition()
{
    const auto &touches = touchesClavier();
    int voyelles = 0, consonnes = 0;
    for (int i = 0; i < kNombreTouches; ++i) {
        const Touche &t = touches[i];
        const QRect r(t.gauche, t.haut, t.largeur, t.hauteur);
        for (int j = 0; j < i; ++j) {
            const Touche &u = touches[j];
            QVERIFY2(!r.intersects(QRect(u.gauche, u.haut, u.largeur, u.hauteur)),
                     qPrintable(QStringLiteral("keys %1 and %2 overlap").arg(i).arg(j)));
            QVERIFY(t.legende != u.legende);
        }
        if (i >= kNombreTouchesLettres) {
            // The signs follow z on the top row, each with its tooltip.
            QCOMPARE(t.classe, ClasseTouche::Signe);
            QCOMPARE(t.haut, 3840);
            QVERIFY(t.gauche > touches[25].gauche);
            QVERIFY(!t.infobulle.isEmpty());
            QCOMPARE(t.texteInsere(), i == kToucheEspace ? QStringLiteral(" ") : t.legende);
            continue;
        }
        QCOMPARE(QRect(t.gauche, t.haut, t.largeur, t.hauteur).size(), QSize(315, 420));
        QCOMPARE(t.texteInsere(), t.legende);
        QCOMPARE(t.legende.size(), 1);
        QVERIFY(t.infobulle.isEmpty());
        QCOMPARE(toucheDeLettre(t.legende.front()), i);
        voyelles += t.classe == ClasseTouche::Voyelle;
        consonnes += t.classe == ClasseTouche::Consonne;
        // An accented letter sits under its base letter, which shares its class.
        const QChar base = t.legende.normalized(QString::NormalizationForm_D).front();
        const Touche &t0 = touches[toucheDeLettre(base)];
        QCOMPARE(t.gauche, t0.gauche);
        QCOMPARE(t.classe, t0.classe);
        if (base == t.legende.front())
            QCOMPARE(t.gauche, 120 + 315 * (base.unicode() - u'a'));
        else
            QVERIFY(t.haut > 3840);
        QCOMPARE(t.classe == ClasseTouche::Voyelle, QStringLiteral("aeiouy").contains(base));
    }
    QCOMPARE(voyelles, 19);
    QCOMPARE(consonnes, 21);
    const Touche &espace = touches[kToucheEspace];
    QCOMPARE(QSize(espace.largeur, espace.hauteur), QSize(975, 405));
}

void TestMoteur::clavier_caractere_data()
{
    QTest::addColumn<QChar>("caractere");
    QTest::addColumn<int>("touche");

    QTest::newRow("e") << QChar(u'e') << 4;
    QTest::newRow("E lowered") << QChar(u'E') << 4;
    QTest::newRow("É lowered") << QChar(u'É') << 28;
    QTest::newRow("Ç lowered") << QChar(u'Ç') << 39;
    QTest::newRow("Ü lowered") << QChar(u'Ü') << 38;
    QTest::newRow("hyphen") << QChar(u'-') << kToucheTraitUnion;
    QTest::newRow("apostrophe") << QChar(u'\'') << kToucheApostrophe;
    QTest::newRow("space") << QChar(u' ') << kToucheEspace;
    QTest::newRow("typographic apostrophe") << QChar(u'’') << -1;
    QTest::newRow("digit") << QChar(u'5') << -1;
    QTest::newRow("œ") << QChar(u'œ') << -1;
    QTest::newRow("Œ") << QChar(u'Œ') << -1;
    QTest::newRow("full stop") << QChar(u'.') << -1;
    QTest::newRow("tab") << QChar(u'\t') << -1;
    QTest::newRow("non-breaking space") << QChar(0xA0) << -1;
    QTest::newRow("Ctrl+V") << QChar(22) << -1;
    QTest::newRow("mask character") << kCaractereMasque << -1;
}

void TestMoteur::clavier_caractere()
{
    QFETCH(QChar, caractere);
    QFETCH(int, touche);
    QCOMPARE(toucheDeCaractere(caractere), touche);
    // Signs and capitals are not letter keys.
    if (touche >= kNombreTouchesLettres || caractere.isUpper())
        QCOMPARE(toucheDeLettre(caractere), -1);
}
