// The answer journal under what a school computer does: the program killed
// while it appends, then a power cut; damaged lines; a file grown for years.
// The same program, started with a child mode, is the process the test kills.
// (Full disks and planted links: the pupil visit tests.)
#include "data/journal.h"
#include "../support/fichiers.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const QString kEleve = QStringLiteral("Dupont Léa");
const QDateTime kMaintenant(QDate(2026, 12, 7), QTime(8, 15, 3));

// n journal lines for the words motD..mot(D+n-1), one a minute from debut.
QByteArray lignes(int depart, int n, const QDateTime &debut)
{
    QByteArray octets;
    for (int i = depart; i < depart + n; ++i)
        octets += debut.addSecs(60 * (i - depart)).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1()
            + "\tmot" + QByteArray::number(i) + "\tmôt\tfaux\t4\n";
    return octets;
}

QStringList mots(const LectureJournal &lecture)
{
    QStringList resultat;
    for (const LigneJournal &ligne : lecture.lignes)
        resultat << ligne.mot;
    return resultat;
}

// Child: "--ajouter dossier" appends mot<n>, mot<n+1>... after the last line
// it reads, until killed.
int enfant(int argc, char **argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--ajouter") != 0)
        return -1;
    const QString dossier = QString::fromLocal8Bit(argv[2]);
    Journal journal(dossier, kEleve);
    const LectureJournal avant = LireJournal(dossier, kEleve);
    int n = avant.lignes.isEmpty() ? 0 : avant.lignes.last().mot.mid(3).toInt() + 1;
    std::puts("pret");
    std::fflush(stdout);
    while (journal.AjouterReponse(kMaintenant, QStringLiteral("mot%1").arg(n), QStringLiteral("môt"), false, 4))
        ++n;
    return 2;
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    // Killed at any moment, then a power cut that tears the last line: every
    // complete line is read, in order, and the next visit's lines after them.
    void coupureEnPleinAjout()
    {
        QTemporaryDir dossier;
        const QString chemin = cheminJournal(dossier.path(), kEleve);
        QRandomGenerator hasard(20261207);
        int attendus = 0;
        for (int coupure = 0; coupure < 6; ++coupure) {
            QProcess enfant;
            enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ajouter"), dossier.path()});
            QVERIFY(enfant.waitForReadyRead(30000));
            QCOMPARE(enfant.readLine().trimmed(), QByteArray("pret"));
            QThread::usleep(hasard.bounded(2000, 60000));
            ::kill(pid_t(enfant.processId()), SIGKILL);
            QVERIFY(enfant.waitForFinished(10000));
            QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);

            // The power cut: the last line loses its end.
            const QByteArray octets = lireOctets(chemin);
            QVERIFY(octets.endsWith('\n'));
            QVERIFY(::truncate(QFile::encodeName(chemin).constData(), octets.size() - 3) == 0);

            const QStringList lus = mots(LireJournal(dossier.path(), kEleve));
            QVERIFY(!lus.isEmpty());
            for (int i = 1; i < lus.size(); ++i)
                QCOMPARE(lus[i], QStringLiteral("mot%1").arg(lus[i - 1].mid(3).toInt() + 1));
            // Nothing lost at the end but the torn line (the child may have
            // written nothing before the kill)...
            const int dernier = lus.last().mid(3).toInt();
            QVERIFY2(dernier >= attendus - 1, qPrintable(QStringLiteral("%1 < %2").arg(dernier).arg(attendus - 1)));
            // ...and nothing skipped but the torn lines, each closed by the next visit.
            QVERIFY(octets.count('\n') - lus.size() - 1 <= coupure);
            attendus = dernier;
        }
        QVERIFY(attendus > 0);
        QVERIFY(!LireJournal(dossier.path(), kEleve).incomplet);
    }

    // Damaged lines are skipped one by one; the rest is read.
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("lus");
        QTest::addColumn<bool>("incomplet");
        const QByteArray bonne = "2026-12-07T08:15:03\tmaison\tméson\tfaux\t4\n";
        QTest::newRow("ligne déchirée") << bonne + "2026-12-07T08:16:00\tfenêtre\tfen" << QStringList{"maison"} << false;
        QTest::newRow("date impossible, champ en trop ou manquant")
            << "2026-02-30T08:15:03\ta\ta\tfaux\t3\n2026-12-07T08:15:03\ta\tb\tfaux\t3\t1\n2026-12-07T08:15:03\ta\tfaux\t3\n" + bonne
            << QStringList{"maison"} << false;
        QTest::newRow("étape ou verdict inconnus") << "2026-12-07T08:15:03\ta\ta\tjuste\t2\n2026-12-07T08:15:03\ta\ta\toui\t3\n" + bonne << QStringList{"maison"} << false;
        QTest::newRow("lacune marquée") << "2026-12-07T08:14:00\tincomplet\n" + bonne << QStringList{"maison"} << true;
        QTest::newRow("fin CR LF d'un éditeur") << QByteArray(bonne).replace("\n", "\r\n") << QStringList{"maison"} << false;
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, lus);
        QFETCH(bool, incomplet);
        const LectureJournal lecture = AnalyserJournal(octets);
        QCOMPARE(mots(lecture), lus);
        QCOMPARE(lecture.incomplet, incomplet);
    }

    // A journal grown past a year or past its size keeps its newest lines,
    // and is rewritten once a visit at most.
    void rotation_data()
    {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<qint64>("plafond");
        QTest::addColumn<int>("premierGarde");  // the oldest word kept; -1: as many as fit in 3/4 of the cap
        QTest::newRow("plus d'un an") << lignes(0, 300, kMaintenant.addDays(-400)) + lignes(300, 10, kMaintenant.addDays(-2))
                                      << kPlafondJournal << 300;
        // Within a month past the year, the file is left as it is.
        QTest::newRow("un an et quinze jours") << lignes(0, 50, kMaintenant.addDays(-380)) + lignes(50, 10, kMaintenant.addDays(-2))
                                               << kPlafondJournal << 0;
        QTest::newRow("trop gros") << lignes(0, 200, kMaintenant.addDays(-30)) << qint64(6000) << -1;
    }
    void rotation()
    {
        QFETCH(QByteArray, avant);
        QFETCH(qint64, plafond);
        QFETCH(int, premierGarde);
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(kDossierJournal));
        const QString chemin = cheminJournal(dossier.path(), kEleve);
        QVERIFY(ecrireOctets(chemin, avant + "2026-12-06T10:00:00\tdéchi"));
        Journal journal(dossier.path(), kEleve, plafond);
        QVERIFY(journal.AjouterReponse(kMaintenant, QStringLiteral("mot9999"), QStringLiteral("mot"), false, 5));
        const QStringList lus = mots(LireJournal(dossier.path(), kEleve));
        const int premier = lus.first().mid(3).toInt();
        QCOMPARE(lus.last(), QStringLiteral("mot9999"));
        QCOMPARE(lus.size(), avant.count('\n') - premier + 1);
        if (premierGarde >= 0) {
            QCOMPARE(premier, premierGarde);
        } else {  // the newest lines, as many as fit
            const qint64 gardes = lireOctets(chemin).size() - lignes(9999, 1, kMaintenant).size();
            QVERIFY(premier > 0 && gardes <= plafond * 3 / 4);
            QVERIFY(gardes + lignes(premier - 1, 1, kMaintenant).size() > plafond * 3 / 4);
        }

        // The second answer of the visit only appends.
        const QByteArray apresRotation = lireOctets(chemin);
        QVERIFY(ecrireOctets(chemin, apresRotation + lignes(20000, 200, kMaintenant)));
        QVERIFY(journal.AjouterReponse(kMaintenant, QStringLiteral("fin"), QStringLiteral("fin"), true, 6));
        QVERIFY(lireOctets(chemin).startsWith(apresRotation + lignes(20000, 200, kMaintenant)));
    }
};

int main(int argc, char **argv)
{
    if (const int codeEnfant = enfant(argc, argv); codeEnfant >= 0)
        return codeEnfant;
    QCoreApplication application(argc, argv);
    TestJournal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
