// The data files: value reader, dates, safe writes, the progress file and its
// reconciliation, the word list and its merge with Sons, settings and pupils.
#include "data/bilan.h"
#include "data/eleves.h"
#include "data/encodage.h"
#include "data/enregistrement.h"
#include "data/reglages.h"
#include "data/valeurs.h"
#include "oracles.h"
#include "../support/fichiers.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using Lignes = QList<QStringList>; // rows without their trailing empty cells

namespace {

const QDate kAujourdhui(2026, 3, 1);
const QString kJour = QStringLiteral("01/03/2026"); // kAujourdhui as the files write it
// A row as a .bil file gives it: eleven quoted lines.
QByteArray octetsLigne(const QStringList &cellules)
{
    QByteArray octets;
    for (int c = 0; c < kColonnes; ++c)
        octets += '"' + cellules.value(c).toLatin1() + "\"\r\n";
    return octets;
}

Lignes lignesDe(const TableProgression &table)
{
    Lignes lignes;
    for (const LigneProgression &l : table.lignes()) {
        lignes.append(QStringList(l.begin(), l.end()));
        while (!lignes.last().isEmpty() && lignes.last().last().isEmpty())
            lignes.last().removeLast();
    }
    return lignes;
}

TableProgression tableDe(const Lignes &lignes)
{
    TableProgression table;
    for (const QStringList &cellules : lignes) {
        LigneProgression l;
        std::copy(cellules.begin(), cellules.end(), l.begin());
        table.ajouterLigne(l);
    }
    return table;
}

const auto tirer = [](QRandomGenerator &alea, const QStringList &choix) { return choix[alea.bounded(int(choix.size()))]; };

// Small vocabularies make collisions likely: words in level and date cells,
// levels that are words, duplicates, rows without word or with several.
TableProgression tableAuHasard(QRandomGenerator &alea)
{
    TableProgression table;
    for (int r = alea.bounded(12); r > 0; --r) {
        LigneProgression l;
        const int forme = alea.bounded(11); // 0-8: one word column, 9: several, 10: none
        for (int i = 0; i < int(kColonnesMot.size()); ++i)
            if (forme == i || (forme == 9 && alea.bounded(3) == 0))
                l[kColonnesMot[i]] = tirer(alea, {"a", "b", "chat", "chien", "1", "2", "01/03/2026", "x y"});
        l[kColonneNiveau] = tirer(alea, {"", "1", "2", "3", "chat", "b"});
        l[kColonneDate] = tirer(alea, {"05/12/2026", "01/03/2026", "", "a", "chien"});
        table.ajouterLigne(l);
    }
    return table;
}

ListeMots listeAuHasard(QRandomGenerator &alea, const QStringList &mots)
{
    ListeMots liste;
    for (int k = alea.bounded(10); k > 0; --k)
        liste.append({tirer(alea, mots), tirer(alea, {"", "1", "2", "5", "chat", "a", "loup"})});
    return liste;
}

} // namespace

class TestDonnees : public QObject {
    Q_OBJECT

private slots:
    // What the value reader gives back for every kind of file, damaged or not.
    void valeurs_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("vide") << QByteArray() << QStringList();
        QTest::newRow("CR seuls") << QByteArray("\"a\"\r\"b\"\r") << QStringList{"a", "b"};
        QTest::newRow("LF seuls") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("LF puis CR: deux fins") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("valeurs vides, separateur final") << QByteArray("a,,b,") << QStringList{"a", "", "b"};
        QTest::newRow("cite garde blancs et virgule") << QByteArray("\" a, b \"") << QStringList{" a, b "};
        QTest::newRow("texte apres guillemet ignore") << QByteArray("\"a\"xyz,\"b\"") << QStringList{"a", "b"};
        QTest::newRow("guillemet non ferme") << QByteArray("\"a,b\r\nc") << QStringList{"a,b\r\nc"};
        QTest::newRow("binaire, nul") << QByteArray("\x00\xFF\"\x01,\xFE\r", 7)
                                      << QStringList{QString::fromUtf16(u"\u0000ÿ\"\u0001", 4), "þ"};
        QTest::newRow("1252") << QByteArray("\"\xE9l\xE8ve\",\x80\x9C") << QStringList{"élève", "€œ"};
        QTest::newRow("utf8 accents") << QByteArray("\"\xC3\xA9l\xC3\xA8ve\",\"2\"\r\n") << QStringList{"élève", "2"};
        QTest::newRow("utf8 BOM") << QByteArray("\xEF\xBB\xBF\"*\",\"chat\"\r\n") << QStringList{"*", "chat"};
        // Valid UTF-8 for U+074E, which no data file can hold: the letters Ý Ž.
        QTest::newRow("utf8 hors 1252 lu en 1252") << QByteArray("\xDD\x8E") << QStringList{"ÝŽ"};
        QTest::newRow("une ligne de 8 Mo") << QByteArray(8 << 20, 'x') << QStringList{QString(8 << 20, 'x')};
    }

    void valeurs()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, attendu);
        QTemporaryDir dossier;
        QVERIFY(ecrireOctets(dossier.filePath("f.dat"), octets));
        QCOMPARE(lireFichierValeurs(dossier.filePath("f.dat")).value_or(QStringList{"<rien>"}), attendu);
    }

    void windows1252ToutOctetRevientIdentique()
    {
        QByteArray tous;
        for (int o = 0; o < 256; ++o)
            tous.append(char(o));
        QCOMPARE(encoderWindows1252(decoderWindows1252(tous)).value_or("<refus>"), tous);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QDate>("attendu");
        QTest::newRow("francaise") << "05/12/2026" << QDate(2026, 12, 5);
        QTest::newRow("iso") << "2026-12-05" << QDate(2026, 12, 5);
        QTest::newRow("29 fevrier ordinaire") << "29/02/2025" << QDate();
        QTest::newRow("annee sur deux chiffres") << "05/12/26" << QDate();
        QTest::newRow("tirets a la francaise") << "05-12-2026" << QDate();
        QTest::newRow("suite de texte") << "05/12/2026x" << QDate();
        QTest::newRow("jour et mois nuls") << "00/00/0000" << QDate();
        QTest::newRow("annee sur cinq chiffres") << "99/99/99999" << QDate();
        QTest::newRow("vide") << "" << QDate();
        QTest::newRow("un mot") << "demain" << QDate();
    }

    void dates()
    {
        QFETCH(QString, texte);
        QFETCH(QDate, attendu);
        QCOMPARE(lireDate(texte), attendu);
        QCOMPARE(dateOuAujourdhui(texte, kAujourdhui), attendu.isValid() ? attendu : kAujourdhui);
    }

    // A character Windows-1252 lacks is refused and the old file stays;
    // a write goes through a temporary file that does not outlive it.
    void ecritures()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("Mots.dat");
        QVERIFY(ecrireOctets(chemin, "ancien"));
        QCOMPARE(ecrireFichierTexte(chemin, QStringLiteral("\"chat☺\"")).message(),
                 QStringLiteral("Impossible d'enregistrer le fichier « Mots.dat » : le caractère « ☺ » (U+263A) "
                                "ne peut pas être écrit dans ce fichier."));
        QCOMPARE(lireOctets(chemin), QByteArray("ancien"));
        QVERIFY(ecrireFichierTexte(chemin, QStringLiteral("\"été\"\r\n")).ok);
        QCOMPARE(lireOctets(chemin), QByteArray("\"\xE9t\xE9\"\r\n"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Mots.dat"});

        const ResultatEcriture echec = ecrireFichier(chemin + "/Paul.bil", "\"\"\r\n"); // a file as folder
        QVERIFY(!echec.detail.isEmpty() && echec.message().startsWith(QStringLiteral("Impossible d'enregistrer le fichier « Paul.bil » : ")));
    }

    void bilanOctetsExacts()
    {
        const QStringList chat = {"", "1", "05/12/2026", "chat"}; // at stage 3
        const QByteArray attendu = "\"\"\r\n\"1\"\r\n\"05/12/2026\"\r\n\"chat\"\r\n" + QByteArray("\"\"\r\n").repeated(7);
        QTemporaryDir dossier;
        QVERIFY(EnregistrerBilan(tableDe({chat}), dossier.path(), "Paul", false).ok);
        QCOMPARE(lireOctets(dossier.filePath("Paul.bil")), attendu);
        TableProgression relue;
        ChargerBilan(relue, dossier.path(), "Paul", kAujourdhui);
        QCOMPARE(lignesDe(relue), Lignes{chat});

        QVERIFY(EnregistrerBilan(TableProgression(), dossier.path(), "Paul", false).ok);
        QCOMPARE(lireOctets(dossier.filePath("Paul.bil")), QByteArray());
        QVERIFY(!EnregistrerBilan(tableDe({{"chat☺", "1", "05/12/2026"}}), dossier.path(), "Paul", false).ok);
        QCOMPARE(lireOctets(dossier.filePath("Paul.bil")), QByteArray());
    }

    void chargerBilan_data()
    {
        QTest::addColumn<QByteArray>("bilan");
        QTest::addColumn<QByteArray>("mots");
        QTest::addColumn<Lignes>("attendu");
        const QByteArray troisMots = "\"*\",\"chat\",\"1\"\r\n\"*\",\"rat\",\"\"\r\n\"*\",\"\xE9t\xE9\",\"5\"\r\n";
        const Lignes troisLignes = {{"chat", "1", kJour}, {"rat", "", kJour}, {"été", "5", kJour}};
        const QStringList chat = {"", "1", "05/12/2026", "chat"};
        QTest::newRow("fichier vide: la liste de mots") << QByteArray() << troisMots << troisLignes;
        QTest::newRow("fichier absent: la liste de mots") << kAbsent << troisMots << troisLignes;
        QTest::newRow("onze valeurs: une ligne") << octetsLigne(chat) << troisMots << Lignes{chat};
        QTest::newRow("douze valeurs: deux lignes") << octetsLigne(chat) + "\"rat\"" << troisMots << Lignes{chat, {"rat", "", kJour}};
        QTest::newRow("tronque") << octetsLigne(chat) + "\"\",\"2\"" << troisMots << Lignes{chat, {"", "2", kJour}};
        QTest::newRow("ligne avec la seule date: retiree")
            << octetsLigne({"", "", "05/12/2026"}) + octetsLigne(chat) << troisMots << Lignes{chat};
        QTest::newRow("onze valeurs vides: aucune ligne") << octetsLigne({}) << troisMots << Lignes{};
        QTest::newRow("date manquante: aujourd'hui")
            << octetsLigne({"", "3", "", "", "", "", "loup"}) << troisMots << Lignes{{"", "3", kJour, "", "", "", "loup"}};
        QTest::newRow("Mots.dat: une valeur, valeurs avant le premier *")
            << QByteArray() << QByteArray("\"perdu\"\r\n\"*\",\"chat\"\r\n\"*\"\r\n") << Lignes{{"chat", "", kJour}};
        QTest::newRow("Mots.dat: cinq valeurs, la derniere pour niveau")
            << QByteArray() << QByteArray("\"*\",\"chat\",\"1\",\"x\",\"y\"\r\n") << Lignes{{"chat", "y", kJour}};
    }

    void chargerBilan()
    {
        QFETCH(QByteArray, bilan);
        QFETCH(QByteArray, mots);
        QFETCH(Lignes, attendu);
        QTemporaryDir dossier;
        QVERIFY(bilan == kAbsent || ecrireOctets(dossier.filePath("Léa M.bil"), bilan));
        QVERIFY(ecrireOctets(dossier.filePath("Mots.dat"), mots));
        TableProgression table = tableDe({{"reste d'avant"}});
        ChargerBilan(table, dossier.path(), "Léa M", kAujourdhui);
        QCOMPARE(lignesDe(table), attendu);
    }

    // New word at the end (stage 0, today), word gone even when learnt, row
    // without word kept, level copied with stage and date kept.
    void actualiserBilan()
    {
        const Lignes avant = {{"", "1", "05/12/2026", "", "", "chat"}, {"", "1", "05/12/2026", "", "", "", "", "", "", "", "loup"},
                              {"", "3", "05/12/2026"}};
        const Lignes attendu = {{"", "4", "05/12/2026", "", "", "chat"}, {"", "3", "05/12/2026"}, {"rat", "2", kJour}};
        TableProgression rapide = tableDe(avant), litteral = tableDe(avant);
        ActualiserBilan(rapide, {{"chat", "4"}, {"rat", "2"}}, kAujourdhui);
        oracle::ActualiserBilan(litteral, {{"chat", "4"}, {"rat", "2"}}, kAujourdhui);
        QCOMPARE(lignesDe(rapide), attendu);
        QCOMPARE(lignesDe(litteral), attendu);
    }

    void actualiserCommeLOracle()
    {
        QRandomGenerator alea(20260301);
        for (int essai = 0; essai < 400; ++essai) {
            TableProgression rapide = tableAuHasard(alea), litteral = rapide;
            const ListeMots liste = listeAuHasard(alea, {"a", "b", "chat", "chien", "loup", "1", "2", "", "01/03/2026", "x y"});
            ActualiserBilan(rapide, liste, kAujourdhui);
            oracle::ActualiserBilan(litteral, liste, kAujourdhui);
            QVERIFY2(rapide == litteral, qPrintable(QString::number(essai)));
        }
    }

    void motsDatOctetsExacts()
    {
        const ListeMots liste = {{"chaton", "2"}, {"chien", ""}, {"a,b", "5"}, {"élève", "1"}};
        const QByteArray attendu = "\"*\",\"chaton\",\"2\"\r\n\"*\",\"chien\",\"\"\r\n\"*\",\"a,b\",\"5\"\r\n"
                                   "\"*\",\"\xE9l\xE8ve\",\"1\"\r\n";
        QTemporaryDir dossier;
        QVERIFY(EnregistrerListeMots(dossier.path(), liste).ok);
        QCOMPARE(lireOctets(dossier.filePath("Mots.dat")), attendu);
        QCOMPARE(LireListeMotsEleve(dossier.path()).liste, liste);
        QCOMPARE(OuvrirListeMots(dossier.path()).liste, liste); // Sons missing: the file's list, unmerged
        QCOMPARE(lireOctets(dossier.filePath("Mots.dat")), attendu);
        QVERIFY(EnregistrerListeMots(dossier.path(), ListeMots()).ok);
        QVERIFY(!QFileInfo::exists(dossier.filePath("Mots.dat")));
    }

    // The teacher side keeps what it can; the pupil side refuses a damaged file.
    void motsDatLu_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<ListeMots>("enseignant");
        QTest::addColumn<std::optional<ListeMots>>("eleve");
        const ListeMots deux = {{"chat", ""}, {"rat", "2"}};
        QTest::newRow("absent") << kAbsent << ListeMots() << std::optional<ListeMots>();
        QTest::newRow("vide") << QByteArray() << ListeMots() << std::optional(ListeMots());
        QTest::newRow("une valeur") << QByteArray("\"*\",\"chat\"\r\n\"*\",\"rat\",\"2\"\r\n") << deux << std::optional(deux);
        QTest::newRow("cinq valeurs") << QByteArray("\"*\",\"chat\",\"\",\"x\",\"y\"\r\n\"*\",\"rat\",\"2\"\r\n") << deux
                                      << std::optional<ListeMots>();
        QTest::newRow("guillemet non ferme") << QByteArray("\"*\",\"chat\",\"1\r\n\"*\",\"rat\",\"2\"\r\n")
                                             << ListeMots{{"chat", "1\r\n"}} << std::optional<ListeMots>();
    }

    void motsDatLu()
    {
        QFETCH(QByteArray, octets);
        QFETCH(ListeMots, enseignant);
        QFETCH(std::optional<ListeMots>, eleve);
        QTemporaryDir dossier;
        QVERIFY(octets == kAbsent || ecrireOctets(dossier.filePath("Mots.dat"), octets));
        QCOMPARE(lireEnregistrementsMots(lireFichierValeurs(dossier.filePath("Mots.dat")).value_or(QStringList())), enseignant);
        const LectureListeMots lecture = LireListeMotsEleve(dossier.path());
        QCOMPARE(lecture.etat == LectureListeMots::Etat::Lue ? std::optional(lecture.liste) : std::nullopt, eleve);
    }

    void fusionCommeLOracle()
    {
        const QStringList mots = {"a", "b", "chat", "chien", "é", "x y", "a,b", "loup"};
        QRandomGenerator alea(22);
        for (int essai = 0; essai < 400; ++essai) {
            const ListeMots liste = listeAuHasard(alea, mots);
            QStringList noms;
            for (int k = alea.bounded(10); k > 0; --k)
                noms.append(tirer(alea, mots) + ".wav");
            QVERIFY2(fusionnerAvecEnregistrements(liste, noms) == oracle::fusionnerAvecEnregistrements(liste, noms),
                     qPrintable(QString::number(essai)));
        }
    }

    // Unlike the literal merge, a recording keeps its word whatever the case
    // of its name and extension, and a bare ".wav" is ignored.
    void ouvrirListeMots()
    {
        QTemporaryDir dossier;
        const auto enregistrer = [&](const QString &nom) { QVERIFY(ecrireOctets(dossier.filePath("Sons/" + nom), "RIFF")); };
        for (const char *nom : {"zèbre.wav", "Arbre.WAV", "élan.wav", "chat.wav", "Chat.wav", "notes.txt"})
            enregistrer(nom);
        OuvertureListeMots ouverture = OuvrirListeMots(dossier.path());
        QCOMPARE(lireOctets(dossier.filePath("Mots.dat")), QByteArray()); // created empty
        QCOMPARE(ouverture.liste, (ListeMots{{"Arbre", ""}, {"Chat", ""}, {"chat", ""}, {"élan", ""}, {"zèbre", ""}}));
        ouverture.liste[0].niveau = "2";
        QVERIFY(EnregistrerListeMots(dossier.path(), ouverture.liste).ok);
        QVERIFY(QFile::remove(dossier.filePath("Sons/élan.wav")));
        // Words that could not be stored and read back are refused, not listed.
        for (const char *nom : {"bœuf.wav", "☺.wav", "日本.wav", ".wav", "a\"b.wav", "*.wav"})
            enregistrer(nom);
        ouverture = OuvrirListeMots(dossier.path());
        QCOMPARE(ouverture.liste, (ListeMots{{"Arbre", "2"}, {"Chat", ""}, {"chat", ""}, {"zèbre", ""}, {"bœuf", ""}}));
        ouverture.enregistrementsRefuses.sort();
        QCOMPARE(ouverture.enregistrementsRefuses, (QStringList{"*.wav", "a\"b.wav", "☺.wav", "日本.wav"}));
    }

    // Code.dat: its last value (empty: none, or a damaged file); Fonte.dat: its last complete pair, the size
    // clamped ("name size" below; empty: no font).
    void reglages_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("code: la derniere valeur") << kFichierCode << QByteArray("\"abc\"\r\n\"x\",\"Zz9\"\r\n") << "Zz9";
        QTest::newRow("code: une valeur de 7 caracteres") << kFichierCode << QByteArray("\"abc\"\r\n\"abcdefg\"\r\n") << "";
        QTest::newRow("code: blancs autour") << kFichierCode << QByteArray("\" abc\"\r\n") << "";
        QTest::newRow("fonte: la derniere paire") << kFichierFonte << QByteArray("\"Arial\"\r\n12\r\n\"Andika\"\r\n13.5\r\n\"Noto\"\r\n")
                                                  << "Andika 13.5";
        QTest::newRow("virgule decimale") << kFichierFonte << QByteArray("\"Arial\",\"13,5\"") << "Arial 13.5";
        QTest::newRow("taille illisible") << kFichierFonte << QByteArray("\"Arial\"\r\nnan\r\n") << "Arial 15.75";
        QTest::newRow("trop grande") << kFichierFonte << QByteArray("\"Arial\"\r\n1000\r\n") << "Arial 72";
        QTest::newRow("negative") << kFichierFonte << QByteArray("\"Arial\"\r\n-3\r\n") << "Arial 6";
    }

    void reglages()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, octets);
        QFETCH(QString, attendu);
        QTemporaryDir dossier;
        QVERIFY(ecrireOctets(dossier.filePath(fichier), octets));
        const std::optional<ReglageFonte> fonte = lireFonte(dossier.path());
        QCOMPARE(fichier == kFichierCode ? lireCodeAcces(dossier.path())
                                         : fonte ? fonte->nom + ' ' + QString::number(fonte->taille) : QString(),
                 attendu);
    }

    void enregistrerReglages()
    {
        QTemporaryDir dossier;
        QVERIFY(enregistrerCodeAcces(dossier.path(), "a,b é").ok);
        QCOMPARE(lireOctets(dossier.filePath(kFichierCode)), QByteArray("\"a,b \xE9\"\r\n"));
        QVERIFY(!enregistrerCodeAcces(dossier.path(), "ab\"c").ok); // could not be read back
        for (const char *impossible : {"", "abcdefg", " abc", "a\tb"})   // could not be typed back
            QVERIFY2(!enregistrerCodeAcces(dossier.path(), QString::fromUtf8(impossible)).ok, impossible);
        QCOMPARE(lireCodeAcces(dossier.path()), QStringLiteral("a,b é"));
        QVERIFY(enregistrerFonte(dossier.path(), {"Comic Sans MS", 15.75}).ok);
        QCOMPARE(lireOctets(dossier.filePath(kFichierFonte)), QByteArray("\"Comic Sans MS\"\r\n15.75\r\n"));
    }

    // Removing a pupil (creating and naming one: the catalogue of test_reliability).
    void supprimer()
    {
        QTemporaryDir dossier;
        QVERIFY(creerEleve(dossier.path(), "Élodie M").ok);
        QVERIFY(!supprimerEleve(dossier.path(), "../Mots").ok);
        QVERIFY(supprimerEleve(dossier.path(), "Élodie M").ok && supprimerEleve(dossier.path(), "Élodie M").ok); // gone is fine
        QCOMPARE(lireOctets(dossier.filePath("Élodie M.bil")), kAbsent);
    }

    // A pupil account swaps the hidden file a new recording is written to, or
    // the recording's name, between writing and renaming: nothing outside
    // Sons is written or removed, the swapped thing is left alone, and the
    // writing is reported as failed.
    void enregistrementDetourne_data()
    {
        QTest::addColumn<QString>("piege");
        QTest::addColumn<QString>("raison");
        QTest::newRow("provisoire remplacé par un lien vers un dossier") << "lien dossier" << "remplacé par un autre";
        QTest::newRow("provisoire remplacé par un lien vers un fichier") << "lien fichier" << "remplacé par un autre";
        QTest::newRow("provisoire remplacé par un dossier") << "dossier" << "remplacé par un autre";
        QTest::newRow("le mot est devenu un dossier") << "cible" << "dossier";
        QTest::newRow("rien") << "" << "";
        // A word spoken by the computer never takes the place of a recording.
        QTest::newRow("déjà enregistré, sans remplacer") << "jamais" << "existe déjà";
    }
    void enregistrementDetourne()
    {
        QFETCH(QString, piege);
        QFETCH(QString, raison);
        QTemporaryDir installation;
        QTemporaryDir victime;
        QVERIFY(ecrireOctets(victime.filePath("sous-dossier/notes.txt"), "notes"));
        QVERIFY(ecrireOctets(installation.filePath("Sons/chat.wav"), "ancien"));
        {
            EnregistrementProvisoire provisoire(installation.path(), "RIFF nouveau");
            QVERIFY(provisoire.ecriture().ok);
            const QStringList caches = QDir(installation.filePath("Sons")).entryList({".*"}, QDir::Files | QDir::Hidden);
            QCOMPARE(caches.size(), 1);
            const QString cache = installation.filePath("Sons/" + caches.first());
            QCOMPARE(lireOctets(cache), QByteArray("RIFF nouveau"));
            if (!piege.isEmpty() && piege != "cible" && piege != "jamais")
                QVERIFY(QFile::remove(cache));
            if (piege == "lien dossier")
                QVERIFY(QFile::link(victime.path(), cache));
            if (piege == "lien fichier")
                QVERIFY(QFile::link(victime.filePath("sous-dossier/notes.txt"), cache));
            if (piege == "dossier")
                QVERIFY(ecrireOctets(cache + "/dedans.txt", "dedans"));
            if (piege == "cible")
                QVERIFY(QFile::remove(installation.filePath("Sons/chat.wav"))
                        && ecrireOctets(installation.filePath("Sons/chat.wav/dedans.txt"), "dedans"));
            const ResultatEcriture place = provisoire.placer(
                "chat.wav", piege == "jamais" ? Remplacement::Jamais : Remplacement::Remplacer);
            QCOMPARE(place.ok, raison.isEmpty());
            QVERIFY2(place.detail.contains(raison), qPrintable(place.detail));
            QCOMPARE(place.chemin, installation.filePath("Sons/chat.wav"));
            if (piege.startsWith("lien"))
                QVERIFY(QFileInfo(cache).isSymLink());
            if (piege == "dossier")
                QCOMPARE(lireOctets(cache + "/dedans.txt"), QByteArray("dedans"));
        }
        QCOMPARE(lireOctets(victime.filePath("sous-dossier/notes.txt")), QByteArray("notes"));
        QCOMPARE(QDir(victime.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"sous-dossier"});
        if (piege.isEmpty())
            QCOMPARE(lireOctets(installation.filePath("Sons/chat.wav")), QByteArray("RIFF nouveau"));
        else if (piege == "cible")
            QCOMPARE(lireOctets(installation.filePath("Sons/chat.wav/dedans.txt")), QByteArray("dedans"));
        else
            QCOMPARE(lireOctets(installation.filePath("Sons/chat.wav")), QByteArray("ancien"));
        // Only what the program made is gone: its own hidden file.
        if (piege.isEmpty() || piege == "cible" || piege == "jamais")
            QCOMPARE(QDir(installation.filePath("Sons")).entryList({".*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDonnees)
#include "tst_donnees.moc"
