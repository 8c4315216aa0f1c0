// Every hostile input the data layer meets, in one table: pupil names typed
// by the teacher, files edited by hand, odd recordings, damaged dates. Each
// row gives what the program makes of it and which files change on disk
// (none, unless the row says so).
#include "tst_fiabilite.h"

#include "instantane.h"

#include "data/bilan.h"
#include "data/dates.h"
#include "data/eleves.h"
#include "data/listemots.h"
#include "data/reglages.h"
#include "platform/dureewav.h"

#include <QTemporaryDir>
#include <QTest>

using namespace fiabilite;

namespace {

const QDate kAujourdhui(2026, 3, 14);
const QByteArray kMotsDat = "\"*\",\"chat\",\"1\"\r\n\"*\",\"lune\",\"2\"\r\n";

// A WAV of 100 ms: 800 samples of silence at 8 kHz, 8 bits.
QByteArray wavCourt()
{
    QByteArray donnees(800, '\x80');
    auto mot32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    auto mot16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    const QByteArray fmt = mot16(1) + mot16(1) + mot32(8000) + mot32(8000) + mot16(1) + mot16(8);
    const QByteArray corps = "WAVEfmt " + mot32(quint32(fmt.size())) + fmt + "data"
                             + mot32(quint32(donnees.size())) + donnees;
    return "RIFF" + mot32(quint32(corps.size())) + corps;
}

// An installation folder as a class leaves it: a word list, two recordings,
// one pupil with progress, a code and a font.
void installer(const QString &dossier)
{
    QDir(dossier).mkpath(kDossierSons);
    ecrireOctets(QDir(dossier).filePath(kFichierMots), kMotsDat);
    ecrireOctets(QDir(dossier).filePath(QStringLiteral("Sons/chat.wav")), wavCourt());
    ecrireOctets(QDir(dossier).filePath(QStringLiteral("Sons/lune.wav")), wavCourt());
    ecrireOctets(QDir(dossier).filePath(QStringLiteral("Paul.bil")),
                 "\"\"\r\n\"1\"\r\n\"01/03/2026\"\r\n\"chat\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
    ecrireOctets(QDir(dossier).filePath(kFichierCode), "\"abc\"\r\n");
    ecrireOctets(QDir(dossier).filePath(kFichierFonte), "\"Andika\"\r\n15.75\r\n");
}

QString resumeListe(const ListeMots &liste)
{
    QStringList entrees;
    for (const EntreeMot &entree : liste)
        entrees << entree.mot + u':' + entree.niveau;
    return entrees.join(u' ');
}

// A table as "rows: first row | second row", cells joined by '|', the
// empty cells at the end of a row left out.
QString resumeTable(const TableProgression &table)
{
    QStringList lignes;
    for (int r = 0; r < table.nombreLignes() && r < 2; ++r) {
        QStringList cellules(table.ligne(r).begin(), table.ligne(r).end());
        while (!cellules.isEmpty() && cellules.last().isEmpty())
            cellules.removeLast();
        lignes << cellules.join(u'|');
    }
    return QStringLiteral("%1 ligne(s) : ").arg(table.nombreLignes()) + lignes.join(QStringLiteral(" / "));
}

// Prepares the hostile input (before the snapshot), then runs what the
// program does with it (after) and describes the outcome.
struct Cas {
    std::function<void(const QString &)> preparer;
    std::function<QString(const QString &)> agir;
};

Cas nomEleve(const QString &nom)
{
    return {[](const QString &) {},
            [nom](const QString &dossier) {
                const QString raison = raisonNomEleveRefuse(nom);
                const ResultatEcriture resultat = creerEleve(dossier, nom);
                if (resultat.ok != raison.isEmpty())
                    return QStringLiteral("incohérent : %1").arg(resultat.message());
                return resultat.ok ? QStringLiteral("créé ; élèves : ") + listerEleves(dossier).join(u',') : raison;
            }};
}

Cas fichierBilan(const QByteArray &octets)
{
    return {[octets](const QString &dossier) { ecrireOctets(QDir(dossier).filePath(QStringLiteral("Paul.bil")), octets); },
            [](const QString &dossier) {
                TableProgression table;
                ChargerBilan(table, dossier, QStringLiteral("Paul"), kAujourdhui);
                const std::optional<ListeMots> liste = LireListeMotsEleve(dossier);
                ActualiserBilan(table, liste.value_or(ListeMots{}), kAujourdhui);
                return resumeTable(table);
            }};
}

Cas fichierMots(const QByteArray &octets)
{
    return {[octets](const QString &dossier) { ecrireOctets(QDir(dossier).filePath(kFichierMots), octets); },
            [](const QString &dossier) {
                const std::optional<ListeMots> eleve = LireListeMotsEleve(dossier);
                const OuvertureListeMots enseignant = OuvrirListeMots(dossier);
                return QStringLiteral("élève : %1 ; enseignant : %2")
                    .arg(eleve ? resumeListe(*eleve) : QStringLiteral("refusée"), resumeListe(enseignant.liste));
            }};
}

Cas enregistrement(const QString &nom, const QByteArray &octets)
{
    return {[nom, octets](const QString &dossier) {
                ecrireOctets(QDir(dossier).filePath(kDossierSons + u'/' + nom), octets);
            },
            [nom](const QString &dossier) {
                const OuvertureListeMots ouverture = OuvrirListeMots(dossier);
                return QStringLiteral("durée %1 ms ; liste : %2 ; refusés : %3")
                    .arg(dureeEnregistrementMs(QDir(dossier).filePath(kDossierSons + u'/' + nom)))
                    .arg(resumeListe(ouverture.liste), ouverture.enregistrementsRefuses.join(u','));
            }};
}

Cas sonsRemplaceParUnFichier()
{
    return {[](const QString &dossier) {
                QDir(QDir(dossier).filePath(kDossierSons)).removeRecursively();
                ecrireOctets(QDir(dossier).filePath(kDossierSons), "pas un dossier");
            },
            [](const QString &dossier) {
                const OuvertureListeMots ouverture = OuvrirListeMots(dossier);
                return QStringLiteral("liste : %1 ; Sons illisible : %2")
                    .arg(resumeListe(ouverture.liste), ouverture.sonsIllisible ? "oui" : "non");
            }};
}

Cas date(const QString &texte)
{
    return {[texte](const QString &dossier) {
                // The date as a hand-edited reference date of Paul's word.
                ecrireOctets(QDir(dossier).filePath(QStringLiteral("Paul.bil")),
                             "\"\",\"1\",\"" + texte.toUtf8() + "\",\"chat\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
            },
            [texte](const QString &dossier) {
                const QDate lue = lireDate(texte);
                TableProgression table;
                ChargerBilan(table, dossier, QStringLiteral("Paul"), kAujourdhui);
                return QStringLiteral("%1 ; le mot est daté du %2")
                    .arg(lue.isValid() ? texteDate(lue) : QStringLiteral("illisible"),
                         texteDate(dateOuAujourdhui(table.cellule(0, kColonneDate), kAujourdhui)));
            }};
}

} // namespace

Q_DECLARE_METATYPE(Cas)

void TestEntreesHostiles::catalogue_data()
{
    QTest::addColumn<Cas>("cas");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<QStringList>("changes");

    // Pupil names typed by the teacher.
    const QString nomLong(300, u'a');
    QTest::newRow("nom : séparateur /") << nomEleve("../Paul") << "Le nom de l'élève ne peut pas contenir le caractère « / »." << QStringList();
    QTest::newRow("nom : séparateur \\") << nomEleve("a\\b") << "Le nom de l'élève ne peut pas contenir le caractère « \\ »." << QStringList();
    QTest::newRow("nom : ..") << nomEleve("..") << "Le nom « .. » ne peut pas servir de nom de fichier." << QStringList();
    QTest::newRow("nom : réservé :") << nomEleve("Léo:2") << "Le nom de l'élève ne peut pas contenir le caractère « : »." << QStringList();
    QTest::newRow("nom : réservé ?") << nomEleve("Qui ?") << "Le nom de l'élève ne peut pas contenir le caractère « ? »." << QStringList();
    QTest::newRow("nom : réservé *") << nomEleve("*") << "Le nom de l'élève ne peut pas contenir le caractère « * »." << QStringList();
    QTest::newRow("nom : 300 caractères") << nomEleve(nomLong) << "Le nom de l'élève est trop long (200 caractères au plus)." << QStringList();
    QTest::newRow("nom : blancs seuls") << nomEleve("   ") << "Le nom de l'élève est vide." << QStringList();
    QTest::newRow("nom : tabulation") << nomEleve("Léa\tMartin") << "Le nom de l'élève ne peut pas contenir de caractère de contrôle." << QStringList();
    QTest::newRow("nom : retour à la ligne") << nomEleve("Léa\r\n") << "Le nom de l'élève ne peut pas contenir de caractère de contrôle." << QStringList();
    QTest::newRow("nom : hors Windows-1252") << nomEleve("Zoé☺") << "Le nom de l'élève ne peut pas contenir le caractère « ☺ » (U+263A)." << QStringList();
    QTest::newRow("nom : point final") << nomEleve("Paul.") << "Le nom de l'élève ne peut pas se terminer par un point ou une espace." << QStringList();
    QTest::newRow("nom : existant") << nomEleve("Paul") << "créé ; élèves : Paul" << QStringList();
    QTest::newRow("nom : existant, autre casse") << nomEleve("paul") << "créé ; élèves : Paul,paul" << QStringList{"paul.bil"};

    // Progress files edited by hand.
    QTest::newRow("bil : guillemet dans une valeur")
        << fichierBilan("\"\",\"1\",\"01/03/2026\",\"ch\"at\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")
        << "2 ligne(s) : chat|1|14/03/2026 / lune|2|14/03/2026" << QStringList();
    QByteArray ligneGeante;
    for (int i = 0; i < 100000; ++i)
        ligneGeante += (i % 11 == 3) ? QByteArray("\"chat\",") : QByteArray("\"\",");
    QTest::newRow("bil : 100 000 valeurs sur une ligne") << fichierBilan(ligneGeante) << "9092 ligne(s) : |1|14/03/2026|chat / ||14/03/2026|chat" << QStringList();
    QTest::newRow("bil : octet nul")
        << fichierBilan(QByteArray("\"\",\"1\",\"01/03/2026\",\"ch\0at\"\r\n", 28))
        << "2 ligne(s) : chat|1|14/03/2026 / lune|2|14/03/2026" << QStringList();
    QTest::newRow("bil : BOM UTF-8")
        << fichierBilan("\xEF\xBB\xBF\"\",\"2\",\"01/03/2026\",\"lune\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")
        << "2 ligne(s) : |2|01/03/2026|lune / chat|1|14/03/2026" << QStringList();
    QTest::newRow("bil : fins de ligne mêlées")
        << fichierBilan("\"\"\r\"1\"\n\"01/03/2026\"\r\n\"chat\"\n\n\r\r\n\r\n\"\"\n\"\"\r\"\"\n")
        << "2 ligne(s) : |1|01/03/2026|chat / lune|2|14/03/2026" << QStringList();

    // Word lists edited by hand.
    QTest::newRow("Mots.dat : guillemet dans un mot") << fichierMots("\"*\",\"ch\"at\",\"1\"\r\n\"*\",\"lune\",\"2\"\r\n") << "élève : ch:1 lune:2 ; enseignant : lune:2 chat:" << QStringList();
    QTest::newRow("Mots.dat : octet nul") << fichierMots(QByteArray("\"*\",\"ch\0at\",\"1\"\r\n", 17)) << QStringLiteral("élève : ch") + QChar(0) + QStringLiteral("at:1 ; enseignant : chat: lune:") << QStringList();
    QTest::newRow("Mots.dat : BOM UTF-8") << fichierMots("\xEF\xBB\xBF\"*\",\"chat\",\"1\"\r\n\"*\",\"lune\",\"\"\r\n") << "élève : chat:1 lune: ; enseignant : chat:1 lune:" << QStringList();
    QTest::newRow("Mots.dat : fins de ligne mêlées") << fichierMots("\"*\",\"chat\",\"1\"\r\"*\",\"lune\",\"2\"\n") << "élève : chat:1 lune:2 ; enseignant : chat:1 lune:2" << QStringList();
    QTest::newRow("Mots.dat : valeur de trop") << fichierMots("\"*\",\"chat\",\"1\",\"x\"\r\n\"*\",\"lune\",\"2\"\r\n") << "élève : refusée ; enseignant : chat:1 lune:2" << QStringList();

    // Recordings.
    QTest::newRow("son : .wav de zéro octet") << enregistrement("mer.wav", QByteArray()) << "durée 0 ms ; liste : chat:1 lune:2 mer: ; refusés : " << QStringList();
    QTest::newRow("son : texte nommé .wav") << enregistrement("mer.wav", "ceci n'est pas un son\r\n") << "durée 0 ms ; liste : chat:1 lune:2 mer: ; refusés : " << QStringList();
    QTest::newRow("son : nom hors Windows-1252") << enregistrement("soleil☀.wav", wavCourt()) << "durée 100 ms ; liste : chat:1 lune:2 ; refusés : soleil☀.wav" << QStringList();
    QTest::newRow("son : nom avec guillemet") << enregistrement("dit \"oui\".wav", wavCourt()) << "durée 100 ms ; liste : chat:1 lune:2 ; refusés : dit \"oui\".wav" << QStringList();
    QTest::newRow("son : Sons remplacé par un fichier") << sonsRemplaceParUnFichier() << "liste : chat:1 lune:2 ; Sons illisible : oui" << QStringList();

    // Dates.
    // An unreadable reference date makes the word due as if dated today.
    const char *const dates[][2] = {
        {"31/02/2026", "illisible ; le mot est daté du 14/03/2026"},
        {"00/00/0000", "illisible ; le mot est daté du 14/03/2026"},
        {"99/99/99999", "illisible ; le mot est daté du 14/03/2026"},
        {"", "illisible ; le mot est daté du 14/03/2026"},
        {"demain", "illisible ; le mot est daté du 14/03/2026"},
        {"29/02/2028", "29/02/2028 ; le mot est daté du 29/02/2028"},
        {"2026-03-01", "01/03/2026 ; le mot est daté du 01/03/2026"},
        {"1/3/2026", "01/03/2026 ; le mot est daté du 01/03/2026"},
    };
    for (const auto &[texte, resultat] : dates)
        QTest::addRow("date : «%s»", texte) << date(QString::fromUtf8(texte)) << QString::fromUtf8(resultat) << QStringList();
}

void TestEntreesHostiles::catalogue()
{
    QFETCH(Cas, cas);
    QFETCH(QString, attendu);
    QFETCH(QStringList, changes);
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    installer(dossier.path());
    cas.preparer(dossier.path());
    const Instantane avant = instantane(dossier.path());
    QCOMPARE(cas.agir(dossier.path()), attendu);
    QCOMPARE(differences(avant, instantane(dossier.path())), changes);
}
