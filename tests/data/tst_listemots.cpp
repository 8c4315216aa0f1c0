// The word list: Mots.dat, its merge with the recordings of Sons, and the
// pupil side's strict reading.
#include "data/listemots.h"
#include "data/valeurs.h"
#include "oracles.h"
#include "outils.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void creerEnregistrements(const QString &dossier, const QStringList &noms)
{
    QDir(dossier).mkpath(kDossierSons);
    for (const QString &nom : noms)
        outils::ecrireOctets(QDir(dossier).filePath(kDossierSons + "/" + nom), "RIFF");
}

} // namespace

class TestListeMots : public QObject {
    Q_OBJECT

private slots:
    void octetsExactsMotsDat();
    void enregistrementsLus_data();
    void enregistrementsLus();
    void fusion_data();
    void fusion();
    void fusionCommeLAlgorithmeLitteral();
    void ouvrirPuisEnregistrer();
    void ouvrirSansSons();
    void ouvrirRefuseNomsImpossibles();
    void enregistrerRefuseMotImpossible();
};

void TestListeMots::octetsExactsMotsDat()
{
    const ListeMots liste = {{"chaton", "2"}, {"chien", ""}, {"a,b", "5"}, {"élève", "1"}};
    const QByteArray attendu = "\"*\",\"chaton\",\"2\"\r\n\"*\",\"chien\",\"\"\r\n\"*\",\"a,b\",\"5\"\r\n"
                               "\"*\",\"\xE9l\xE8ve\",\"1\"\r\n";
    QCOMPARE(octetsMotsDat(liste).value_or("<refus>"), attendu);
    QCOMPARE(attendu.indexOf("\r\n"), 16); // a six-letter word at level 2

    QTemporaryDir dossier;
    QVERIFY(EnregistrerListeMots(dossier.path(), liste).ok);
    QCOMPARE(outils::lireOctets(dossier.filePath("Mots.dat")), attendu);
    QCOMPARE(LireListeMotsEleve(dossier.path()).value_or(ListeMots()), liste);
    QCOMPARE(lireEnregistrementsMots(lireFichierValeurs(dossier.filePath("Mots.dat")).value()), liste);

    QVERIFY(EnregistrerListeMots(dossier.path(), ListeMots()).ok);
    QVERIFY(!QFileInfo::exists(dossier.filePath("Mots.dat")));
    QVERIFY(EnregistrerListeMots(dossier.path(), ListeMots()).ok); // nothing to remove is fine
}

// The teacher side keeps what it can; the pupil side refuses a damaged file.
void TestListeMots::enregistrementsLus_data()
{
    QTest::addColumn<QByteArray>("octets"); // "<absent>": no file
    QTest::addColumn<ListeMots>("enseignant");
    QTest::addColumn<bool>("eleveLit");
    QTest::addColumn<ListeMots>("eleve");
    const ListeMots rien;
    QTest::newRow("absent") << QByteArray("<absent>") << rien << false << rien;
    QTest::newRow("vide") << QByteArray() << rien << true << rien;
    QTest::newRow("valeurs avant le premier *")
        << QByteArray("\"titre\",\"x\"\r\n\"*\",\"chat\",\"1\"\r\n") << ListeMots{{"chat", "1"}} << true
        << ListeMots{{"chat", "1"}};
    QTest::newRow("mot sans niveau") << QByteArray("\"*\",\"chat\"\r\n\"*\",\"rat\",\"2\"\r\n")
                                     << ListeMots{{"chat", ""}, {"rat", "2"}} << true
                                     << ListeMots{{"chat", ""}, {"rat", "2"}};
    QTest::newRow("marqueur seul") << QByteArray("\"*\"\r\n") << ListeMots{{"", ""}} << true << ListeMots{{"", ""}};
    QTest::newRow("cinq valeurs") << QByteArray("\"*\",\"chat\",\"1\",\"x\",\"y\"\r\n\"*\",\"rat\",\"2\"\r\n")
                                  << ListeMots{{"chat", "1"}, {"rat", "2"}} << false << rien;
    QTest::newRow("lignes LF et valeurs sans guillemets")
        << QByteArray("*,chat,1\n* , rat ,\n") << ListeMots{{"chat", "1"}, {"rat", ""}} << true
        << ListeMots{{"chat", "1"}, {"rat", ""}};
    QTest::newRow("utf8 avec BOM") << QByteArray("\xEF\xBB\xBF\"*\",\"\xC3\xA9t\xC3\xA9\",\"3\"\r\n")
                                   << ListeMots{{"été", "3"}} << true << ListeMots{{"été", "3"}};
    QTest::newRow("guillemet non ferme")
        << QByteArray("\"*\",\"chat\",\"1\r\n\"*\",\"rat\",\"2\"\r\n") << ListeMots{{"chat", "1\r\n"}} << false << rien;
}

void TestListeMots::enregistrementsLus()
{
    QFETCH(QByteArray, octets);
    QFETCH(ListeMots, enseignant);
    QFETCH(bool, eleveLit);
    QFETCH(ListeMots, eleve);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("Mots.dat");
    if (octets != "<absent>")
        QVERIFY(outils::ecrireOctets(chemin, octets));
    const QStringList valeurs = lireFichierValeurs(chemin).value_or(QStringList());
    QCOMPARE(lireEnregistrementsMots(valeurs), enseignant);
    if (octets != "<absent>")
        QCOMPARE(lireEnregistrementsMotsStricte(valeurs).has_value(), eleveLit);
    const std::optional<ListeMots> luEleve = LireListeMotsEleve(dossier.path());
    QCOMPARE(luEleve.has_value(), eleveLit);
    QCOMPARE(luEleve.value_or(ListeMots()), eleve);
}

void TestListeMots::fusion_data()
{
    QTest::addColumn<ListeMots>("liste");
    QTest::addColumn<QStringList>("noms");
    QTest::addColumn<ListeMots>("attendu");
    QTest::newRow("Sons vide") << ListeMots{{"chat", "1"}} << QStringList() << ListeMots();
    QTest::newRow("nouveaux a la fin sans niveau")
        << ListeMots{{"rat", "2"}} << QStringList{"chat.wav", "rat.wav", "zoo.wav"}
        << ListeMots{{"rat", "2"}, {"chat", ""}, {"zoo", ""}};
    QTest::newRow("retires voisins et dernier")
        << ListeMots{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}} << QStringList{"a.wav", "d.wav"}
        << ListeMots{{"a", "1"}, {"d", "4"}};
    QTest::newRow("doublons du fichier gardes")
        << ListeMots{{"chat", "1"}, {"chat", "2"}} << QStringList{"chat.wav"} << ListeMots{{"chat", "1"}, {"chat", "2"}};
    QTest::newRow("majuscules: le nom exact compte")
        << ListeMots{{"Paris", "3"}, {"chat", "1"}} << QStringList{"Paris.wav", "Chat.wav"}
        << ListeMots{{"Paris", "3"}, {"Chat", ""}};
    QTest::newRow("extension en majuscules") << ListeMots{{"loup", "2"}} << QStringList{"loup.WAV"}
                                             << ListeMots{{"loup", "2"}};
    QTest::newRow("fichier .wav sans nom ignore") << ListeMots{} << QStringList{".wav"} << ListeMots{};
    QTest::newRow("virgule et accents") << ListeMots{{"a,b", "1"}} << QStringList{"a,b.wav", "été.wav"}
                                        << ListeMots{{"a,b", "1"}, {"été", ""}};
}

void TestListeMots::fusion()
{
    QFETCH(ListeMots, liste);
    QFETCH(QStringList, noms);
    QFETCH(ListeMots, attendu);
    QCOMPARE(fusionnerAvecEnregistrements(liste, noms), attendu);
}

void TestListeMots::fusionCommeLAlgorithmeLitteral()
{
    static const QStringList mots = {"a", "b", "chat", "chien", "é", "x y", "a,b", "loup"};
    static const QStringList niveaux = {"", "1", "2", "5"};
    QRandomGenerator alea(22);
    for (int essai = 0; essai < 400; ++essai) {
        ListeMots liste;
        for (int k = alea.bounded(10); k > 0; --k)
            liste.append(EntreeMot{mots[alea.bounded(int(mots.size()))], niveaux[alea.bounded(int(niveaux.size()))]});
        QStringList noms;
        for (int k = alea.bounded(10); k > 0; --k)
            noms.append(mots[alea.bounded(int(mots.size()))] + ".wav");
        if (fusionnerAvecEnregistrements(liste, noms) != oracle::fusionnerAvecEnregistrements(liste, noms))
            QFAIL(qPrintable(QStringLiteral("case %1 differs").arg(essai)));
    }
}

void TestListeMots::ouvrirPuisEnregistrer()
{
    QTemporaryDir dossier;
    creerEnregistrements(dossier.path(), {"zèbre.wav", "Arbre.WAV", "élan.wav", "chat.wav", "notes.txt"});
    QDir(dossier.path()).mkpath("Sons/dossier.wav");
    QCOMPARE(listerEnregistrements(dossier.path()).value_or(QStringList()),
             (QStringList{"Arbre.WAV", "chat.wav", "élan.wav", "zèbre.wav"}));

    OuvertureListeMots ouverture = OuvrirListeMots(dossier.path());
    QVERIFY(QFileInfo::exists(dossier.filePath("Mots.dat"))); // created empty
    QCOMPARE(QFileInfo(dossier.filePath("Mots.dat")).size(), 0);
    QVERIFY(!ouverture.sonsIllisible);
    QCOMPARE(ouverture.liste, (ListeMots{{"Arbre", ""}, {"chat", ""}, {"élan", ""}, {"zèbre", ""}}));

    ouverture.liste[1].niveau = "2";
    QVERIFY(EnregistrerListeMots(dossier.path(), ouverture.liste).ok);
    QFile::remove(dossier.filePath("Sons/élan.wav"));
    creerEnregistrements(dossier.path(), {"bœuf.wav"});
    QCOMPARE(OuvrirListeMots(dossier.path()).liste,
             (ListeMots{{"Arbre", ""}, {"chat", "2"}, {"zèbre", ""}, {"bœuf", ""}}));
}

void TestListeMots::ouvrirSansSons()
{
    QTemporaryDir dossier;
    const QByteArray mots = "\"*\",\"chat\",\"1\"\r\n\"*\",\"rat\",\"2\",\"x\"\r\n";
    QVERIFY(outils::ecrireOctets(dossier.filePath("Mots.dat"), mots));
    QVERIFY(!listerEnregistrements(dossier.path()));
    const OuvertureListeMots ouverture = OuvrirListeMots(dossier.path());
    QVERIFY(ouverture.sonsIllisible);
    QCOMPARE(ouverture.liste, (ListeMots{{"chat", "1"}, {"rat", "2"}}));
    QCOMPARE(outils::lireOctets(dossier.filePath("Mots.dat")), mots);

    QVERIFY(outils::ecrireOctets(dossier.filePath("Sons"), "un fichier, pas un dossier"));
    QVERIFY(OuvrirListeMots(dossier.path()).sonsIllisible);
}

void TestListeMots::ouvrirRefuseNomsImpossibles()
{
    QTemporaryDir dossier;
    creerEnregistrements(dossier.path(), {"chat.wav", "☺.wav", "日本.wav", ".wav", "a\"b.wav", "*.wav"});
    const OuvertureListeMots ouverture = OuvrirListeMots(dossier.path());
    QCOMPARE(ouverture.liste, (ListeMots{{"chat", ""}}));
    QStringList refuses = ouverture.enregistrementsRefuses;
    refuses.sort();
    QCOMPARE(refuses, (QStringList{"*.wav", "a\"b.wav", "☺.wav", "日本.wav"}));
    QVERIFY(EnregistrerListeMots(dossier.path(), ouverture.liste).ok);
}

void TestListeMots::enregistrerRefuseMotImpossible()
{
    QTemporaryDir dossier;
    QVERIFY(EnregistrerListeMots(dossier.path(), {{"chat", "1"}}).ok);
    const QByteArray avant = outils::lireOctets(dossier.filePath("Mots.dat"));
    QVERIFY(!octetsMotsDat({{"☺", "1"}}));
    const ResultatEcriture refus = EnregistrerListeMots(dossier.path(), {{"chat", "1"}, {"☺", "1"}});
    QVERIFY(!refus.ok);
    QVERIFY(refus.message().contains(QStringLiteral("« Mots.dat »")));
    QVERIFY(refus.message().contains(QStringLiteral("U+263A")));
    QCOMPARE(outils::lireOctets(dossier.filePath("Mots.dat")), avant);

    const QString fichierPasDossier = dossier.filePath("pas-un-dossier");
    QVERIFY(outils::ecrireOctets(fichierPasDossier, "x"));
    QVERIFY(!EnregistrerListeMots(fichierPasDossier, {{"chat", "1"}}).ok);
}

QTEST_GUILESS_MAIN(TestListeMots)
#include "tst_listemots.moc"
