// The starter word list (its reader and the list shipped with the program)
// and the installation of the starter library into a folder.
#include "data/encodage.h"
#include "data/listemots.h"
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

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// Five recordings, each with its own bytes; the list names a word without
// recording (loup) and leaves zèbre without a level.
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
        QCOMPARE(b.contenu(), (QStringList{kFichierMots, kDossierSons})); // no working folder left
        const ResultatInstallation encore = b.installer(); // changes nothing
        QVERIFY(encore.ok && !encore.sonsCree && !encore.motsDatEcrit && encore.enregistrementsPresents == 5);
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
