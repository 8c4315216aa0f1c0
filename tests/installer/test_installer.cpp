// The starter word list (its reader and the list shipped with the program)
// and the installation of the starter library into a folder.
#include "data/encodage.h"
#include "data/listemots.h"
#include "data/phrases.h"
#include "data/sauvegardes.h"
#include "installerbibliotheque.h"
#include "listedepart.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

bool ecrire(const QString &chemin, const QByteArray &octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

using namespace Qt::StringLiterals;

// What the four starter sentences give when nothing was there.
const QByteArray kPhrasesDepart = "\"chat\",\"Le chat dort.\"\r\n\"\xE9" "cole\",\"Je vais \xE0 l'\xE9" "cole.\"\r\n"
                                  "\"c\x9Cur\",\"Mon c\x9Cur bat vite.\"\r\n";

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// Five recordings, each with its own bytes; the list names a word without
// recording (loup) and leaves zèbre without a level. Four sentences, each
// recorded; loup's has no word recording to go with.
struct Bibliotheque {
    QTemporaryDir racine;
    QString source = racine.filePath("bibliotheque"), installation = racine.filePath("installation");
    const QStringList enregistrements{"chat.wav", "école.wav", "cœur.wav", "pomme de terre.wav", "zèbre.wav"};
    Bibliotheque()
    {
        QDir().mkpath(installation);
        for (const QString &nom : enregistrements)
            ecrire(QDir(source).filePath(nom), "RIFF " + nom.toUtf8());
        ecrire(QDir(source).filePath(kFichierListeDepart), "# liste\n1\tchat\n2 loup\n5 cœur\n4 école\n5 pomme de terre\n");
        ecrire(QDir(source).filePath(kFichierPhrasesDepart),
               "# phrases\nchat\tLe chat dort.\nloup\tLe loup hurle.\nécole\tJe vais à l'école.\n"
               "cœur\tMon cœur bat vite.\n");
        for (const char *mot : {"chat", "loup", "école", "cœur"})
            ecrire(QDir(source).filePath(kDossierPhrases + '/' + mot + ".wav"), QByteArray("RIFF phrase ") + mot);
    }
    QString chemin(const QString &nom) const { return QDir(installation).filePath(nom); }
    QStringList contenu() const { return QDir(installation).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    ResultatInstallation installer() const { return InstallerBibliotheque(source, installation); }
};

class TestInstaller : public QObject {
    Q_OBJECT

private slots:
    void lectureListe()
    {
        const ListeDepart liste = lireListeDepart("# titre\n\n1\tpapa\r\n5 pomme de terre  \n1 papa\n6 loup\nloup\n"
                                                  "3loup\n1 Loup\n1 ŝi\n1 a/b\n1 ..\n4 éléphant");
        QCOMPARE(liste.mots, (QList<MotDepart>{{"papa", 1}, {"pomme de terre", 5}, {"éléphant", 4}}));
        QCOMPARE(liste.erreurs.size(), 8); // lines 5 to 12, reading went on after each
        QVERIFY(liste.erreurs.first().startsWith("ligne 5 : ") && liste.erreurs.last().startsWith("ligne 12 : "));
    }

    void listeLivree()
    {
        const std::optional<ListeDepart> liste = lireFichierListeDepart(QStringLiteral(ORTHOVAL_LISTE_DEPART));
        QVERIFY(liste);
        QVERIFY2(liste->erreurs.isEmpty(), qPrintable(liste->erreurs.join(u'\n')));
        QVERIFY2(liste->mots.size() >= 300, qPrintable(QString::number(liste->mots.size())));
        QSet<QString> mots;
        for (const MotDepart &m : liste->mots) {
            QVERIFY2(m.niveau >= 1 && m.niveau <= 5 && representableEnWindows1252(m.mot), qPrintable(m.mot));
            mots.insert(m.mot);
        }
        QCOMPARE(mots.size(), liste->mots.size()); // no duplicate
        for (const char *attendu : {"école", "garçon", "aujourd'hui", "porte-monnaie", "cœur"})
            QVERIFY2(mots.contains(attendu), attendu);
    }

    void premiereInstallation()
    {
        Bibliotheque b; // and the working folder of a run stopped halfway, which never leaves a Sons
        QVERIFY(ecrire(b.chemin("Sons.installation/chat.wav"), "RIFF coup"));
        const ResultatInstallation r = b.installer();
        QVERIFY2(r.ok, qPrintable(r.erreur));
        QVERIFY(r.sonsCree && r.motsDatEcrit);
        QCOMPARE(r.enregistrementsCopies, 5);
        for (const QString &nom : b.enregistrements)
            QCOMPARE(lire(b.chemin(kDossierSons + '/' + nom)), "RIFF " + nom.toUtf8());
        // List order, only the words that have a recording, Windows-1252 bytes.
        QCOMPARE(lire(b.chemin(kFichierMots)), QByteArray("\"*\",\"chat\",\"1\"\r\n\"*\",\"c\x9Cur\",\"5\"\r\n"
                                                          "\"*\",\"\xE9" "cole\",\"4\"\r\n\"*\",\"pomme de terre\",\"5\"\r\n"));
        QCOMPARE(lire(b.chemin(kFichierPhrases)), kPhrasesDepart);
        QCOMPARE(r.phrasesAjoutees, 3);
        QCOMPARE(b.contenu(), (QStringList{kFichierMots, kDossierPhrases, kFichierPhrases, kDossierSons})); // no working folder left
        const ResultatInstallation encore = b.installer(); // changes nothing
        QVERIFY(encore.ok && !encore.sonsCree && !encore.motsDatEcrit && encore.enregistrementsPresents == 5);
        QVERIFY(encore.phrasesAjoutees == 0 && encore.phrasesGardees == 3);
        QCOMPARE(lire(b.chemin(kFichierPhrases)), kPhrasesDepart);
    }

    // The starter sentences join what the teacher has: a word with a
    // sentence, or with a sentence recording whose words are unknown, keeps
    // it; a damaged Phrases.dat keeps its readable lines, and its copy goes
    // to Sauvegardes first.
    void phrasesDeDepart_data()
    {
        QTest::addColumn<QByteArray>("phrasesDat");           // null: none
        QTest::addColumn<QStringList>("enregistrementsAvant"); // in Phrases, the teacher's
        QTest::addColumn<QByteArray>("attendu");
        QTest::addColumn<QStringList>("donnees");              // the starter's recordings in Phrases
        QTest::addColumn<int>("gardees");
        QTest::addColumn<bool>("sauvegarde");
        const QByteArray chat = "\"chat\",\"Le chat dort.\"\r\n";
        const QByteArray ecole = "\"\xE9" "cole\",\"Je vais \xE0 l'\xE9" "cole.\"\r\n";
        const QByteArray coeur = "\"c\x9Cur\",\"Mon c\x9Cur bat vite.\"\r\n";
        const QByteArray tigre = "\"chat\",\"Mon chat s'appelle Tigre.\"\r\n";
        QTest::newRow("sans Phrases.dat") << QByteArray() << QStringList() << chat + ecole + coeur
                                          << QStringList{"chat", "école", "cœur"} << 0 << false;
        QTest::newRow("phrase de l'enseignant") << tigre << QStringList{"chat.wav"} << tigre + ecole + coeur
                                                << QStringList{"école", "cœur"} << 1 << false;
        QTest::newRow("phrase sans enregistrement") << tigre << QStringList() << tigre + ecole + coeur
                                                    << QStringList{"école", "cœur"} << 1 << false;
        QTest::newRow("enregistrement sans phrase") << QByteArray() << QStringList{"école.WAV"} << chat + coeur
                                                    << QStringList{"chat", "cœur"} << 1 << false;
        const QByteArray maison = "\"maison\",\"Ma maison est bleue.\"\r\n";
        QTest::newRow("Phrases.dat abîmé")
            << maison + "\"chat\",\"Le \"chat\" dort.\"\r\n\x00\x01 d\xE9" "bris\r\n"_ba << QStringList() << maison + chat + ecole + coeur
            << QStringList{"chat", "école", "cœur"} << 0 << true;
    }

    void phrasesDeDepart()
    {
        QFETCH(QByteArray, phrasesDat);
        QFETCH(QStringList, enregistrementsAvant);
        QFETCH(QByteArray, attendu);
        QFETCH(QStringList, donnees);
        QFETCH(int, gardees);
        QFETCH(bool, sauvegarde);
        Bibliotheque b;
        if (!phrasesDat.isNull())
            QVERIFY(ecrire(b.chemin(kFichierPhrases), phrasesDat));
        for (const QString &nom : enregistrementsAvant)
            QVERIFY(ecrire(b.chemin(kDossierPhrases + '/' + nom), "à l'enseignant"));
        const ResultatInstallation r = b.installer();
        QVERIFY2(r.ok, qPrintable(r.erreur));
        QCOMPARE(lire(b.chemin(kFichierPhrases)), attendu);
        QCOMPARE(r.phrasesAjoutees, donnees.size());
        QCOMPARE(r.phrasesGardees, gardees);
        for (const QString &nom : enregistrementsAvant)
            QCOMPARE(lire(b.chemin(kDossierPhrases + '/' + nom)), QByteArray("à l'enseignant"));
        for (const QString &mot : donnees)
            QCOMPARE(lire(b.chemin(kDossierPhrases + '/' + mot + ".wav")), "RIFF phrase " + mot.toUtf8());
        QCOMPARE(QDir(b.chemin(kDossierPhrases)).entryList(QDir::Files).size(),
                 enregistrementsAvant.size() + donnees.size());
        const QStringList copies = listerSauvegardes(b.installation, kFichierPhrases);
        QCOMPARE(copies.size(), sauvegarde ? 1 : 0);
        if (sauvegarde)
            QCOMPARE(lire(b.chemin(kDossierSauvegardes + '/' + copies.first())), phrasesDat);
        QCOMPARE(LirePhrases(b.installation).size(), attendu.count("\r\n"));
    }

    // Phrases.dat cannot be written: the recordings just copied leave again,
    // so that the next installation can give those words their sentence.
    void phrasesNonEnregistrees()
    {
        Bibliotheque b;
        const QByteArray abime = "\"chat\",\"Le chat\x00\r\n"_ba;
        QVERIFY(ecrire(b.chemin(kFichierPhrases), abime));
        QVERIFY(ecrire(b.chemin(kDossierSauvegardes), "pas un dossier")); // its copy cannot be kept
        const ResultatInstallation r = b.installer();
        QVERIFY2(r.ok && r.enregistrements() == 5, qPrintable(r.erreur));
        QCOMPARE(r.phrasesAjoutees, 0);
        QVERIFY(!r.avertissements.isEmpty());
        QCOMPARE(lire(b.chemin(kFichierPhrases)), abime);
        QCOMPARE(QDir(b.chemin(kDossierPhrases)).entryList(QDir::Files), QStringList());
    }

    void ceQuiExisteReste_data()
    {
        QTest::addColumn<QString>("existant");
        QTest::newRow("Mots.dat") << kFichierMots;
        QTest::newRow("un enregistrement") << kDossierSons + "/école.wav";
    }

    void ceQuiExisteReste()
    {
        QFETCH(QString, existant);
        Bibliotheque b;
        QVERIFY(ecrire(b.chemin(existant), "à l'enseignant"));
        const ResultatInstallation r = b.installer();
        QVERIFY2(r.ok, qPrintable(r.erreur));
        QCOMPARE(lire(b.chemin(existant)), QByteArray("à l'enseignant"));
        const bool enregistrement = existant != kFichierMots;
        QCOMPARE(r.sonsCree, !enregistrement);
        QCOMPARE(r.motsDatEcrit, enregistrement);
        QCOMPARE(r.enregistrementsPresents, enregistrement ? 1 : 0);
    }

    // Links planted where the installer works (the folder is writable by
    // every account): the folder they point to keeps its files.
    void liensPlantes_data()
    {
        QTest::addColumn<QString>("lien");
        QTest::newRow("dossier de travail") << QStringLiteral("Sons.installation");
        QTest::newRow("Sons") << kDossierSons;
        QTest::newRow("Phrases") << kDossierPhrases;
        QTest::newRow("Phrases.dat") << kFichierPhrases;
    }

    void liensPlantes()
    {
        QFETCH(QString, lien);
        Bibliotheque b;
        const QString ailleurs = b.racine.filePath("ailleurs");
        QVERIFY(ecrire(ailleurs + "/devoir.txt", "à garder"));
        QVERIFY(QFile::link(ailleurs, b.chemin(lien)));
        const ResultatInstallation r = b.installer();
        QVERIFY2(r.ok, qPrintable(r.erreur));
        QCOMPARE(QDir(ailleurs).entryList(QDir::Files), QStringList{"devoir.txt"});
        QCOMPARE(lire(ailleurs + "/devoir.txt"), QByteArray("à garder"));
        QVERIFY(!QFileInfo::exists(b.chemin("Sons.installation")) && !QFileInfo(b.chemin("Sons.installation")).isSymLink());
    }

    void echecsSansRienLaisser()
    {
        Bibliotheque b;
        QVERIFY(ecrire(b.chemin(kDossierSons), "pas un dossier"));
        ResultatInstallation r = b.installer();
        QVERIFY2(!r.ok && r.erreur.startsWith("Impossible de créer le dossier des sons"), qPrintable(r.erreur));
        QCOMPARE(b.contenu(), QStringList{kDossierSons});
        QVERIFY(QFile::remove(b.chemin(kDossierSons)) && QDir(b.source).removeRecursively());
        r = b.installer();
        QVERIFY2(!r.ok && r.erreur.startsWith("La bibliothèque de départ est introuvable"), qPrintable(r.erreur));
        QCOMPARE(b.contenu(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestInstaller)
#include "test_installer.moc"
