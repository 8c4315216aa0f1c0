// Saves interrupted by everything a school computer does: the process
// killed at any moment (power cut), a full disk, a destination that cannot
// be written. The file on disk is always the whole old content or the whole
// new one, and a failure is told in French, naming the file.
#include "tst_fiabilite.h"

#include "enfant.h"
#include "instantane.h"
#include "versions.h"

#include "data/eleves.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <unistd.h>

using namespace fiabilite;

namespace {

constexpr int kCoupures = 40;

QString nomFichier(const QString &sorte)
{
    return sorte == QLatin1String("mots") ? kFichierMots : kEleve + kExtensionBilan;
}

QByteArray octetsVersion(const QString &sorte, int version)
{
    return sorte == QLatin1String("mots") ? octetsMots(version) : octetsBilan(version);
}

// Files the interrupted saves left behind (temporary files, when the system
// cannot make unnamed ones).
QStringList restes(const QString &dossier, const QString &fichier)
{
    QStringList noms = QDir(dossier).entryList(QDir::Files | QDir::Hidden);
    noms.removeAll(fichier);
    return noms;
}

// Stops the child, then tells whether it held a file of the folder open at
// that moment: the kill that follows lands inside a save.
bool arreterEnPleinEnregistrement(qint64 pid, const QString &dossier)
{
    ::kill(pid_t(pid), SIGSTOP);
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    for (int essai = 0; essai < 1000; ++essai) {
        QFile stat(proc + QStringLiteral("stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray ligne = stat.readAll();
        const qsizetype fin = ligne.lastIndexOf(')');
        if (fin > 0 && ligne.mid(fin + 2, 1) == "T")
            break;
        QThread::usleep(200);
    }
    // An unnamed temporary file shows as "<folder>/#123 (deleted)".
    const QByteArray canonique = QFile::encodeName(QDir(dossier).canonicalPath()) + '/';
    const QStringList fds = QDir(proc + QStringLiteral("fd")).entryList(QDir::AllEntries | QDir::System
                                                                        | QDir::NoDotAndDotDot);
    for (const QString &fd : fds) {
        char cible[4096];
        const ssize_t n = ::readlink(QFile::encodeName(proc + QStringLiteral("fd/") + fd).constData(), cible,
                                     sizeof cible);
        if (n > 0 && QByteArray(cible, n).startsWith(canonique))
            return true;
    }
    return false;
}

// chattr +i stops even root from writing; undone when the guard goes.
struct Immuable {
    QString chemin;
    bool pose = false;
    explicit Immuable(const QString &c) : chemin(c)
    {
        pose = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), chemin}) == 0;
    }
    ~Immuable()
    {
        if (pose)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), chemin});
    }
};

} // namespace

void TestCoupures::coupureEnPleinEnregistrement_data()
{
    QTest::addColumn<QString>("sorte");
    QTest::newRow("fichier de l'élève") << QStringLiteral("bilan");
    QTest::newRow("Mots.dat") << QStringLiteral("mots");
}

void TestCoupures::coupureEnPleinEnregistrement()
{
    QFETCH(QString, sorte);
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString fichier = nomFichier(sorte);
    const QString chemin = dossier.filePath(fichier);
    QList<QByteArray> versions;
    for (int v = 0; v < kVersions; ++v)
        versions << octetsVersion(sorte, v);
    QVERIFY(ecrireOctets(chemin, versions[0]));

    QRandomGenerator hasard(20260314);
    int enPleinEnregistrement = 0;
    for (int coupure = 0; coupure < kCoupures; ++coupure) {
        QProcess enfant;
        enfant.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(kModeBoucle), sorte, dossier.path()});
        QVERIFY2(enfant.waitForStarted(10000), qPrintable(enfant.errorString()));
        QVERIFY(enfant.waitForReadyRead(30000));
        QCOMPARE(enfant.readLine().trimmed(), QByteArray("pret"));
        QThread::usleep(hasard.bounded(5000, 400000));
        if (arreterEnPleinEnregistrement(enfant.processId(), dossier.path()))
            ++enPleinEnregistrement;
        ::kill(pid_t(enfant.processId()), SIGKILL);
        QVERIFY(enfant.waitForFinished(10000));
        QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);

        const QByteArray surDisque = lireOctets(chemin);
        QVERIFY2(!surDisque.isEmpty(), qPrintable(QStringLiteral("coupure %1 : fichier vide").arg(coupure)));
        QVERIFY2(versions.contains(surDisque),
                 qPrintable(QStringLiteral("coupure %1 : %2 octets qui ne sont aucune version complète")
                                .arg(coupure).arg(surDisque.size())));
        const QStringList laisses = restes(dossier.path(), fichier);
        // A temporary file left by a cut is never taken for a pupil.
        if (sorte == QLatin1String("bilan"))
            QCOMPARE(listerEleves(dossier.path()), QStringList{kEleve});
        for (const QString &reste : laisses)
            QFile::remove(dossier.filePath(reste));
    }
    qInfo("%d coupures, dont %d avec un fichier du dossier ouvert", kCoupures, enPleinEnregistrement);
    // The kills must really land inside saves, or this proves nothing.
    QVERIFY(enPleinEnregistrement > 0);
}

void TestCoupures::disquePlein_data()
{
    QTest::addColumn<QString>("sorte");
    QTest::newRow("fichier de l'élève") << QStringLiteral("bilan");
    QTest::newRow("Mots.dat") << QStringLiteral("mots");
}

void TestCoupures::disquePlein()
{
    QFETCH(QString, sorte);
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString fichier = nomFichier(sorte);
    QVERIFY(ecrireOctets(dossier.filePath(fichier), octetsVersion(sorte, 0)));
    const Instantane avant = instantane(dossier.path());

    QProcess enfant;
    // The new content is larger than the limit: the write runs out of room.
    const qint64 limite = 64 * 1024;
    QVERIFY(octetsVersion(sorte, 2).size() > limite);
    enfant.start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(kModeDisquePlein), sorte, dossier.path(), QString::number(limite)});
    QVERIFY(enfant.waitForFinished(60000));
    QCOMPARE(enfant.exitCode(), 0);
    const QString message = QString::fromUtf8(enfant.readAllStandardOutput()).trimmed();
    QCOMPARE(message, QStringLiteral("Impossible d'enregistrer le fichier « %1 » : "
                                     "l'écriture a échoué ; le disque est peut-être plein.").arg(fichier));
    QCOMPARE(differences(avant, instantane(dossier.path())), QStringList());
}

void TestCoupures::destinationInaccessible_data()
{
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<QString>("situation");
    // %1: the installation folder.
    QTest::addColumn<QString>("raison");
    const char *const situations[][2] = {
        {"dossier immuable", "le fichier ou son dossier est protégé en écriture."},
        {"fichier immuable", "le fichier ou son dossier est protégé en écriture."},
        {"dossier remplacé par un fichier", "« %1 » n'est pas un dossier."},
        {"clé retirée", "le dossier « %1 » est introuvable (clé ou disque retiré ?)."},
        {"fichier remplacé par un dossier", "c'est un dossier."},
    };
    for (const QString &sorte : {QStringLiteral("bilan"), QStringLiteral("mots")}) {
        for (const auto &[situation, raison] : situations)
            QTest::addRow("%s, %s", qPrintable(sorte), situation)
                << sorte << QString::fromUtf8(situation) << QString::fromUtf8(raison);
    }
}

void TestCoupures::destinationInaccessible()
{
    QFETCH(QString, sorte);
    QFETCH(QString, situation);
    QFETCH(QString, raison);
    QTemporaryDir racine;
    QVERIFY(racine.isValid());
    const QString installation = racine.filePath(QStringLiteral("classe"));
    QVERIFY(QDir().mkpath(installation));
    const QString fichier = nomFichier(sorte);
    const QString chemin = QDir(installation).filePath(fichier);
    QVERIFY(ecrireOctets(chemin, octetsVersion(sorte, 0)));

    std::unique_ptr<Immuable> verrou;
    if (situation == QStringLiteral("dossier immuable")) {
        verrou = std::make_unique<Immuable>(installation);
    } else if (situation == QStringLiteral("fichier immuable")) {
        verrou = std::make_unique<Immuable>(chemin);
    } else if (situation == QStringLiteral("dossier remplacé par un fichier")) {
        QVERIFY(QDir(installation).removeRecursively());
        QVERIFY(ecrireOctets(installation, "pas un dossier"));
    } else if (situation == QStringLiteral("clé retirée")) {
        QVERIFY(QDir(installation).removeRecursively());
    } else if (situation == QStringLiteral("fichier remplacé par un dossier")) {
        QVERIFY(QFile::remove(chemin));
        QVERIFY(QDir().mkpath(QDir(chemin).filePath(QStringLiteral("dedans"))));
    } else {
        QFAIL("unknown situation");
    }
    if (verrou && !verrou->pose)
        QSKIP("chattr is not available here: an immutable destination cannot be made");
    const Instantane avant = instantane(racine.path());

    const ResultatEcriture resultat = sorte == QLatin1String("mots")
                                          ? EnregistrerListeMots(installation, listeVersion(1))
                                          : EnregistrerBilan(tableVersion(1), installation, kEleve);
    QVERIFY(!resultat.ok);
    QCOMPARE(resultat.message(), QStringLiteral("Impossible d'enregistrer le fichier « %1 » : ").arg(fichier)
                                     + (raison.contains(QLatin1String("%1")) ? raison.arg(installation) : raison));
    verrou.reset();
    QCOMPARE(differences(avant, instantane(racine.path())), QStringList());
}
