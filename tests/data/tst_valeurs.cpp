// The reading and writing of raw files: decoding, the value reader, dates,
// and the safe writes every data file goes through.
#include "data/dates.h"
#include "data/ecriture.h"
#include "data/encodage.h"
#include "data/valeurs.h"
#include "outils.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestValeurs : public QObject {
    Q_OBJECT

private slots:
    void lireValeurs_data();
    void lireValeurs();
    void decoderTexteFichier_data();
    void decoderTexteFichier();
    void windows1252ToutOctetRevientIdentique();
    void encoderWindows1252_data();
    void encoderWindows1252();
    void fichiersAbimes_data();
    void fichiersAbimes();
    void ligneSurCinquanteMegaOctets();
    void lireDate_data();
    void lireDate();
    void texteDateRelu();
    void ecritureTexteRefuseCaractereEtGardeAncien();
    void ecritureEchoueDansDossierImpossible();
    void ecritureEchoueDansDossierLectureSeule();
    void suppressionEtCreation();
};

void TestValeurs::lireValeurs_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    const QStringList rien;
    QTest::newRow("vide") << "" << rien;
    QTest::newRow("CR LF") << "\"a\",\"b\"\r\n\"c\"\r\n" << QStringList{"a", "b", "c"};
    QTest::newRow("CR seuls") << "\"a\"\r\"b\"\r" << QStringList{"a", "b"};
    QTest::newRow("LF seuls") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("LF puis CR: deux fins") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("virgules et lignes") << "a,b\r\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("separateur final") << "a," << QStringList{"a"};
    QTest::newRow("ligne blanche") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("une ligne blanche seule") << "\r\n" << QStringList{""};
    QTest::newRow("blancs seuls") << "   \t" << rien;
    QTest::newRow("blancs autour non cite") << "  chat  ,\tchien\t" << QStringList{"chat", "chien"};
    QTest::newRow("cite garde blancs et virgule") << "\" a, b \"" << QStringList{" a, b "};
    QTest::newRow("texte apres guillemet ignore") << "\"a\"xyz,\"b\"" << QStringList{"a", "b"};
    QTest::newRow("guillemet non ferme") << "\"a,b\r\nc" << QStringList{"a,b\r\nc"};
    QTest::newRow("guillemet au milieu") << "ab\"c,d" << QStringList{"ab\"c", "d"};
    QTest::newRow("cellules vides citees") << "\"\"\r\n\"\"\r\n" << QStringList{"", ""};
    QTest::newRow("deux virgules") << "a,,b" << QStringList{"a", "", "b"};
    QTest::newRow("octet nul garde") << QString::fromUtf16(u"a\u0000b", 3) << QStringList{QString::fromUtf16(u"a\u0000b", 3)};
    QTest::newRow("accents") << "\"été\",\"œuf\"" << QStringList{"été", "œuf"};
}

void TestValeurs::lireValeurs()
{
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    QCOMPARE(::lireValeurs(texte), attendu);
}

void TestValeurs::decoderTexteFichier_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("ascii") << QByteArray("chat") << "chat";
    QTest::newRow("1252 accent") << QByteArray("\xE9t\xE9") << "été";
    QTest::newRow("1252 plage 80") << QByteArray("\x80\x9C\x9F") << "€œŸ";
    QTest::newRow("1252 octet non defini") << QByteArray("\x81\x9D") << QString::fromUtf16(u"\u0081\u009D");
    QTest::newRow("utf8") << QByteArray("\xC3\xA9t\xC3\xA9") << "été";
    QTest::newRow("utf8 BOM") << QByteArray("\xEF\xBB\xBF\"chat\"") << "\"chat\"";
    QTest::newRow("utf8 BOM accent") << QByteArray("\xEF\xBB\xBF\xC3\xA9") << "é";
    QTest::newRow("utf8 puis 1252") << QByteArray("\xC3\xA9\xE9") << "Ã©é";
    QTest::newRow("utf8 trop long") << QByteArray("\xC0\xAF") << "À¯";
    QTest::newRow("utf8 surrogat") << QByteArray("\xED\xA0\x80") << QString::fromUtf16(u"í\u00A0€");
    QTest::newRow("utf8 tronque") << QByteArray("a\xC3") << "aÃ";
    // Valid UTF-8 for U+074E, but no data file can hold that character:
    // these are the Windows-1252 letters Ý and Ž.
    QTest::newRow("utf8 hors 1252 lu en 1252") << QByteArray("\xDD\x8E") << "ÝŽ";
    QTest::newRow("octet nul") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\u0000b", 3);
}

void TestValeurs::decoderTexteFichier()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, attendu);
    QCOMPARE(::decoderTexteFichier(octets), attendu);
}

void TestValeurs::windows1252ToutOctetRevientIdentique()
{
    QByteArray tous;
    for (int o = 0; o < 256; ++o)
        tous.append(char(o));
    const QString texte = decoderWindows1252(tous);
    QCOMPARE(texte.size(), 256);
    QCOMPARE(::encoderWindows1252(texte).value_or("<refus>"), tous);
}

void TestValeurs::encoderWindows1252_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("attendu"); // empty: refused
    QTest::addColumn<QString>("description"); // of the first refused character
    QTest::newRow("accents") << "œuf à l'été" << QByteArray("\x9C" "uf \xE0 l'\xE9t\xE9") << "";
    QTest::newRow("euro") << "5 €" << QByteArray("5 \x80") << "";
    QTest::newRow("sourire") << "a☺" << QByteArray() << "« ☺ » (U+263A)";
    QTest::newRow("emoji") << "😀" << QByteArray() << "« 😀 » (U+1F600)";
    QTest::newRow("U+0080 sans octet") << QString(QChar(0x80)) << QByteArray() << "U+0080";
    QTest::newRow("surrogat seul") << QString(QChar(0xD800)) << QByteArray() << "U+D800";
}

void TestValeurs::encoderWindows1252()
{
    QFETCH(QString, texte);
    QFETCH(QByteArray, attendu);
    QFETCH(QString, description);
    QCOMPARE(::encoderWindows1252(texte).value_or(QByteArray()), attendu);
    QCOMPARE(representableEnWindows1252(texte), !attendu.isEmpty());
    QCOMPARE(decrireCaractere(texte, positionNonRepresentable(texte)), description);
}

// What the value reader gives back for damaged or unusual files.
void TestValeurs::fichiersAbimes_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("vide") << QByteArray() << QStringList();
    QTest::newRow("tronque dans une valeur") << QByteArray("\"a\"\r\n\"b") << QStringList{"a", "b"};
    QTest::newRow("binaire") << QByteArray("\x00\xFF\"\x01,\xFE\r", 7)
                             << QStringList{QString::fromUtf16(u"\u0000ÿ\"\u0001", 4), "þ"};
    QTest::newRow("utf8 accents") << QByteArray("\"\xC3\xA9l\xC3\xA8ve\",\"2\"\r\n") << QStringList{"élève", "2"};
    QTest::newRow("utf8 BOM") << QByteArray("\xEF\xBB\xBF\"*\",\"chat\",\"1\"\r\n") << QStringList{"*", "chat", "1"};
    QTest::newRow("1252 accents") << QByteArray("\"\xE9l\xE8ve\"\r\n") << QStringList{"élève"};
    QTest::newRow("octet nul") << QByteArray("\"a\0b\"", 5) << QStringList{QString::fromUtf16(u"a\u0000b", 3)};
}

void TestValeurs::fichiersAbimes()
{
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, attendu);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("f.dat");
    QVERIFY(outils::ecrireOctets(chemin, octets));
    QCOMPARE(lireFichierValeurs(chemin).value_or(QStringList{"<rien>"}), attendu);
}

void TestValeurs::ligneSurCinquanteMegaOctets()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("gros.dat");
    const qsizetype taille = 50 * 1024 * 1024;
    QVERIFY(outils::ecrireOctets(chemin, QByteArray(taille, 'x')));
    const QStringList valeurs = lireFichierValeurs(chemin).value_or(QStringList());
    QCOMPARE(valeurs.size(), 1);
    QCOMPARE(valeurs[0].size(), taille);
    QVERIFY(!lireFichierValeurs(dossier.filePath("absent.dat")));
    QVERIFY(!lireFichierValeurs(dossier.path())); // a folder is no file
}

void TestValeurs::lireDate_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QDate>("attendu");
    QTest::newRow("francaise") << "05/12/2026" << QDate(2026, 12, 5);
    QTest::newRow("courte") << "5/1/2026" << QDate(2026, 1, 5);
    QTest::newRow("iso") << "2026-12-05" << QDate(2026, 12, 5);
    QTest::newRow("blancs") << " 05/12/2026 " << QDate(2026, 12, 5);
    QTest::newRow("29 fevrier bissextile") << "29/02/2024" << QDate(2024, 2, 29);
    QTest::newRow("29 fevrier ordinaire") << "29/02/2025" << QDate();
    QTest::newRow("31 fevrier") << "31/02/2026" << QDate();
    QTest::newRow("zeros") << "00/00/0000" << QDate();
    QTest::newRow("trop de chiffres") << "99/99/99999" << QDate();
    QTest::newRow("annee sur deux chiffres") << "05/12/26" << QDate();
    QTest::newRow("jour sur trois chiffres") << "123/12/2026" << QDate();
    QTest::newRow("tirets a la francaise") << "05-12-2026" << QDate();
    QTest::newRow("mois 13 iso") << "2026-13-01" << QDate();
    QTest::newRow("suite de texte") << "05/12/2026x" << QDate();
    QTest::newRow("texte") << "chat" << QDate();
    QTest::newRow("vide") << "" << QDate();
}

void TestValeurs::lireDate()
{
    QFETCH(QString, texte);
    QFETCH(QDate, attendu);
    QCOMPARE(::lireDate(texte), attendu);
    const QDate aujourdhui(2026, 3, 1);
    QCOMPARE(dateOuAujourdhui(texte, aujourdhui), attendu.isValid() ? attendu : aujourdhui);
}

void TestValeurs::texteDateRelu()
{
    QCOMPARE(texteDate(QDate(2026, 12, 5)), QStringLiteral("05/12/2026"));
    QCOMPARE(texteDate(QDate(2026, 1, 15)), QStringLiteral("15/01/2026"));
    QCOMPARE(texteDate(QDate()), QString());
    for (QDate jour(1999, 12, 1); jour < QDate(2031, 1, 1); jour = jour.addDays(1))
        QCOMPARE(::lireDate(texteDate(jour)), jour);
}

void TestValeurs::ecritureTexteRefuseCaractereEtGardeAncien()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("Mots.dat");
    QVERIFY(outils::ecrireOctets(chemin, "ancien"));
    const ResultatEcriture refus = ecrireFichierTexte(chemin, QStringLiteral("\"chat☺\""));
    QVERIFY(!refus.ok);
    QCOMPARE(refus.message(), QStringLiteral("Impossible d'enregistrer le fichier « Mots.dat » : le caractère « ☺ » "
                                             "(U+263A) ne peut pas être écrit dans ce fichier."));
    QCOMPARE(outils::lireOctets(chemin), QByteArray("ancien"));

    const ResultatEcriture reussite = ecrireFichierTexte(chemin, QStringLiteral("\"été\"\r\n"));
    QVERIFY(reussite.ok);
    QCOMPARE(reussite.message(), QString());
    QCOMPARE(outils::lireOctets(chemin), QByteArray("\"\xE9t\xE9\"\r\n"));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"Mots.dat"}); // no temporary left
}

void TestValeurs::ecritureEchoueDansDossierImpossible()
{
    QTemporaryDir dossier;
    const QString fichierPasDossier = dossier.filePath("pas-un-dossier");
    QVERIFY(outils::ecrireOctets(fichierPasDossier, "x"));
    const ResultatEcriture resultat = ecrireFichier(fichierPasDossier + "/Paul.bil", "\"\"\r\n");
    QVERIFY(!resultat.ok);
    QVERIFY(resultat.message().startsWith(QStringLiteral("Impossible d'enregistrer le fichier « Paul.bil » : ")));
    QVERIFY(!resultat.detail.isEmpty());
}

void TestValeurs::ecritureEchoueDansDossierLectureSeule()
{
    QTemporaryDir dossier;
    const QString lectureSeule = outils::dossierLectureSeule(dossier.path());
    if (lectureSeule.isEmpty())
        QSKIP("this user can write into read-only folders");
    const ResultatEcriture resultat = ecrireFichierTexte(QDir(lectureSeule).filePath("Fonte.dat"), "\"Arial\"\r\n");
    outils::rendreInscriptible(lectureSeule);
    QVERIFY(!resultat.ok);
    QVERIFY(resultat.message().contains(QStringLiteral("« Fonte.dat »")));
    QVERIFY(!QFileInfo::exists(QDir(lectureSeule).filePath("Fonte.dat")));
}

void TestValeurs::suppressionEtCreation()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("Paul.bil");
    QVERIFY(supprimerFichier(chemin).ok); // already gone
    QVERIFY(creerSiAbsent(chemin));
    QCOMPARE(QFileInfo(chemin).size(), 0);
    QVERIFY(outils::ecrireOctets(chemin, "garde"));
    QVERIFY(creerSiAbsent(chemin));
    QCOMPARE(outils::lireOctets(chemin), QByteArray("garde"));
    QVERIFY(supprimerFichier(chemin).ok);
    QVERIFY(!QFileInfo::exists(chemin));
    QVERIFY(!creerSiAbsent(dossier.filePath("absent/Paul.bil")));

    QVERIFY(QDir(dossier.path()).mkdir("dossier.bil"));
    const ResultatEcriture dossierRefuse = supprimerFichier(dossier.filePath("dossier.bil"));
    QVERIFY(!dossierRefuse.ok);
    QVERIFY(dossierRefuse.message().startsWith(QStringLiteral("Impossible de supprimer le fichier « dossier.bil »")));
    QVERIFY(!creerSiAbsent(dossier.filePath("dossier.bil")));
}

QTEST_GUILESS_MAIN(TestValeurs)
#include "tst_valeurs.moc"
