// Faults found by fuzzing the readers, kept fixed.
#include "tst_fiabilite.h"

#include "instantane.h"

#include "data/encodage.h"
#include "data/listemots.h"
#include "data/reglages.h"
#include "data/valeurs.h"

#include <QTemporaryDir>
#include <QTest>

using namespace fiabilite;

// The program's own Windows-1252 files were taken for UTF-8 whenever their
// bytes happened to form valid UTF-8: a font named "000ÝŽ" came back as
// "000" followed by U+074E. UTF-8 is now recognised only when it decodes to
// characters the files can hold; genuine hand-edited UTF-8 still is.
void TestRegressions::decodageDeNosPropresFichiers_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("Ý Ž : U+074E en UTF-8") << QByteArray("000\xDD\x8E") << QStringLiteral("000ÝŽ");
    QTest::newRow("Ø § : U+0627 en UTF-8") << QByteArray("\xD8\xA7") << QStringLiteral("Ø§");
    QTest::newRow("ê € • : U+A015 en UTF-8") << QByteArray("\xEA\x80\x95") << QStringLiteral("ê€•");
    QTest::newRow("ð Ÿ ˜ € : emoji en UTF-8") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("ðŸ˜€");
    QTest::newRow("UTF-8 saisi à la main") << QByteArray("\xC3\xA9t\xC3\xA9") << QStringLiteral("été");
    QTest::newRow("UTF-8 œ saisi à la main") << QByteArray("c\xC5\x93ur") << QStringLiteral("cœur");
    QTest::newRow("UTF-8 € saisi à la main") << QByteArray("\xE2\x82\xAC") << QStringLiteral("€");
    QTest::newRow("BOM puis n'importe quoi") << QByteArray("\xEF\xBB\xBF\xDD\x8E") << QString(QChar(0x074E));
}

void TestRegressions::decodageDeNosPropresFichiers()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, attendu);
    QCOMPARE(decoderTexteFichier(octets), attendu);

    // Through the files: a font name saved by the program reads back as itself.
    if (octets.startsWith("\xEF\xBB\xBF"))
        return;
    QTemporaryDir dossier;
    const ReglageFonte fonte{attendu, 13.5};
    if (!representableEnWindows1252(attendu))
        return;
    QVERIFY(enregistrerFonte(dossier.path(), fonte).ok);
    QCOMPARE(lireFonte(dossier.path()), std::optional<ReglageFonte>(fonte));
}

// A recording named with a double quote, or named "*", gave a word that
// Mots.dat cannot hold: it came back as another word and its level was
// lost at every opening of the teacher window. Such recordings are now
// refused like those whose names Windows-1252 cannot hold.
void TestRegressions::motsEnregistrables_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("enregistrable");
    QTest::newRow("ordinaire") << QStringLiteral("chat.wav") << true;
    QTest::newRow("virgule") << QStringLiteral("oui, non.wav") << true;
    QTest::newRow("accents et œ") << QStringLiteral("cœur élevé.wav") << true;
    QTest::newRow("espace devant") << QStringLiteral(" lune.wav") << true;
    QTest::newRow("guillemet") << QStringLiteral("dit \"oui\".wav") << false;
    QTest::newRow("marqueur seul") << QStringLiteral("*.wav") << false;
    QTest::newRow("étoile dans le mot") << QStringLiteral("a*b.wav") << true;
    QTest::newRow("hors Windows-1252") << QStringLiteral("smile☺.wav") << false;
}

void TestRegressions::motsEnregistrables()
{
    QFETCH(QString, fichier);
    QFETCH(bool, enregistrable);
    const QString mot = fichier.chopped(4);
    QCOMPARE(motEnregistrable(mot), enregistrable);

    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkpath(kDossierSons));
    QVERIFY(ecrireOctets(QDir(dossier.filePath(kDossierSons)).filePath(fichier), "RIFF"));
    OuvertureListeMots ouverture = OuvrirListeMots(dossier.path());
    if (!enregistrable) {
        QCOMPARE(ouverture.enregistrementsRefuses, QStringList{fichier});
        QCOMPARE(ouverture.liste, ListeMots());
        return;
    }
    QCOMPARE(ouverture.liste, (ListeMots{{mot, QString()}}));
    // The teacher gives a level; it must survive closing and reopening.
    ouverture.liste[0].niveau = QStringLiteral("3");
    QVERIFY(EnregistrerListeMots(dossier.path(), ouverture.liste).ok);
    QCOMPARE(OuvrirListeMots(dossier.path()).liste, (ListeMots{{mot, QStringLiteral("3")}}));
    QCOMPARE(LireListeMotsEleve(dossier.path()), std::optional<ListeMots>(ListeMots{{mot, QStringLiteral("3")}}));
}

// The pupil's strict reading, now also a function of the values so that it
// can be fuzzed: same answer from the values and from the file.
void TestRegressions::lectureStricte_data()
{
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<std::optional<ListeMots>>("attendu");
    QTest::newRow("vide") << QByteArray() << std::optional<ListeMots>(ListeMots{});
    QTest::newRow("deux mots") << QByteArray("\"*\",\"chat\",\"1\"\r\n\"*\",\"lune\",\"\"\r\n")
                               << std::optional<ListeMots>(ListeMots{{"chat", "1"}, {"lune", ""}});
    QTest::newRow("mot sans niveau") << QByteArray("\"*\",\"chat\"\r\n")
                                     << std::optional<ListeMots>(ListeMots{{"chat", ""}});
    QTest::newRow("valeurs avant le premier *") << QByteArray("x,y\r\n*,chat,2\r\n")
                                                << std::optional<ListeMots>(ListeMots{{"chat", "2"}});
    QTest::newRow("troisième valeur") << QByteArray("\"*\",\"chat\",\"1\",\"trop\"\r\n") << std::optional<ListeMots>();
}

void TestRegressions::lectureStricte()
{
    QFETCH(QByteArray, fichier);
    QFETCH(std::optional<ListeMots>, attendu);
    QCOMPARE(lireEnregistrementsMotsStricte(lireValeurs(decoderTexteFichier(fichier))), attendu);
    QTemporaryDir dossier;
    QVERIFY(ecrireOctets(dossier.filePath(kFichierMots), fichier));
    QCOMPARE(LireListeMotsEleve(dossier.path()), attendu);
}
