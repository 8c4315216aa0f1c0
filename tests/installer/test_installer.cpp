#include "test_installer.h"

#include "data/listemots.h"
#include "installerbibliotheque.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// A few bytes that look like a WAV file; each word gets different bytes so a
// copy can be told from another recording.
QByteArray petitWav(const QString &mot)
{
    QByteArray octets("RIFF\x24\0\0\0WAVEfmt ", 16);
    octets += mot.toUtf8();
    return octets;
}

void ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A starter library: recordings of chat, école, cœur and pomme de terre, and
// a list that also names a word without recording (loup) and leaves one
// recording (zèbre) without a level.
struct Bibliotheque {
    QTemporaryDir racine;
    QString source = racine.filePath(QStringLiteral("bibliotheque"));
    QString installation = racine.filePath(QStringLiteral("installation"));
    QStringList enregistrements{"chat.wav", "école.wav", "cœur.wav", "pomme de terre.wav", "zèbre.wav"};

    Bibliotheque()
    {
        QDir().mkpath(source);
        QDir().mkpath(installation);
        for (const QString &nom : enregistrements)
            ecrire(QDir(source).filePath(nom), petitWav(nom));
        ecrire(QDir(source).filePath(kFichierListeDepart),
               "# liste\n1\tchat\n2 loup\n5 cœur\n4 école\n5 pomme de terre\n");
    }
    QString sons(const QString &nom = {}) const { return QDir(installation).filePath(kDossierSons + u'/' + nom); }
    QString motsDat() const { return QDir(installation).filePath(kFichierMots); }
    ResultatInstallation installer() const { return InstallerBibliotheque(source, installation); }
};

}  // namespace

void TestInstaller::premiereInstallation()
{
    Bibliotheque b;
    const ResultatInstallation r = b.installer();
    QVERIFY2(r.ok, qPrintable(r.erreur));
    QVERIFY(r.sonsCree);
    QCOMPARE(r.enregistrementsCopies, 5);
    QCOMPARE(r.enregistrementsPresents, 0);
    QCOMPARE(r.message(), QStringLiteral("La bibliothèque sonore est installée : 5 mots."));
    for (const QString &nom : b.enregistrements)
        QCOMPARE(lire(b.sons(nom)), petitWav(nom));

    // List order, only the words that have a recording, Windows-1252 bytes.
    QVERIFY(r.motsDatEcrit);
    QCOMPARE(r.motsListes, 4);
    QCOMPARE(lire(b.motsDat()), QByteArray("\"*\",\"chat\",\"1\"\r\n"
                                           "\"*\",\"c\x9Cur\",\"5\"\r\n"
                                           "\"*\",\"\xE9" "cole\",\"4\"\r\n"
                                           "\"*\",\"pomme de terre\",\"5\"\r\n"));
    // Nothing of the work is left beside Sons.
    QCOMPARE(QDir(b.installation).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{kFichierMots, kDossierSons}));

    // A second run finds everything in place and changes nothing.
    const ResultatInstallation encore = b.installer();
    QVERIFY(encore.ok);
    QVERIFY(!encore.sonsCree);
    QCOMPARE(encore.enregistrementsCopies, 0);
    QCOMPARE(encore.enregistrementsPresents, 5);
    QVERIFY(!encore.motsDatEcrit);
}

void TestInstaller::motsDatExistantIntact()
{
    Bibliotheque b;
    const QByteArray propre("\"*\",\"chat\",\"3\"\r\n\"*\",\"maison\",\"\"\r\n");
    ecrire(b.motsDat(), propre);
    const ResultatInstallation r = b.installer();
    QVERIFY(r.ok);
    QVERIFY(!r.motsDatEcrit);
    QCOMPARE(lire(b.motsDat()), propre);
    QCOMPARE(r.enregistrementsCopies, 5);
}

void TestInstaller::enregistrementExistantGarde()
{
    Bibliotheque b;
    QVERIFY(QDir().mkpath(b.sons()));
    const QByteArray voixDuMaitre("RIFF enregistré par l'enseignant");
    ecrire(b.sons(QStringLiteral("école.wav")), voixDuMaitre);
    const ResultatInstallation r = b.installer();
    QVERIFY(r.ok);
    QVERIFY(!r.sonsCree);
    QCOMPARE(r.enregistrementsPresents, 1);
    QCOMPARE(r.enregistrementsCopies, 4);
    QCOMPARE(lire(b.sons(QStringLiteral("école.wav"))), voixDuMaitre);
    QCOMPARE(lire(b.sons(QStringLiteral("chat.wav"))), petitWav(QStringLiteral("chat.wav")));
    QVERIFY(r.motsDatEcrit);
}

void TestInstaller::installationInterrompueReprise()
{
    // A run stopped halfway leaves its working folder, never a Sons.
    Bibliotheque b;
    const QString provisoire = QDir(b.installation).filePath(QStringLiteral("Sons.installation"));
    QVERIFY(QDir().mkpath(provisoire));
    ecrire(QDir(provisoire).filePath(QStringLiteral("chat.wav")), "RIFF coup");
    const ResultatInstallation r = b.installer();
    QVERIFY2(r.ok, qPrintable(r.erreur));
    QCOMPARE(r.enregistrementsCopies, 5);
    QCOMPARE(lire(b.sons(QStringLiteral("chat.wav"))), petitWav(QStringLiteral("chat.wav")));
    QVERIFY(!QFileInfo::exists(provisoire));
}

void TestInstaller::echecs_data()
{
    // Each case spoils a fresh library and returns false when it must be skipped.
    QTest::addColumn<std::function<bool(Bibliotheque &)>>("gacher");
    QTest::addColumn<QString>("debutErreur");

    QTest::newRow("Sons est un fichier")
        << std::function<bool(Bibliotheque &)>([](Bibliotheque &b) {
               ecrire(QDir(b.installation).filePath(kDossierSons), "pas un dossier");
               return true;
           })
        << "Impossible de créer le dossier des sons";
    QTest::newRow("dossier en lecture seule")
        << std::function<bool(Bibliotheque &)>([](Bibliotheque &b) {
               QFile::setPermissions(b.installation, QFile::ReadOwner | QFile::ExeOwner);
               // root writes anyway: then there is nothing to test.
               return !QDir(b.installation).mkdir(QStringLiteral("sonde"));
           })
        << "Impossible de créer le dossier des sons";
    QTest::newRow("bibliothèque de départ absente")
        << std::function<bool(Bibliotheque &)>([](Bibliotheque &b) {
               return QDir(b.source).removeRecursively();
           })
        << "La bibliothèque de départ est introuvable";
}

void TestInstaller::echecs()
{
    QFETCH(std::function<bool(Bibliotheque &)>, gacher);
    QFETCH(QString, debutErreur);
    Bibliotheque b;
    if (!gacher(b))
        QSKIP("the folder stays writable for this user");
    const QStringList apresGachis = QDir(b.installation).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    const ResultatInstallation r = b.installer();
    QFile::setPermissions(b.installation, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!r.ok);
    QVERIFY2(r.erreur.startsWith(debutErreur), qPrintable(r.erreur));
    QCOMPARE(r.message(), r.erreur);
    // Nothing is half done: no Sons folder, no Mots.dat, no working folder.
    QCOMPARE(QDir(b.installation).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), apresGachis);
    QVERIFY(!QFileInfo(b.sons()).isDir());
}
