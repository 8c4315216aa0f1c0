#include "test_listedepart.h"

#include "data/encodage.h"
#include "listedepart.h"

#include <QSet>
#include <QTest>

namespace {
QString ligneDe(const MotDepart &m) { return QString::number(m.niveau) + u' ' + m.mot; }
}  // namespace

void TestListeDepart::lecture_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendus");  // "level word" for each word read

    QTest::newRow("tabulation et espaces") << "1\tpapa\n2   loup\n" << QStringList{"1 papa", "2 loup"};
    QTest::newRow("commentaires et lignes vides")
        << "# titre\n\n   # retrait\n3 fraise\n\n" << QStringList{"3 fraise"};
    QTest::newRow("fins de ligne CR LF") << "1 chat\r\n5 cœur\r\n" << QStringList{"1 chat", "5 cœur"};
    QTest::newRow("espaces, apostrophe, trait d'union")
        << "5 pomme de terre\n5 aujourd'hui\n5\tporte-monnaie  \n"
        << QStringList{"5 pomme de terre", "5 aujourd'hui", "5 porte-monnaie"};
    QTest::newRow("sans fin de ligne finale") << "4 éléphant" << QStringList{"4 éléphant"};
    QTest::newRow("un doublon garde le premier") << "1 lune\n3 lune\n" << QStringList{"1 lune"};
    QTest::newRow("une ligne refusée n'arrête pas la lecture")
        << "1 papa\n7 loup\n2 bouche\n" << QStringList{"1 papa", "2 bouche"};
}

void TestListeDepart::lecture()
{
    QFETCH(QString, texte);
    QFETCH(QStringList, attendus);
    QStringList lus;
    for (const MotDepart &m : lireListeDepart(texte).mots)
        lus << ligneDe(m);
    QCOMPARE(lus, attendus);
}

void TestListeDepart::refus_data()
{
    QTest::addColumn<QString>("ligne");
    QTest::newRow("niveau 0") << "0 papa";
    QTest::newRow("niveau 6") << "6 papa";
    QTest::newRow("niveau à deux chiffres") << "12 papa";
    QTest::newRow("pas de niveau") << "papa";
    QTest::newRow("niveau sans mot") << "3";
    QTest::newRow("niveau collé au mot") << "3papa";
    QTest::newRow("majuscule") << "1 Papa";
    QTest::newRow("hors Windows-1252") << "1 ŝi";
    QTest::newRow("barre oblique") << "1 a/b";
    QTest::newRow("barre inverse") << "1 a\\b";
    QTest::newRow("guillemet") << "1 a\"b";
    QTest::newRow("commence par un point") << "1 ..";
    QTest::newRow("commence par un tiret") << "1 -v";
    QTest::newRow("caractère de contrôle") << QStringLiteral("1 a\tb\x01");
}

void TestListeDepart::refus()
{
    QFETCH(QString, ligne);
    const ListeDepart liste = lireListeDepart(QStringLiteral("2 loup\n") + ligne + u'\n');
    QCOMPARE(liste.mots, (QList<MotDepart>{{QStringLiteral("loup"), 2}}));
    QCOMPARE(liste.erreurs.size(), 1);
    QVERIFY2(liste.erreurs[0].startsWith(QStringLiteral("ligne 2 : ")), qPrintable(liste.erreurs[0]));
}

void TestListeDepart::listeLivree()
{
    const std::optional<ListeDepart> liste = lireFichierListeDepart(QStringLiteral(ORTHOVAL_LISTE_DEPART));
    QVERIFY(liste);
    QVERIFY2(liste->erreurs.isEmpty(), qPrintable(liste->erreurs.join(u'\n')));
    QVERIFY2(liste->mots.size() >= 300, qPrintable(QString::number(liste->mots.size())));

    QSet<QString> mots;
    int parNiveau[6] = {};
    for (const MotDepart &m : liste->mots) {
        QVERIFY(m.niveau >= 1 && m.niveau <= 5);
        QVERIFY2(representableEnWindows1252(m.mot), qPrintable(m.mot));
        mots.insert(m.mot);
        ++parNiveau[m.niveau];
    }
    // The reader drops repeats with an error, so no error above means no repeat;
    // the set checks it again independently of that rule.
    QCOMPARE(mots.size(), liste->mots.size());
    for (int niveau = 1; niveau <= 5; ++niveau)
        QVERIFY2(parNiveau[niveau] >= 30, qPrintable(QStringLiteral("niveau %1").arg(niveau)));
    for (const QString &attendu : QStringList{"école", "garçon", "aujourd'hui", "porte-monnaie", "cœur"})
        QVERIFY2(mots.contains(attendu), qPrintable(attendu));
}
