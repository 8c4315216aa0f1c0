// One class folder shared by several Unix accounts, as a school sets it up:
// a folder of the class's group, setgid and group-writable, each account
// with the usual umask 022 and a group of its own. The teacher and two
// pupils are real accounts made by the test (which needs root for that);
// each step runs this same program as one of them.
#include "data/bilan.h"
#include "data/eleves.h"
#include "data/journal.h"
#include "data/verrou.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kGroupe = u"orthoval-classe"_s;
const QStringList kComptes{u"orthoval-prof"_s, u"orthoval-eleve1"_s, u"orthoval-eleve2"_s};

// Child: "--compte ACTION FOLDER PUPIL" does one thing as the account it was
// started as and prints what came of it.
//   creer: the teacher creates the pupil; enregistrer: the pupil's file is
//   saved with one word (enregistrer-copie: a copy of the old one kept first); journal: one answer is added to his journal;
//   ecarter: the teacher sets damaged locks aside;
//   verrou: his lock is taken and given back; verrou-mort: taken, then the
//   program dies holding it; verrou-tenu: taken and held until the input closes.
int enfant(int argc, char **argv)
{
    if (argc != 5 || std::strcmp(argv[1], "--compte") != 0)
        return -1;
    ::umask(022);
    QCoreApplication application(argc, argv);
    const QByteArray action = argv[2];
    const QString dossier = QString::fromLocal8Bit(argv[3]), eleve = QString::fromLocal8Bit(argv[4]);
    const auto dire = [](const QString &texte) { std::puts(qUtf8Printable(texte)); std::fflush(stdout); };
    if (action == "creer") {
        dire(creerEleve(dossier, eleve).ok ? u"ok"_s : creerEleve(dossier, eleve).message());
    } else if (action == "enregistrer" || action == "enregistrer-copie") {
        TableProgression table;
        LigneProgression ligne{};
        ligne[kColonnesMot[0]] = u"chat"_s;
        ligne[kColonneNiveau] = u"1"_s;
        ligne[kColonneDate] = u"05/12/2026"_s;
        table.ajouterLigne(ligne);
        const ResultatEcriture resultat = EnregistrerBilan(table, dossier, eleve, action == "enregistrer-copie");
        dire(resultat.ok ? u"ok"_s : resultat.message());
    } else if (action == "journal") {
        dire(Journal(dossier, eleve).AjouterReponse(QDateTime(QDate(2026, 12, 5), QTime(9, 0)), u"chat"_s, u"cha"_s, false, 0)
                 ? u"ok"_s : u"échec"_s);
    } else if (action == "dossier-verrou") {
        const QDir d(dossier);
        dire(d.mkpath(u"Paul.bil.verrou/dedans"_s) ? u"ok"_s : u"échec"_s);
    } else if (action == "ecarter") {
        dire(ecarterVerrousAbimes(dossier).join(u','));
    } else {
        const Verrou verrou(cheminVerrouEleve(dossier, eleve));
        dire(verrou.tenu() ? u"tenu"_s : verrou.occupe() ? u"occupé"_s : verrou.abime() ? u"abîmé"_s : u"échec"_s);
        if (action == "verrou-mort" && verrou.tenu())
            std::_Exit(0);   // no unlock: as at a crash or a power cut
        if (action == "verrou-tenu")
            std::getchar();
    }
    return 0;
}

bool executer(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Makes the group and the accounts once; false when it cannot.
bool preparerComptes()
{
    if (::getgrnam(qPrintable(kGroupe)) == nullptr && !executer(u"groupadd"_s, {kGroupe}))
        return false;
    for (const QString &compte : kComptes) {
        if (executer(u"id"_s, {compte}))
            continue;
        // A group of its own as primary group (-U): the class's is only shared
        // through the folder.
        if (!executer(u"useradd"_s, {u"-M"_s, u"-U"_s, u"-G"_s, kGroupe, u"-s"_s, u"/usr/sbin/nologin"_s, compte}))
            return false;
    }
    return true;
}

} // namespace

class TestComptes : public QObject {
    Q_OBJECT

    QTemporaryDir racine_;
    QString dossier_;
    std::unique_ptr<QProcess> tenant_;

    QString comme(const QString &compte, const QString &action, const QString &eleve = u"Paul"_s)
    {
        QProcess p;
        p.start(u"runuser"_s, {u"-u"_s, compte, u"--"_s, QCoreApplication::applicationFilePath(), u"--compte"_s, action,
                               dossier_, eleve});
        if (!p.waitForFinished(30000))
            return u"<bloqué>"_s;
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed() + QString::fromUtf8(p.readAllStandardError()).trimmed();
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("deux comptes Unix ne peuvent être créés que par root");
        if (!preparerComptes())
            QSKIP("les comptes de test n'ont pas pu être créés (groupadd, useradd)");
        // The accounts must reach this program.
        QVERIFY(racine_.isValid());
        ::chmod(QFile::encodeName(racine_.path()).constData(), 0755);
    }

    void init()
    {
        dossier_ = racine_.filePath(QString::fromUtf8(QTest::currentDataTag()).replace(u' ', u'_').replace(u',', u'_'));
        QVERIFY(QDir().mkpath(dossier_));
        const QByteArray chemin = QFile::encodeName(dossier_);
        QVERIFY(::chown(chemin.constData(), 0, ::getgrnam(qPrintable(kGroupe))->gr_gid) == 0);
        QVERIFY(::chmod(chemin.constData(), 02775) == 0);
    }

    void cleanup()
    {
        if (tenant_) {
            tenant_->closeWriteChannel();
            tenant_->waitForFinished(10000);
            tenant_.reset();
        }
    }

    // Each row: steps "account:action", the last one's answer expected.
    void partage_data()
    {
        QTest::addColumn<QStringList>("etapes");
        QTest::addColumn<QString>("attendu");
        // The teacher creates Paul; Paul's own account saves his work.
        QTest::newRow("bilan créé par le maître") << QStringList{"orthoval-prof:creer", "orthoval-eleve1:enregistrer"} << "ok";
        // The second account saves after the first: both are the class's.
        QTest::newRow("bilan enregistré par deux comptes")
            << QStringList{"orthoval-eleve1:enregistrer", "orthoval-eleve2:enregistrer", "orthoval-prof:enregistrer"} << "ok";
        // So is the folder of copies made by the first account that needed it.
        QTest::newRow("copie après un autre compte")
            << QStringList{"orthoval-eleve2:enregistrer:Lea", "orthoval-eleve2:enregistrer-copie:Lea",
                           "orthoval-eleve1:enregistrer", "orthoval-eleve1:enregistrer-copie"} << "ok";
        // The journal folder made by one account takes the others' journals.
        QTest::newRow("journal après un autre compte")
            << QStringList{"orthoval-eleve2:journal:Lea", "orthoval-eleve1:journal", "orthoval-eleve2:journal"} << "ok";
        // A lock left by a crash of another account is taken over.
        QTest::newRow("verrou d'un compte mort") << QStringList{"orthoval-eleve1:verrou-mort", "orthoval-eleve2:verrou"} << "tenu";
        QTest::newRow("verrou d'un compte mort, pour le maître")
            << QStringList{"orthoval-eleve1:verrou-mort", "orthoval-prof:verrou"} << "tenu";
        // The same, left by an older version or another tool, with rights
        // that let no other account write it.
        QTest::newRow("verrou d'un compte mort, fermé aux autres")
            << QStringList{"orthoval-eleve1:verrou-mort", "chmod:0644", "orthoval-eleve2:verrou"} << "tenu";
        // But a lock held by a living program of another account is never taken.
        QTest::newRow("verrou tenu par un autre compte, fermé aux autres")
            << QStringList{"orthoval-eleve1:verrou-tenu", "chmod:0644", "orthoval-eleve2:verrou"} << "occupé";
        // A folder planted at the lock's name keeps Paul out, and says so,
        // until the teacher sets it aside; what it holds is kept.
        QTest::newRow("verrou en dossier") << QStringList{"orthoval-eleve2:dossier-verrou", "orthoval-eleve1:verrou"} << "abîmé";
        QTest::newRow("verrou en dossier écarté par le maître")
            << QStringList{"orthoval-eleve2:dossier-verrou", "orthoval-prof:ecarter", "orthoval-eleve1:verrou"} << "tenu";
        QTest::newRow("verrou tenu par un autre compte") << QStringList{"orthoval-eleve1:verrou-tenu", "orthoval-prof:verrou"} << "occupé";
    }
    void partage()
    {
        QFETCH(QStringList, etapes);
        QFETCH(QString, attendu);
        QString obtenu;
        for (const QString &etape : etapes) {
            const QStringList parties = etape.split(u':');
            if (parties[0] == u"chmod") {
                QVERIFY(::chmod(QFile::encodeName(cheminVerrouEleve(dossier_, u"Paul"_s)).constData(),
                                mode_t(parties[1].toUInt(nullptr, 8))) == 0);
                continue;
            }
            const QString eleve = parties.value(2, u"Paul"_s);
            if (parties[1] == u"verrou-tenu") {
                tenant_ = std::make_unique<QProcess>();
                tenant_->start(u"runuser"_s, {u"-u"_s, parties[0], u"--"_s, QCoreApplication::applicationFilePath(),
                                              u"--compte"_s, parties[1], dossier_, eleve});
                QVERIFY(tenant_->waitForReadyRead(30000));
                QCOMPARE(tenant_->readLine().trimmed(), QByteArray("tenu"));
                continue;
            }
            obtenu = comme(parties[0], parties[1], eleve);
            if (&etape != &etapes.constLast())   // the steps before must work for the last to mean anything
                QVERIFY2(obtenu == u"ok" || obtenu == u"tenu" || obtenu == u"Paul.bil.verrou", qPrintable(etape + u" : "_s + obtenu));
        }
        QCOMPARE(obtenu, attendu);
        if (etapes.contains(u"orthoval-prof:ecarter"_s))
            QCOMPARE(QDir(dossier_).entryList({u"Paul.bil.verrou-abime-*"_s}, QDir::Dirs).size(), 1);
    }
};

int main(int argc, char **argv)
{
    if (const int codeEnfant = enfant(argc, argv); codeEnfant >= 0)
        return codeEnfant;
    QCoreApplication application(argc, argv);
    TestComptes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_comptes.moc"
