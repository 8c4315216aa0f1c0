#include "tst_moteur.h"

#include "engine/clavier.h"
#include "engine/texte.h"

#include <QRect>
#include <QTest>

void TestMoteur::clavier_touches_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("legende");
    QTest::addColumn<int>("classe");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("infobulle");

    const int v = int(ClasseTouche::Voyelle), c = int(ClasseTouche::Consonne), s = int(ClasseTouche::Signe);
    QTest::newRow("a") << 0 << "a" << v << QRect(120, 3840, 315, 420) << "";
    QTest::newRow("b") << 1 << "b" << c << QRect(435, 3840, 315, 420) << "";
    QTest::newRow("y") << 24 << "y" << v << QRect(7680, 3840, 315, 420) << "";
    QTest::newRow("z") << 25 << "z" << c << QRect(7995, 3840, 315, 420) << "";
    QTest::newRow("à") << 26 << "à" << v << QRect(120, 4260, 315, 420) << "";
    QTest::newRow("ë") << 31 << "ë" << v << QRect(1380, 5520, 315, 420) << "";
    QTest::newRow("ü") << 38 << "ü" << v << QRect(6420, 5100, 315, 420) << "";
    QTest::newRow("ç") << 39 << "ç" << c << QRect(750, 4260, 315, 420) << "";
    QTest::newRow("trait") << 40 << "-" << s << QRect(8580, 3840, 315, 420) << " Trait d'union ";
    QTest::newRow("apostrophe") << 41 << "'" << s << QRect(9015, 3840, 315, 420) << " Apostrophe ";
    QTest::newRow("espace") << 42 << " Espace " << s << QRect(9450, 3840, 975, 405)
                            << " N'oublie pas les espaces !!! ";
}

void TestMoteur::clavier_touches()
{
    QFETCH(int, index);
    QFETCH(QString, legende);
    QFETCH(int, classe);
    QFETCH(QRect, place);
    QFETCH(QString, infobulle);

    const Touche &t = touchesClavier()[index];
    QCOMPARE(t.legende, legende);
    QCOMPARE(int(t.classe), classe);
    QCOMPARE(QRect(t.gauche, t.haut, t.largeur, t.hauteur), place);
    QCOMPARE(t.infobulle, infobulle);
    QCOMPARE(t.texteInsere(), index == kToucheEspace ? QStringLiteral(" ") : legende);
}

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
            QCOMPARE(t.classe, ClasseTouche::Signe);
            QVERIFY(!t.infobulle.isEmpty());
            continue;
        }
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
        QVERIFY(base == t.legende.front() ? t.haut == 3840 : t.haut > 3840);
        QCOMPARE(t.classe == ClasseTouche::Voyelle, QStringLiteral("aeiouy").contains(base));
    }
    QCOMPARE(voyelles, 19);
    QCOMPARE(consonnes, 21);
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
