// Saves interrupted by what a school computer does (process killed at any
// moment, full disk, destination that cannot be written), and every hostile
// input the data layer meets. The same program, started with a child mode,
// is the process that the tests kill or starve while it saves.
#include "data/bilan.h"
#include "data/dates.h"
#include "data/eleves.h"
#include "data/listemots.h"
#include "data/reglages.h"
#include "audio/dureewav.h"
#include "../support/fichiers.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kVersions = 3;
constexpr int kCoupures = 20;
constexpr rlim_t kLimiteDisque = 64 * 1024;
const QString kEleve = QStringLiteral("Dupont Léa");
const QDate kAujourdhui(2026, 3, 14);

// Large contents, different in size, so that the file on disk tells which
// version it holds. Built once, so that a child spends its time saving.
struct Versions { QList<TableProgression> tables; QList<ListeMots> listes; };

const Versions &versions()
{
    static const Versions v = [] {
        Versions v{QList<TableProgression>(kVersions), QList<ListeMots>(kVersions)};
        for (int n = 0; n < kVersions; ++n) {
            for (int i = 0; i < 3000 + 700 * n; ++i) {
                LigneProgression ligne;
                ligne[kColonnesMot[(i + n) % int(kColonnesMot.size())]] = QStringLiteral("mot%1é").arg(i);
                ligne[kColonneNiveau] = QString::number(1 + (i + n) % 5);
                ligne[kColonneDate] = texteDate(QDate(2026, 1, 1).addDays(i % 300 + n));
                v.tables[n].ajouterLigne(ligne);
            }
            for (int i = 0; i < 4000 + 900 * n; ++i)
                v.listes[n].append(EntreeMot{QStringLiteral("écureuil%1").arg(i), QString::number((i + n) % 6).remove(u'0')});
        }
        return v;
    }();
    return v;
}

QString nomFichier(const QString &sorte) { return sorte == u"mots" ? kFichierMots : kEleve + kExtensionBilan; }

ResultatEcriture enregistrer(const QString &sorte, const QString &dossier, int version)
{
    return sorte == u"mots" ? EnregistrerListeMots(dossier, versions().listes[version])
                            : EnregistrerBilan(versions().tables[version], dossier, kEleve, false);
}

// Child: "--boucle sorte dossier" saves versions 1, 2, 0, 1, ... until killed;
// "--disque-plein sorte dossier" saves once on a disk that fills up (the
// system refuses to let a file grow past the limit) and prints the outcome.
int enfant(int argc, char **argv)
{
    const bool plein = argc == 4 && std::strcmp(argv[1], "--disque-plein") == 0;
    if (argc != 4 || (!plein && std::strcmp(argv[1], "--boucle") != 0))
        return -1;
    const QString sorte = QString::fromLocal8Bit(argv[2]), dossier = QString::fromLocal8Bit(argv[3]);
    const rlimit limite{kLimiteDisque, kLimiteDisque};
    if (plein && (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limite) != 0))
        return 3;
    versions();
    if (plein)
        return std::puts(qUtf8Printable(enregistrer(sorte, dossier, 2).message())) < 0;
    std::puts("pret");
    std::fflush(stdout);
    for (int n = 1; enregistrer(sorte, dossier, n % kVersions).ok; ++n) {}
    return 2;
}

// Stops the child and tells whether it held a file of the folder open (an
// unnamed temporary file shows as "<folder>/#123 (deleted)"): the kill that
// follows then lands inside a save.
bool arreteEnPleinEnregistrement(qint64 pid, const QString &dossier)
{
    ::kill(pid_t(pid), SIGSTOP);
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    for (int essai = 0; essai < 1000 && !lireOctets(proc + QStringLiteral("stat")).contains(") T "); ++essai)
        QThread::usleep(200);
    const QString canonique = QDir(dossier).canonicalPath() + u'/';
    const QFileInfoList fds = QDir(proc + QStringLiteral("fd")).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(fds.cbegin(), fds.cend(), [&](const QFileInfo &fd) { return fd.symLinkTarget().startsWith(canonique); });
}

// Relative path -> bytes of every file of a folder ("name/": a folder).
using Instantane = QMap<QString, QByteArray>;

Instantane instantane(const QString &dossier)
{
    Instantane resultat;
    for (QDirIterator it(dossier, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();) {
        const QString chemin = it.next();
        resultat.insert(QDir(dossier).relativeFilePath(chemin) + (it.fileInfo().isDir() ? "/" : ""), lireOctets(chemin));
    }
    return resultat;
}

// The paths added, removed or changed between two snapshots.
QStringList differences(const Instantane &avant, const Instantane &apres)
{
    QStringList chemins = avant.keys() + apres.keys();
    chemins.removeDuplicates();
    chemins.removeIf([&](const QString &c) { return avant.value(c, "<aucun>") == apres.value(c, "<aucun>"); });
    chemins.sort();
    return chemins;
}

} // namespace

class TestFiabilite : public QObject {
    Q_OBJECT
private slots:
    // After every kill the file is the whole old content or the whole new one.
    void coupureEnPleinEnregistrement()
    {
        QRandomGenerator hasard(20260314);
        for (const QString &sorte : {QStringLiteral("bilan"), QStringLiteral("mots")}) {
            QTemporaryDir dossier;
            const QString chemin = dossier.filePath(nomFichier(sorte));
            QList<QByteArray> contenus; // each version as saved whole, the last one staying on disk
            for (int v = 0; v < kVersions; ++v) {
                QVERIFY(enregistrer(sorte, dossier.path(), v).ok);
                contenus << lireOctets(chemin);
            }
            int enPleinEnregistrement = 0;
            // On a loaded machine few cuts may fall inside a save: more are
            // made until some do.
            for (int coupure = 0; coupure < kCoupures || (enPleinEnregistrement < 3 && coupure < 5 * kCoupures); ++coupure) {
                QProcess enfant;
                enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--boucle"), sorte, dossier.path()});
                QVERIFY(enfant.waitForReadyRead(30000));
                QCOMPARE(enfant.readLine().trimmed(), QByteArray("pret"));
                QThread::usleep(hasard.bounded(5000, 400000));
                enPleinEnregistrement += arreteEnPleinEnregistrement(enfant.processId(), dossier.path());
                ::kill(pid_t(enfant.processId()), SIGKILL);
                QVERIFY(enfant.waitForFinished(10000));
                QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);
                QVERIFY2(contenus.contains(lireOctets(chemin)), qPrintable(QStringLiteral("%1, coupure %2 : %3 octets, aucune version complète")
                                                                      .arg(sorte).arg(coupure).arg(lireOctets(chemin).size())));
                if (sorte == u"bilan") // a temporary file left by a cut is never taken for a pupil
                    QCOMPARE(listerEleves(dossier.path()), QStringList{kEleve});
            }
            // The kills must really land inside saves, or this proves nothing.
            QVERIFY2(enPleinEnregistrement > 0, qPrintable(sorte));
        }
    }

    // A failed save says why in French, naming the file, and changes nothing.
    void destinationInaccessible_data()
    {
        QTest::addColumn<QString>("raison"); // %1: the installation folder; the tag: situation, file saved
        // Versions 0 and 1 of Mots.dat differ in their levels: a copy is kept first.
        const QString copie = QStringLiteral("la copie de sauvegarde à faire avant de le remplacer a échoué : ");
        const QString taille = QStringLiteral("le fichier dépasse la taille permise ; l'ancien fichier est resté tel qu'il était.");
        QTest::newRow("disque plein, bilan") << taille;
        // The copy is a second name for the old bytes: it needs no room.
        QTest::newRow("disque plein, mots") << taille;
        QTest::newRow("dossier remplacé par un fichier, mots") << "« %1 » n'est pas un dossier.";
        QTest::newRow("clé retirée, bilan") << "le dossier « %1 » est introuvable (clé ou disque retiré ?).";
        QTest::newRow("dossier immuable, mots") << copie + "le fichier ou son dossier est protégé en écriture.";
    }

    void destinationInaccessible()
    {
        QFETCH(QString, raison);
        const QStringList tag = QString::fromUtf8(QTest::currentDataTag()).split(QStringLiteral(", "));
        const QString &situation = tag[0], &sorte = tag[1];
        QTemporaryDir racine;
        const QString classe = racine.filePath(QStringLiteral("classe"));
        QVERIFY(QDir().mkpath(classe) && enregistrer(sorte, classe, 0).ok);
        const bool immuable = situation == u"dossier immuable";
        if (immuable && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), classe}) != 0)
            QSKIP("chattr +i is not available here");
        const auto deverrouiller = qScopeGuard([&] { if (immuable) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), classe}); });
        if (situation != u"disque plein" && !immuable) // the folder gone, or replaced by a file
            QVERIFY(QDir(classe).removeRecursively() && (situation == u"clé retirée" || ecrireOctets(classe, "pas un dossier")));
        const Instantane avant = instantane(racine.path());
        QString message;
        if (situation != u"disque plein") {
            message = enregistrer(sorte, classe, 1).message();
        } else { // version 2 is larger than the limit
            QProcess enfant;
            enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--disque-plein"), sorte, classe});
            QVERIFY(enfant.waitForFinished(60000));
            message = QString::fromUtf8(enfant.readAllStandardOutput()).trimmed();
        }
        QCOMPARE(message, QStringLiteral("Impossible d'enregistrer le fichier « %1 » : ").arg(nomFichier(sorte))
                              + QString(raison).replace(QStringLiteral("%1"), classe));
        // Nothing changes but, maybe, a copy of the old file kept.
        const Instantane apres = instantane(racine.path());
        QStringList changes = differences(avant, apres);
        changes.removeIf([&](const QString &c) {
            return c.startsWith(QStringLiteral("classe/Sauvegardes/")) && apres.value(c) == avant.value(QStringLiteral("classe/") + nomFichier(sorte));
        });
        changes.removeAll(QStringLiteral("classe/Sauvegardes/"));
        QCOMPARE(changes, QStringList());
    }

    // Hostile input in an installation folder as a class leaves it: what the
    // program makes of it, and which files change on disk (none unless said).
    // "nom" is the pupil name typed, or else the file given "octets" first.
    void catalogue_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QStringList>("changes");
        const auto ligne = [](const QString &titre, const QString &nom, const QByteArray &octets, const QString &attendu,
                              const QStringList &changes = {}) { QTest::newRow(qPrintable(titre)) << nom << octets << attendu << changes; };
        // Pupil names typed by the teacher.
        ligne("nom : séparateur", "../Paul", {}, "Le nom de l'élève ne peut pas contenir le caractère « / ».");
        ligne("nom : ..", "..", {}, "Le nom « .. » ne peut pas servir de nom de fichier.");
        ligne("nom : réservé", "Léo:2", {}, "Le nom de l'élève ne peut pas contenir le caractère « : ».");
        ligne("nom : 300 caractères", QString(300, u'a'), {}, "Le nom de l'élève est trop long (40 caractères au plus).");
        ligne("nom : blancs seuls", "   ", {}, "Le nom de l'élève est vide.");
        ligne("nom : contrôle", "Léa\tMartin", {}, "Le nom de l'élève ne peut pas contenir de caractère de contrôle.");
        ligne("nom : hors Windows-1252", "Zoë ☺", {}, "Le nom de l'élève ne peut pas contenir le caractère « ☺ » (U+263A).");
        ligne("nom : point final", "Paul.", {}, "Le nom de l'élève ne peut pas se terminer par un point ou une espace.");
        ligne("nom : accents, tiret, apostrophe", "Élodie Jean-Luc O'Neil", {}, "créé ; élèves : Élodie Jean-Luc O'Neil,Paul",
              {"Élodie Jean-Luc O'Neil.bil"});
        ligne("nom : existant", "Paul", {}, "créé ; élèves : Paul"); // Paul's progress is kept
        ligne("nom : existant, autre casse", "paul", {}, "créé ; élèves : Paul,paul", {"paul.bil"});
        // Progress files edited by hand: the number of rows after the update, then the first two.
        QByteArray ligneGeante;
        for (int i = 0; i < 100000; ++i)
            ligneGeante += i % 11 == 3 ? "\"chat\"," : "\"\",";
        const QString chatLune = QStringLiteral("2 ligne(s) / chat|1|14/03/2026 / lune|2|14/03/2026");
        ligne("bil : guillemet dans une valeur", "Paul.bil", "\"\",\"1\",\"01/03/2026\",\"ch\"at\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n", chatLune);
        ligne("bil : 100 000 valeurs sur une ligne", "Paul.bil", ligneGeante, "9092 ligne(s) / |1|14/03/2026|chat / ||14/03/2026|chat");
        ligne("bil : octet nul", "Paul.bil", QByteArray("\"\",\"1\",\"01/03/2026\",\"ch\0at\"\r\n", 28), chatLune);
        ligne("bil : BOM UTF-8", "Paul.bil", "\xEF\xBB\xBF\"\",\"2\",\"01/03/2026\",\"lune\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n",
              "2 ligne(s) / |2|01/03/2026|lune / chat|1|14/03/2026");
        ligne("bil : fins de ligne mêlées", "Paul.bil", "\"\"\r\"1\"\n\"01/03/2026\"\r\n\"chat\"\n\n\r\r\n\r\n\"\"\n\"\"\r\"\"\n",
              "2 ligne(s) / |1|01/03/2026|chat / lune|2|14/03/2026");
        // Recordings: the teacher's list, the recordings refused, the duration of "nom".
        ligne("son : .wav de zéro octet", "Sons/mer.wav", "", "chat:1 lune:2 mer: ; refusés :  ; Sons illisible : non ; 0 ms");
        ligne("son : texte nommé .wav", "Sons/mer.wav", "pas un son\r\n", "chat:1 lune:2 mer: ; refusés :  ; Sons illisible : non ; 0 ms");
        ligne("son : Sons remplacé par un fichier", "Sons", "pas un dossier", "chat:1 lune:2 ; refusés :  ; Sons illisible : oui ; 0 ms");
    }

    void catalogue()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, octets);
        QFETCH(QString, attendu);
        QFETCH(QStringList, changes);
        const QString genre = QString::fromUtf8(QTest::currentDataTag()).section(u' ', 0, 0);
        QTemporaryDir dossier;
        const QDir d(dossier.path());
        QVERIFY(d.mkpath(kDossierSons));
        const QList<std::pair<QString, QByteArray>> fichiers = {
            {kFichierMots, "\"*\",\"chat\",\"1\"\r\n\"*\",\"lune\",\"2\"\r\n"}, {QStringLiteral("Sons/chat.wav"), "RIFF"},
            {QStringLiteral("Sons/lune.wav"), "RIFF"}, {kFichierCode, "\"abc\"\r\n"}, {kFichierFonte, "\"Andika\"\r\n15.75\r\n"},
            {QStringLiteral("Paul.bil"), "\"\"\r\n\"1\"\r\n\"01/03/2026\"\r\n\"chat\"\r\n" + QByteArray("\"\"\r\n").repeated(7)},
            {genre == u"nom" ? QString() : nom, octets}};
        for (const auto &[chemin, contenu] : fichiers)
            QVERIFY(chemin.isEmpty() || (QDir(d.filePath(chemin)).removeRecursively() && ecrireOctets(d.filePath(chemin), contenu)));
        const Instantane avant = instantane(dossier.path());

        QString obtenu;
        TableProgression table;
        if (genre == u"nom") {
            const ResultatEcriture resultat = creerEleve(d.path(), nom);
            QCOMPARE(resultat.ok, raisonNomEleveRefuse(nom).isEmpty());
            obtenu = resultat.ok ? QStringLiteral("créé ; élèves : ") + listerEleves(d.path()).join(u',') : raisonNomEleveRefuse(nom);
        } else if (genre == u"son") {
            const OuvertureListeMots ouverture = OuvrirListeMots(d.path());
            for (const EntreeMot &entree : ouverture.liste)
                obtenu += entree.mot + u':' + entree.niveau + u' ';
            obtenu += QStringLiteral("; refusés : %1 ; Sons illisible : %2 ; %3 ms")
                          .arg(ouverture.enregistrementsRefuses.join(u','), ouverture.sonsIllisible ? "oui" : "non")
                          .arg(dureeEnregistrementMs(d.filePath(nom)));
        } else {
            ChargerBilan(table, d.path(), QStringLiteral("Paul"), kAujourdhui);
            ActualiserBilan(table, LireListeMotsEleve(d.path()).liste, kAujourdhui);
            obtenu = QStringLiteral("%1 ligne(s)").arg(table.nombreLignes());
            for (int r = 0; r < std::min(2, table.nombreLignes()); ++r) // trailing empty cells left out
                obtenu += QStringLiteral(" / ") + QStringList(table.ligne(r).begin(), table.ligne(r).end()).join(u'|').remove(QRegularExpression("\\|+$"));
        }
        QCOMPARE(obtenu, attendu);
        QCOMPARE(differences(avant, instantane(dossier.path())), changes);
    }
};

int main(int argc, char **argv)
{
    if (const int codeEnfant = enfant(argc, argv); codeEnfant >= 0)
        return codeEnfant;
    QCoreApplication application(argc, argv);
    TestFiabilite test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fiabilite.moc"
