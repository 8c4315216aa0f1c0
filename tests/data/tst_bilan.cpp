// The pupil's progress file: loading, reconciling with the word list, saving.
#include "data/bilan.h"
#include "data/dates.h"
#include "oracles.h"
#include "outils.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using Lignes = QList<QStringList>;

namespace {

const QDate kAujourdhui(2026, 3, 1);
const QString kDateDuJour = QStringLiteral("01/03/2026");

Lignes lignesDe(const TableProgression &table)
{
    Lignes lignes;
    for (const LigneProgression &ligne : table.lignes())
        lignes.append(QStringList(ligne.begin(), ligne.end()));
    return lignes;
}

LigneProgression ligneDe(const QStringList &cellules)
{
    LigneProgression ligne;
    for (int c = 0; c < kColonnes && c < cellules.size(); ++c)
        ligne[c] = cellules[c];
    return ligne;
}

TableProgression tableDe(const Lignes &lignes)
{
    TableProgression table;
    for (const QStringList &cellules : lignes)
        table.ajouterLigne(ligneDe(cellules));
    return table;
}

// A row as the file gives it: eleven quoted lines.
QByteArray octetsLigne(const QStringList &cellules)
{
    QByteArray octets;
    for (int c = 0; c < kColonnes; ++c)
        octets += '"' + (c < cellules.size() ? cellules[c].toLatin1() : QByteArray()) + "\"\r\n";
    return octets;
}

const QStringList kLigneChat = {"", "1", "05/12/2026", "chat", "", "", "", "", "", "", ""};

// Small vocabularies make collisions likely: words in level and date cells,
// levels that are words, duplicates, rows without word.
QString tirer(QRandomGenerator &alea, const QStringList &choix)
{
    return choix[alea.bounded(int(choix.size()))];
}

TableProgression tableAuHasard(QRandomGenerator &alea)
{
    static const QStringList mots = {"a", "b", "chat", "chien", "1", "2", "01/03/2026", "x y"};
    static const QStringList niveaux = {"", "1", "2", "3", "chat", "b"};
    static const QStringList dates = {"05/12/2026", "01/03/2026", "", "a", "chien"};
    TableProgression table;
    const int n = alea.bounded(12);
    for (int r = 0; r < n; ++r) {
        LigneProgression ligne;
        const int forme = alea.bounded(10);
        if (forme < 8)
            ligne[kColonnesMot[alea.bounded(int(kColonnesMot.size()))]] = tirer(alea, mots);
        else if (forme == 8)
            for (int c : kColonnesMot)
                if (alea.bounded(3) == 0)
                    ligne[c] = tirer(alea, mots);
        ligne[kColonneNiveau] = tirer(alea, niveaux);
        ligne[kColonneDate] = tirer(alea, dates);
        table.ajouterLigne(ligne);
    }
    return table;
}

ListeMots listeAuHasard(QRandomGenerator &alea)
{
    static const QStringList mots = {"a", "b", "chat", "chien", "loup", "1", "2", "", "01/03/2026", "x y"};
    static const QStringList niveaux = {"", "1", "2", "5", "chat", "a", "loup"};
    ListeMots liste;
    const int n = alea.bounded(10);
    for (int k = 0; k < n; ++k)
        liste.append(EntreeMot{tirer(alea, mots), tirer(alea, niveaux)});
    return liste;
}

} // namespace

class TestBilan : public QObject {
    Q_OBJECT

private slots:
    void octetsExactsLigneChat();
    void chargerBilan_data();
    void chargerBilan();
    void enregistrerPuisRelire();
    void enregistrerEchoue();
    void actualiserBilan_data();
    void actualiserBilan();
    void actualiserCommeLAlgorithmeLitteral();
    void compterMotsAcquis();
};

void TestBilan::octetsExactsLigneChat()
{
    const QByteArray attendu = "\"\"\r\n\"1\"\r\n\"05/12/2026\"\r\n\"chat\"\r\n" + QByteArray("\"\"\r\n").repeated(7);
    QCOMPARE(octetsLigne(kLigneChat), attendu);
    const TableProgression table = tableDe({kLigneChat});
    QCOMPARE(texteBilan(table).toLatin1(), attendu);

    QTemporaryDir dossier;
    QVERIFY(EnregistrerBilan(table, dossier.path(), "Paul").ok);
    QCOMPARE(outils::lireOctets(dossier.filePath("Paul.bil")), attendu);
    TableProgression relue;
    ChargerBilan(relue, dossier.path(), "Paul", kAujourdhui);
    QCOMPARE(lignesDe(relue), Lignes{kLigneChat});

    QVERIFY(EnregistrerBilan(TableProgression(), dossier.path(), "Paul").ok);
    QVERIFY(QFileInfo::exists(dossier.filePath("Paul.bil")));
    QCOMPARE(QFileInfo(dossier.filePath("Paul.bil")).size(), 0);
}

void TestBilan::chargerBilan_data()
{
    QTest::addColumn<QByteArray>("bilan"); // "<absent>": no file
    QTest::addColumn<QByteArray>("mots");
    QTest::addColumn<Lignes>("attendu");
    const QByteArray troisMots = "\"*\",\"chat\",\"1\"\r\n\"*\",\"rat\",\"\"\r\n\"*\",\"été\",\"5\"\r\n";
    const Lignes troisLignes = {{"chat", "1", kDateDuJour, "", "", "", "", "", "", "", ""},
                                {"rat", "", kDateDuJour, "", "", "", "", "", "", "", ""},
                                {"été", "5", kDateDuJour, "", "", "", "", "", "", "", ""}};
    QTest::newRow("fichier vide: la liste de mots") << QByteArray() << troisMots << troisLignes;
    QTest::newRow("fichier absent: la liste de mots") << QByteArray("<absent>") << troisMots << troisLignes;
    QTest::newRow("onze valeurs: une ligne") << octetsLigne(kLigneChat) << troisMots << Lignes{kLigneChat};
    QTest::newRow("douze valeurs: deux lignes")
        << octetsLigne(kLigneChat) + "\"rat\"\r\n" << troisMots
        << Lignes{kLigneChat, {"rat", "", kDateDuJour, "", "", "", "", "", "", "", ""}};
    QTest::newRow("tronque: la ligne incomplete reste")
        << octetsLigne(kLigneChat) + "\"\",\"2\"" << troisMots
        << Lignes{kLigneChat, {"", "2", kDateDuJour, "", "", "", "", "", "", "", ""}};
    QTest::newRow("ligne avec la seule date: retiree")
        << octetsLigne({"", "", "05/12/2026"}) + octetsLigne(kLigneChat) << troisMots << Lignes{kLigneChat};
    QTest::newRow("onze valeurs vides: aucune ligne, pas de reconstruction")
        << octetsLigne({}) << troisMots << Lignes{};
    QTest::newRow("moins de onze valeurs, seule la date: reconstruction")
        << QByteArray("\"\",\"\",\"05/12/2026\"") << troisMots << troisLignes;
    QTest::newRow("date manquante: aujourd'hui")
        << octetsLigne({"", "3", "", "", "", "", "loup"}) << troisMots
        << Lignes{{"", "3", kDateDuJour, "", "", "", "loup", "", "", "", ""}};
    QTest::newRow("date illisible gardee telle quelle")
        << octetsLigne({"loup", "3", "31/02/2026"}) << troisMots
        << Lignes{{"loup", "3", "31/02/2026", "", "", "", "", "", "", "", ""}};
    QTest::newRow("mot sans niveau, valeurs avant le premier *")
        << QByteArray() << QByteArray("\"perdu\"\r\n\"*\",\"chat\"\r\n\"*\"\r\n")
        << Lignes{{"chat", "", kDateDuJour, "", "", "", "", "", "", "", ""}};
    QTest::newRow("enregistrement de cinq valeurs: la derniere en colonne 1")
        << QByteArray() << QByteArray("\"*\",\"chat\",\"1\",\"x\",\"y\"\r\n")
        << Lignes{{"chat", "y", kDateDuJour, "", "", "", "", "", "", "", ""}};
    QTest::newRow("rien nulle part") << QByteArray("<absent>") << QByteArray("<absent>") << Lignes{};
    QTest::newRow("bilan utf8 accents")
        << QByteArray("\"\xC3\xA9t\xC3\xA9\",\"2\",\"2026-12-05\"") + QByteArray(",\"\"").repeated(8) << troisMots
        << Lignes{{"été", "2", "2026-12-05", "", "", "", "", "", "", "", ""}};
}

void TestBilan::chargerBilan()
{
    QFETCH(QByteArray, bilan);
    QFETCH(QByteArray, mots);
    QFETCH(Lignes, attendu);
    QTemporaryDir dossier;
    if (bilan != "<absent>")
        QVERIFY(outils::ecrireOctets(dossier.filePath("Léa M.bil"), bilan));
    if (mots != "<absent>")
        QVERIFY(outils::ecrireOctets(dossier.filePath("Mots.dat"), mots));
    TableProgression table;
    table.ajouterLigne(ligneDe({"reste d'avant"}));
    ChargerBilan(table, dossier.path(), "Léa M", kAujourdhui);
    QCOMPARE(lignesDe(table), attendu);
}

void TestBilan::enregistrerPuisRelire()
{
    QRandomGenerator alea(7);
    QTemporaryDir dossier;
    for (int essai = 0; essai < 50; ++essai) {
        TableProgression table = tableAuHasard(alea);
        ActualiserBilan(table, listeAuHasard(alea), kAujourdhui);
        for (int r = 0; r < table.nombreLignes(); ++r)
            if (table.cellule(r, kColonneDate).isEmpty())
                table.ecrireCellule(r, kColonneDate, "05/12/2026");
        QVERIFY(EnregistrerBilan(table, dossier.path(), "Paul").ok);
        const QByteArray octets = outils::lireOctets(dossier.filePath("Paul.bil"));
        QCOMPARE(octets.count("\r\n"), table.nombreLignes() * kColonnes);
        TableProgression relue;
        ChargerBilan(relue, dossier.path(), "Paul", kAujourdhui);
        // Rows with nothing but a date are never kept by a reading.
        Lignes attendu;
        for (const QStringList &ligne : lignesDe(table)) {
            QStringList sansDate = ligne;
            sansDate[kColonneDate].clear();
            if (sansDate.join(QString()).size() > 0)
                attendu.append(ligne);
        }
        QCOMPARE(lignesDe(relue), attendu);
    }
}

void TestBilan::enregistrerEchoue()
{
    QTemporaryDir dossier;
    QVERIFY(outils::ecrireOctets(dossier.filePath("Paul.bil"), "ancien"));
    TableProgression table = tableDe({{"chat☺", "1", "05/12/2026"}});
    const TableProgression avant = table;
    const ResultatEcriture refus = EnregistrerBilan(table, dossier.path(), "Paul");
    QVERIFY(!refus.ok);
    QVERIFY(refus.message().startsWith(QStringLiteral("Impossible d'enregistrer le fichier « Paul.bil » : ")));
    QCOMPARE(outils::lireOctets(dossier.filePath("Paul.bil")), QByteArray("ancien"));
    QCOMPARE(table, avant);

    const QString lectureSeule = outils::dossierLectureSeule(dossier.path());
    if (lectureSeule.isEmpty())
        QSKIP("this user can write into read-only folders");
    const ResultatEcriture echec = EnregistrerBilan(tableDe({kLigneChat}), lectureSeule, "Paul");
    outils::rendreInscriptible(lectureSeule);
    QVERIFY(!echec.ok);
    QVERIFY(!QFileInfo::exists(QDir(lectureSeule).filePath("Paul.bil")));
}

void TestBilan::actualiserBilan_data()
{
    QTest::addColumn<Lignes>("table");
    QTest::addColumn<ListeMots>("liste");
    QTest::addColumn<Lignes>("attendu");
    const QString d = "05/12/2026";
    const QString j = kDateDuJour;
    QTest::newRow("mot nouveau a la fin, etape 0, date du jour")
        << Lignes{{"", "1", d, "chat"}} << ListeMots{{"chat", "1"}, {"rat", "2"}}
        << Lignes{{"", "1", d, "chat", "", "", "", "", "", "", ""}, {"rat", "2", j, "", "", "", "", "", "", "", ""}};
    QTest::newRow("mot retire meme acquis")
        << Lignes{{"", "1", d, "", "", "", "", "", "", "", "chat"}, {"rat", "2", d}} << ListeMots{{"rat", "2"}}
        << Lignes{{"rat", "2", d, "", "", "", "", "", "", "", ""}};
    QTest::newRow("deux lignes voisines retirees")
        << Lignes{{"a", "1", d}, {"b", "1", d}, {"c", "1", d}} << ListeMots{{"c", "1"}}
        << Lignes{{"c", "1", d, "", "", "", "", "", "", "", ""}};
    QTest::newRow("niveau change, etape et date restent")
        << Lignes{{"", "1", d, "", "", "chat"}} << ListeMots{{"chat", "4"}}
        << Lignes{{"", "4", d, "", "", "chat", "", "", "", "", ""}};
    QTest::newRow("mot en double: le dernier niveau gagne")
        << Lignes{{"chat", "1", d}} << ListeMots{{"chat", "2"}, {"chat", "3"}}
        << Lignes{{"chat", "3", d, "", "", "", "", "", "", "", ""}};
    // The date cell holds "rat": that row counts as holding the word, and so
    // receives its level too.
    QTest::newRow("mot trouve dans une date: pas ajoute, son niveau copie")
        << Lignes{{"chat", "1", "rat"}} << ListeMots{{"chat", "1"}, {"rat", "2"}}
        << Lignes{{"chat", "2", "rat", "", "", "", "", "", "", "", ""}};
    QTest::newRow("ligne sans mot gardee, niveau seul")
        << Lignes{{"", "3", d}} << ListeMots{}
        << Lignes{{"", "3", d, "", "", "", "", "", "", "", ""}};
    QTest::newRow("le niveau copie peut designer un autre mot")
        << Lignes{{"a", "", d}, {"b", "", d}} << ListeMots{{"a", "b"}, {"b", "5"}}
        << Lignes{{"a", "5", d, "", "", "", "", "", "", "", ""}, {"b", "", d, "", "", "", "", "", "", "", ""}};
}

void TestBilan::actualiserBilan()
{
    QFETCH(Lignes, table);
    QFETCH(ListeMots, liste);
    QFETCH(Lignes, attendu);
    TableProgression rapide = tableDe(table);
    ActualiserBilan(rapide, liste, kAujourdhui);
    QCOMPARE(lignesDe(rapide), attendu);
    TableProgression litteral = tableDe(table);
    oracle::ActualiserBilan(litteral, liste, kAujourdhui);
    QCOMPARE(lignesDe(litteral), attendu);
}

void TestBilan::actualiserCommeLAlgorithmeLitteral()
{
    QRandomGenerator alea(20260301);
    for (int essai = 0; essai < 400; ++essai) {
        const TableProgression depart = tableAuHasard(alea);
        const ListeMots liste = listeAuHasard(alea);
        TableProgression rapide = depart;
        TableProgression litteral = depart;
        ActualiserBilan(rapide, liste, kAujourdhui);
        oracle::ActualiserBilan(litteral, liste, kAujourdhui);
        if (rapide != litteral)
            QFAIL(qPrintable(QStringLiteral("case %1 differs").arg(essai)));
    }
}

void TestBilan::compterMotsAcquis()
{
    QCOMPARE(CompterMotsAcquis(TableProgression()), 0);
    const TableProgression table = tableDe({{"", "1", "d", "", "", "", "", "", "", "", "chat"},
                                            {"rat", "1", "d"},
                                            {"", "", "d", "", "", "", "", "", "", "", "loup"}});
    QCOMPARE(CompterMotsAcquis(table), 2);
}

QTEST_GUILESS_MAIN(TestBilan)
#include "tst_bilan.moc"
