// The class overview read from real files in a throwaway installation folder.
#include "data/journal.h"
#include "data/verrou.h"
#include "overview/frmsuivi.h"
#include "overview/frmsuivieleve.h"
#include "overview/panneauerreurs.h"
#include "overview/suiviclasse.h"
#include "platform/synthesechargee.h"
#include "platform/impression.h"
#include "platform/plateformeqt.h"
#include "support/utilisateurimpression.h"
#include "teacher/outils.h"

#include <QPrinter>

namespace {

const QDate kJour(2026, 12, 5);

// One row of a pupil file: eleven quoted cells, the word in the column of its stage.
QByteArray ligneBil(const QByteArray &mot, int etape, const QByteArray &niveau, const QByteArray &date)
{
    QByteArray octets;
    for (int c = 0; c < 11; ++c) {
        const QByteArray cellule = c == 1 ? niveau : c == 2 ? date : c == etape ? mot : QByteArray();
        octets += '"' + cellule + "\"\r\n";
    }
    return octets;
}

QByteArray date(int joursAvant)
{
    return kJour.addDays(-joursAvant).toString(u"dd/MM/yyyy"_s).toLatin1();
}

void dater(const Installation &inst, const QString &nom, int joursAvant)
{
    QFile f(inst.fichier(nom));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(kJour.addDays(-joursAvant), QTime(16, 30)), QFileDevice::FileModificationTime));
}

// The platform printer, on a PDF file instead of a dialog.
class ImprimantePdf : public ImprimanteFactice {
public:
    QString chemin;
    bool imprimerHtml(QWidget *, const QString &html, const QFont &police, bool paysage) override
    {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(chemin);
        imprimante.setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
        return imprimerHtml(imprimante, html, police);
    }
    static bool imprimerHtml(QPrinter &p, const QString &html, const QFont &police)
    {
        return ::imprimerHtml(p, html, police);
    }
};

QString executer(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return u"<échec de %1>"_s.arg(programme);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSuivi : public QObject {
    Q_OBJECT
private slots:
    void compterEtapes_data();
    void compterEtapes();
    void exporterClasse();
    void imprimerClasse();
    void imprimerDansLesDonnees_data();
    void imprimerDansLesDonnees();
    void ouvrirDepuisEnseignant();
    void trierClasse_data();
    void trierClasse();
    void exporterCellulesFormules_data();
    void exporterCellulesFormules();
    void nouvelEleveSansPasse_data();
    void nouvelEleveSansPasse();
    void tenirDansLEcran_data();
    void tenirDansLEcran();
    void erreursNonComparees_data();
    void erreursNonComparees();
    void motsDUnEleve_data();
    void motsDUnEleve();
};

// Counts: 0 new with a level, 3..9, 10, then due, without level.
using Comptes = QList<int>;

void TestSuivi::compterEtapes_data()
{
    QTest::addColumn<QByteArray>("bil");
    QTest::addColumn<int>("visiteIlYA");      // days since the file was written; -1: left as is
    QTest::addColumn<bool>("verrouille");     // a pupil at work holds the file
    QTest::addColumn<int>("etat");
    QTest::addColumn<Comptes>("attendus");    // new, 3, 4, 5, 6, 7, 8, 9, acquired, due, without level
    QTest::addColumn<QString>("attention");

    // "lit" is not in Mots.dat any more: gone from the pupil's table too.
    const QByteArray echelle = ligneBil("chat", 10, "1", date(40)) + ligneBil("mur", 3, "1", date(2))
                               + ligneBil("sol", 3, "2", date(2)) + ligneBil("bol", 4, "1", date(0))
                               + ligneBil("lune", 5, "2", date(0)) + ligneBil("pain", 6, "1", date(0))
                               + ligneBil("main", 7, "1", date(1)) + ligneBil("nez", 7, "1", date(0))
                               + ligneBil("riz", 8, "2", date(7)) + ligneBil("roi", 8, "2", date(6))
                               + ligneBil("loup", 9, "3", date(30)) + ligneBil("feu", 9, "3", date(29))
                               + ligneBil("lit", 10, "1", date(9)) + ligneBil("v\xe9lo", 0, "2", date(9))
                               + ligneBil("zoo", 0, "", date(9));
    QTest::newRow("chaque étape, attentes finies ou non") << echelle << 3 << false << int(SuiviEleve::Etat::Lu)
        << Comptes{2, 2, 1, 1, 1, 2, 2, 2, 1, 3, 1} << QString();
    QTest::newRow("élève au travail, venu il y a 20 jours") << echelle << 20 << true << int(SuiviEleve::Etat::Lu)
        << Comptes{2, 2, 1, 1, 1, 2, 2, 2, 1, 3, 1} << u"pas venu depuis 20 jours"_s;

    // A date that cannot be read counts as today: nothing due.
    QTest::newRow("dates illisibles") << ligneBil("riz", 8, "2", "31/02/2026") + ligneBil("loup", 9, "3", "hier")
        << 0 << false << int(SuiviEleve::Etat::Lu) << Comptes{12, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1} << QString();

    QByteArray beaucoup;
    for (const char *mot : {"chat", "mur", "sol", "bol", "lune", "pain", "main", "nez", "riz", "roi"})
        beaucoup += ligneBil(mot, 3, "1", date(1));
    QTest::newRow("dix mots revenus à la copie") << beaucoup << 1 << false << int(SuiviEleve::Etat::Lu)
        << Comptes{4, 10, 0, 0, 0, 0, 0, 0, 0, 0, 1} << u"10 mots revenus à la copie"_s;

    // A quote lost in the middle: read one cell per line, nothing shifts.
    QByteArray abime = ligneBil("chat", 10, "1", date(40)) + ligneBil("mur", 5, "1", date(2));
    abime.replace("\"mur\"", "\"mur");
    QTest::newRow("fichier abîmé") << abime << 2 << false << int(SuiviEleve::Etat::Abime)
        << Comptes{12, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1} << u"fichier abîmé"_s;

    // The teacher created the pupil; he never came: every word still to meet.
    QTest::newRow("jamais venu") << QByteArray() << -1 << false << int(SuiviEleve::Etat::Lu)
        << Comptes{14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1} << u"jamais venu"_s;
}

void TestSuivi::compterEtapes()
{
    QFETCH(QByteArray, bil);
    QFETCH(int, visiteIlYA);
    QFETCH(bool, verrouille);
    QFETCH(int, etat);
    QFETCH(Comptes, attendus);
    QFETCH(QString, attention);

    Installation inst;
    QByteArray mots;
    for (const char *m : {"chat", "mur", "sol", "bol", "lune", "pain", "main", "nez", "riz", "roi", "loup", "feu"})
        mots += ligneMots(m, "1");
    inst.ecrire(u"Mots.dat"_s, mots + ligneMots("v\xe9lo", "2") + ligneMots("zoo", ""));
    inst.ecrire(u"Léa.bil"_s, bil);
    if (visiteIlYA >= 0)
        dater(inst, u"Léa.bil"_s, visiteIlYA);
    // A file no one can read, beside: its own row, no counts.
    inst.ecrire(u"ailleurs"_s, ligneBil("chat", 10, "1", date(1)));
    QVERIFY(QFile::link(inst.fichier(u"ailleurs"_s), inst.fichier(u"Zoé.bil"_s)));
    std::unique_ptr<Verrou> verrou;
    if (verrouille) {
        verrou = std::make_unique<Verrou>(cheminVerrouEleve(inst.dossier.path(), u"Léa"_s));
        QVERIFY(verrou->tenu());
    }
    const ListeMots liste = LireListeMotsEleve(inst.dossier.path()).liste;

    const SuiviClasse classe = lireSuiviClasse(inst.dossier.path(), liste, kJour);
    QCOMPARE(classe.eleves.size(), 2);
    const SuiviEleve &lea = classe.eleves[0];
    QCOMPARE(lea.nom, u"Léa"_s);
    QCOMPARE(int(lea.etat), etat);
    const Comptes comptes{lea.nonProposes + lea.sansNiveau, lea.parEtape[3], lea.parEtape[4], lea.parEtape[5],
                          lea.parEtape[6], lea.parEtape[7], lea.parEtape[8], lea.parEtape[9], lea.acquis(),
                          lea.aRevoir, lea.sansNiveau};
    QCOMPARE(comptes, attendus);
    QCOMPARE(raisonsAttention(lea, kJour).join(u", "_s), attention);
    QCOMPARE(lea.derniereVisite.has_value(), !bil.isEmpty());
    QCOMPARE(inst.lire(u"Léa.bil"_s), bil);

    const SuiviEleve &zoe = classe.eleves[1];
    QCOMPARE(zoe.etat, SuiviEleve::Etat::Illisible);
    QVERIFY(!zoe.raison.isEmpty());
    QCOMPARE(raisonsAttention(zoe, kJour), QStringList{u"fichier illisible"_s});
}

namespace {

// Three pupils: one at work on the ladder, with his answers in his journal,
// one who never came (a name a spreadsheet would take for a formula), one
// whose file cannot be read.
void preparerClasse(Fenetre &f)
{
    const Installation &inst = f.inst;
    inst.ecrire(u"Mots.dat"_s, ligneMots("chat", "1") + ligneMots("mur", "1") + ligneMots("sol", "1")
                                   + ligneMots("lune", "2") + ligneMots("zoo", ""));
    inst.ecrire(u"Dupont; Tom.bil"_s, ligneBil("chat", 10, "1", date(40)) + ligneBil("mur", 3, "1", date(2))
                                          + ligneBil("sol", 7, "1", date(3)) + ligneBil("lune", 0, "2", date(9))
                                          + ligneBil("zoo", 0, "", date(9)));
    dater(inst, u"Dupont; Tom.bil"_s, 2);
    // One sound changed, two spellings not yet memorised, one right answer.
    Journal journal(inst.dossier.path(), u"Dupont; Tom"_s);
    const QDateTime moment(QDate(2026, 12, 3), QTime(9, 30));
    for (const auto &[mot, tapee] : {std::pair{u"lune"_s, u"lume"_s}, {u"mur"_s, u"mure"_s}, {u"sol"_s, u"sole"_s},
                                     {u"chat"_s, u"chat"_s}})
        QVERIFY(journal.AjouterReponse(moment, mot, tapee, mot == tapee, 3));
    inst.ecrire(u"=Max.bil"_s, {});
    inst.ecrire(u"ailleurs"_s, ligneBil("chat", 10, "1", date(1)));
    QVERIFY(QFile::link(inst.fichier(u"ailleurs"_s), inst.fichier(u"Zoé.bil"_s)));
}

const QStringList kSons{u"chat"_s, u"mur"_s, u"sol"_s, u"lune"_s, u"zoo"_s};

// A double click on the class table's first row, as the teacher opens a
// pupil's page: a press first, as a real double click brings (QTest's alone
// does not reach doubleClicked).
FrmSuiviEleve *ouvrirPremierEleve(FrmSuivi *suivi)
{
    auto *table = suivi->findChild<QTableView *>(u"tblClasse"_s);
    const QRect cellule = table->visualRect(table->model()->index(0, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellule.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cellule.center());
    return suivi->findChild<FrmSuiviEleve *>();
}

FrmSuivi *ouvrirSuivi(Fenetre &f)
{
    f.clic(u"cmdSuivi"_s);
    return f.f->findChild<FrmSuivi *>();
}

// The class overview opened afresh and exported: the bytes of the CSV file.
QByteArray exporter(Fenetre &f)
{
    delete f.f->findChild<FrmSuivi *>();
    FrmSuivi *suivi = ouvrirSuivi(f);
    if (!suivi)
        return {};
    f.p.messages.reponseFichier = f.inst.fichier(u"classe.csv"_s);
    QTest::mouseClick(suivi->findChild<QPushButton *>(u"cmdExporter"_s), Qt::LeftButton);
    const QByteArray csv = f.inst.lire(u"classe.csv"_s);
    delete suivi;
    QFile::remove(f.inst.fichier(u"classe.csv"_s));
    return csv;
}

} // namespace

void TestSuivi::exporterClasse()
{
    Fenetre f(kSons, {}, preparerClasse);
    FrmSuivi *suivi = ouvrirSuivi(f);
    QVERIFY(suivi);
    f.p.messages.reponseFichier = f.inst.fichier(u"classe.csv"_s);
    QTest::mouseClick(suivi->findChild<QPushButton *>(u"cmdExporter"_s), Qt::LeftButton);

    const QByteArray attendu =
        "\xEF\xBB\xBF"
        "\xC3\x89l\xC3\xA8ve;Derni\xC3\xA8re visite;Acquis;En cours;Copie;Voyelles;Consonnes;Sans mod\xC3\xA8le;"
        "24 h;1 semaine;1 mois;\xC3\x80 revoir ce jour;Non propos\xC3\xA9s;Sans niveau;"
        "Erreurs : son chang\xC3\xA9;Erreurs : son juste;\xC3\x80 surveiller\r\n"
        "'=Max;;0;0;0;0;0;0;0;0;0;0;4;1;;;jamais venu\r\n"
        "\"Dupont; Tom\";03/12/2026;1;2;1;0;0;0;1;0;0;1;1;1;1;2;\r\n"
        "Zo\xC3\xA9;;;;;;;;;;;;;;;;fichier illisible : c'est un lien symbolique, qu'OrthoVal ne suit pas par "
        "s\xC3\xA9" "curit\xC3\xA9.\r\n";
    QCOMPARE(f.inst.lire(u"classe.csv"_s), attendu);
    QCOMPARE(f.p.messages.demandes.last().titre, u"Exporter le suivi de la classe"_s);

    // A folder where the file should be: told, nothing claimed.
    QDir(f.inst.dossier.path()).mkdir(u"dossier.csv"_s);
    f.p.messages.reponseFichier = f.inst.fichier(u"dossier.csv"_s);
    QTest::mouseClick(suivi->findChild<QPushButton *>(u"cmdExporter"_s), Qt::LeftButton);
    QCOMPARE(f.p.messages.demandes.last().titre, u"Exportation impossible"_s);
}

// The class sheet and one pupil's report go through the real print dialog
// and its rule: a PDF never lands on Code.dat.
void TestSuivi::imprimerDansLesDonnees_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::newRow("Imprimer…") << u"cmdImprimer"_s;
    QTest::newRow("Imprimer son bilan…") << u"cmdImprimerBilan"_s;
}

void TestSuivi::imprimerDansLesDonnees()
{
    QFETCH(QString, bouton);
    Fenetre f(kSons, {}, preparerClasse);
    const QByteArray code = "\"1234\"\r\n";
    f.inst.ecrire(u"Code.dat"_s, code);
    ImprimanteQt imprimante(f.p.messages);
    imprimante.protegerDossier(f.inst.dossier.path());
    Plateforme services = f.p.services();
    services.imprimante = &imprimante;
    FrmSuivi suivi(f.inst.dossier.path(), f.f->tableur(), services);
    suivi.show();
    QWidget *fenetre = &suivi;
    if (bouton == u"cmdImprimerBilan"_s)
        QVERIFY((fenetre = ouvrirPremierEleve(&suivi)));
    UtilisateurImpression utilisateur({f.inst.fichier(u"Code.dat"_s)});
    QTest::mouseClick(fenetre->findChild<QPushButton *>(bouton), Qt::LeftButton);
    QCOMPARE(f.inst.lire(u"Code.dat"_s), code);
    QCOMPARE(utilisateur.proposes.size(), 2);   // refused, then cancelled
    QCOMPARE(f.p.messages.titres().count(u"Impression"_s), 1);
}

void TestSuivi::imprimerClasse()
{
    Fenetre f(kSons, {}, preparerClasse);
    ImprimantePdf pdf;
    pdf.chemin = f.inst.fichier(u"classe.pdf"_s);
    Plateforme services = f.p.services();
    services.imprimante = &pdf;
    FrmSuivi suivi(f.inst.dossier.path(), f.f->tableur(), services);
    suivi.show();
    QTest::mouseClick(suivi.findChild<QPushButton *>(u"cmdImprimer"_s), Qt::LeftButton);
    QVERIFY(QFileInfo(pdf.chemin).size() > 0);

    // Rendered, the page carries the bar in the ladder's colours.
    const QString image = f.inst.fichier(u"classe"_s);
    executer(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, u"60"_s, u"-singlefile"_s, pdf.chemin, image});
    const QImage page(image + u".png"_s);
    QVERIFY(!page.isNull());
    // To look at it: ORTHOVAL_GARDER_PDF=/tmp/classe keeps classe.png and classe.pdf.
    if (qEnvironmentVariableIsSet("ORTHOVAL_GARDER_PDF")) {
        const QString garde = qEnvironmentVariable("ORTHOVAL_GARDER_PDF");
        page.save(garde + u".png"_s);
        QFile::remove(garde + u".pdf"_s);
        QFile::copy(pdf.chemin, garde + u".pdf"_s);
    }
    QSet<QRgb> couleurs;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            couleurs.insert(page.pixel(x, y) & 0xFFFFFF);
    QVERIFY(couleurs.contains(0xFF8000));   // copy step, as the child's first square
    QVERIFY(couleurs.contains(0x00C000));   // waiting a day

    // The row of each pupil holds his name and his counts, in the columns' order.
    const QString texte =
        executer(u"pdftotext"_s, {u"-layout"_s, pdf.chemin, u"-"_s}).replace(u"\uFB01"_s, u"fi"_s);
    QVERIFY2(texte.contains(u"Suivi des élèves du 05/12/2026"_s), qPrintable(texte));
    const auto ligneDe = [&texte](const QString &nom) {
        for (const QString &l : texte.split(u'\n'))
            if (l.contains(nom))
                return l.simplified();
        return QString();
    };
    QVERIFY2(ligneDe(u"Dupont; Tom"_s).contains(u"03/12/2026 1 2 1 0 0 0 1 0 0 1 1 1 1 2"_s), qPrintable(texte));
    QVERIFY2(ligneDe(u"=Max"_s).contains(u"0 0 0 0 0 0 0 0 0 0 4 1"_s), qPrintable(texte));
    QVERIFY2(texte.contains(u"⚠ =Max : jamais venu"_s), qPrintable(texte));
    QVERIFY2(texte.simplified().contains(u"⚠ Zoé : fichier illisible : c'est un lien symbolique"_s), qPrintable(texte));
    QVERIFY2(texte.contains(u"mur : manqué par 1 élève(s) sur 1, 1 réponse(s) fausse(s)"_s), qPrintable(texte));
}

void TestSuivi::ouvrirDepuisEnseignant()
{
    Fenetre f(kSons, {}, preparerClasse);
    const QStringList fichiersAvant = QDir(f.inst.dossier.path()).entryList(QDir::Files | QDir::System);
    const QByteArray tomAvant = f.inst.lire(u"Dupont; Tom.bil"_s);
    FrmSuivi *suivi = ouvrirSuivi(f);
    QVERIFY(suivi);
    QVERIFY(QTest::qWaitForWindowExposed(suivi));
    auto *table = suivi->findChild<QTableView *>(u"tblClasse"_s);
    QCOMPARE(table->model()->rowCount(), 3);
    // Sorted by acquired words, most first: Tom leads; who stands out is marked, not only coloured.
    table->sortByColumn(3, Qt::DescendingOrder);
    QCOMPARE(table->model()->index(0, 0).data().toString(), u"Dupont; Tom"_s);
    QCOMPARE(table->model()->index(1, 0).data().toString().left(2), u"⚠ "_s);
    QCOMPARE(table->model()->index(2, 0).data().toString().left(2), u"⚠ "_s);
    FrmSuiviEleve *eleve = ouvrirPremierEleve(suivi);
    QVERIFY(eleve);
    QCOMPARE(eleve->windowTitle(), u"Suivi de Dupont; Tom"_s);
    QCOMPARE(eleve->motsAffiches(), 5);
    auto *etape = eleve->findChild<QComboBox *>(u"cmbEtape"_s);
    auto *niveau = eleve->findChild<QComboBox *>(u"cmbNiveau"_s);
    etape->setCurrentIndex(etape->findText(u"Copie avec modèle"_s));
    QCOMPARE(eleve->motsAffiches(), 1);
    etape->setCurrentIndex(etape->findText(u"Non proposé"_s));
    QCOMPARE(eleve->motsAffiches(), 2);
    niveau->setCurrentIndex(niveau->findText(u"Sans niveau"_s));
    QCOMPARE(eleve->motsAffiches(), 1);
    QCOMPARE(eleve->findChild<QTableView *>(u"tblMots"_s)->model()->index(0, 0).data().toString(), u"zoo"_s);
    // His mistakes, newest first, in their own tab.
    eleve->onglets()->setCurrentIndex(1);
    const BilanErreurs &erreurs = eleve->findChild<PanneauErreurs *>(u"panneauErreurs"_s)->bilan();
    QCOMPARE(erreurs.erreurs, 3);
    QCOMPARE(erreurs.recentes.first().tapee, u"sole"_s);
    QCOMPARE(erreurs.recentes.first().sorte, SorteErreur::FinaleMuette);

    // The child's own report, as his window prints it.
    QTest::mouseClick(eleve->findChild<QPushButton *>(u"cmdImprimerBilan"_s), Qt::LeftButton);
    QCOMPARE(f.p.imprimante.textes.size(), 1);
    QVERIFY(f.p.imprimante.textes[0].startsWith(u"Dupont; Tom - 05/12/2026\n\nMOTS ACQUIS"_s));
    QVERIFY(f.p.imprimante.textes[0].endsWith(u"MOTS NON PROPOSÉS\n\nlune / zoo / "_s));

    // Read only: no pupil file changed, no lock left, nothing new in the folder.
    QCOMPARE(f.inst.lire(u"Dupont; Tom.bil"_s), tomAvant);
    QCOMPARE(QDir(f.inst.dossier.path()).entryList(QDir::Files | QDir::System), fichiersAvant);
}

// A cell a spreadsheet would take for a formula, even behind a TAB or a CR,
// is written as plain text.
void TestSuivi::exporterCellulesFormules_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("cellule");   // as written in the file
    QTest::newRow("égal") << u"=1+1"_s << QByteArray("'=1+1;");
    QTest::newRow("arobase") << u"@SOMME(A1)"_s << QByteArray("'@SOMME(A1);");
    QTest::newRow("tabulation") << u"\t=1+1"_s << QByteArray("'\t=1+1;");
    QTest::newRow("retour chariot") << u"\r=1+1"_s << QByteArray("\"'\r=1+1\";");
    QTest::newRow("tabulation seule devant un nom") << u"\tPaul"_s << QByteArray("'\tPaul;");
    QTest::newRow("nom ordinaire") << u"Paul"_s << QByteArray("\r\nPaul;");
}

void TestSuivi::exporterCellulesFormules()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, cellule);
    // Hand-made files: the program refuses such names at creation.
    Fenetre f(kSons, {nom});
    const QByteArray csv = exporter(f);
    QVERIFY2(csv.contains(cellule), csv.constData());
}

// A pupil deleted and a new one of the same name: the new one starts without
// the old one's mistakes, and the old journal is kept in Sauvegardes.
void TestSuivi::nouvelEleveSansPasse_data()
{
    QTest::addColumn<bool>("incomplet");
    QTest::newRow("journal") << false;
    QTest::newRow("journal et réponses manquantes") << true;
}

void TestSuivi::nouvelEleveSansPasse()
{
    QFETCH(bool, incomplet);
    Fenetre f(kSons, {u"Anne"_s, u"Paul"_s});
    {
        Journal journal(f.inst.dossier.path(), u"Paul"_s);
        const QDateTime moment(QDate(2026, 12, 3), QTime(9, 30));
        for (const auto &[mot, tapee] : {std::pair{u"lune"_s, u"lume"_s}, {u"mur"_s, u"mure"_s}})
            QVERIFY(journal.AjouterReponse(moment, mot, tapee, false, 3));
    }
    if (incomplet)
        f.inst.ecrire(u"Journal/Paul.incomplet"_s, {});
    const QByteArray journal = f.inst.lire(u"Journal/Paul.txt"_s);
    QVERIFY(!exporter(f).contains("\r\nPaul;;0;0;0;0;0;0;0;0;0;0;0;5;;;jamais venu\r\n"));

    f.clic(u"cmdEleves"_s);
    auto *eleves = f.w<QComboBox>(u"cmbEleves"_s);
    eleves->setCurrentIndex(eleves->findText(u"Paul"_s));
    f.p.messages.reponseQuestion = true;
    f.clic(u"cmdSupprimer"_s);
    const QStringList ranges = QDir(f.inst.fichier(u"Sauvegardes"_s)).entryList({u"Journal de Paul (*).txt"_s}, QDir::Files);
    QCOMPARE(ranges.size(), 1);
    QCOMPARE(f.inst.lire(u"Sauvegardes/"_s + ranges.first()), journal);
    QCOMPARE(QDir(f.inst.fichier(u"Journal"_s)).entryList(QDir::Files), QStringList());
    // The teacher is told where it went.
    const MessageDemande &dit = f.p.messages.demandes.last();
    QCOMPARE(dit.titre, u"Élève supprimé"_s);
    QVERIFY2(dit.texte.contains(u"« "_s + ranges.first() + u" »"_s) && dit.texte.contains(u"Sauvegardes"_s), qPrintable(dit.texte));

    f.ajouter(u"Paul"_s);
    QCOMPARE(f.liste(), (QStringList{u"Anne"_s, u"Paul"_s}));
    f.clic(u"cmdTermine"_s);
    // Paul's row is now that of Anne, who never answered anything.
    const QByteArray csv = exporter(f);
    QVERIFY2(csv.contains("\r\nAnne;;0;0;0;0;0;0;0;0;0;0;0;5;;;jamais venu\r\n"
                          "Paul;;0;0;0;0;0;0;0;0;0;0;0;5;;;jamais venu\r\n"), csv.constData());
}

void TestSuivi::trierClasse_data()
{
    QTest::addColumn<QString>("colonne");
    QTest::addColumn<QStringList>("noms");   // ascending
    QTest::newRow("noms, en ordre alphabétique français") << u"Élève"_s
        << QStringList{u"adam"_s, u"Bob"_s, u"Émile"_s, u"Zoé"_s};
    QTest::newRow("mots acquis, en nombres") << u"Acquis"_s
        << QStringList{u"Bob"_s, u"Émile"_s, u"Zoé"_s, u"adam"_s};
    QTest::newRow("dernière visite, jamais venu d'abord") << u"Dernière\nvisite"_s
        << QStringList{u"Bob"_s, u"Émile"_s, u"Zoé"_s, u"adam"_s};
}

void TestSuivi::trierClasse()
{
    QFETCH(QString, colonne);
    QFETCH(QStringList, noms);
    QStringList sons;
    for (int i = 0; i < 12; ++i)
        sons << u"mot%1"_s.arg(i);
    Fenetre f(sons, {}, [](Fenetre &f) {
        // name, words acquired, days since the visit (-1: never came)
        const std::tuple<QString, int, int> eleves[] = {
            {u"adam"_s, 10, 1}, {u"Bob"_s, 0, -1}, {u"Émile"_s, 2, 30}, {u"Zoé"_s, 9, 5}};
        for (const auto &[nom, acquis, jours] : eleves) {
            QByteArray bil;
            for (int i = 0; jours >= 0 && i < 12; ++i)
                bil += ligneBil("mot" + QByteArray::number(i), i < acquis ? 10 : 0, "1", date(40));
            f.inst.ecrire(nom + u".bil"_s, bil);
            if (jours >= 0)
                dater(f.inst, nom + u".bil"_s, jours);
        }
    });
    FrmSuivi *suivi = ouvrirSuivi(f);
    QVERIFY(suivi);
    auto *table = suivi->findChild<QTableView *>(u"tblClasse"_s);
    const QAbstractItemModel *m = table->model();
    int c = 0;
    while (c < m->columnCount() && m->headerData(c, Qt::Horizontal).toString() != colonne)
        ++c;
    QVERIFY(c < m->columnCount());
    for (const Qt::SortOrder ordre : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        table->sortByColumn(c, ordre);
        QStringList lus;
        for (int r = 0; r < m->rowCount(); ++r)
            lus << m->index(r, 0).data().toString().remove(u"⚠ "_s);
        QStringList attendus = noms;
        if (ordre == Qt::DescendingOrder)
            std::reverse(attendus.begin(), attendus.end());
        QCOMPARE(lus, attendus);
    }
}

namespace {

// Whatever a teacher would not see whole in the class window: a widget out of
// its frame, a text cut short, a column out of sight or narrower than its
// title or one of its values, a table that scrolls sideways.
QStringList defautsDisposition(FrmSuivi *fenetre)
{
    QStringList defauts;
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(fenetre) || w->inherits("QComboBoxPrivateContainer"))
            continue;
        const QString nom = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()))
            defauts << nom + u" sort de son cadre"_s;
        const QFontMetrics m = w->fontMetrics();
        if (auto *l = qobject_cast<QLabel *>(w); l && l->pixmap().isNull()) {
            if (l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                              : m.horizontalAdvance(l->text()) > l->contentsRect().width())
                defauts << u"« %1 » coupé"_s.arg(l->text());
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            if (m.horizontalAdvance(b->text().remove(u'&')) > b->width() - 4)
                defauts << u"« %1 » coupé"_s.arg(b->text());
        }
    }
    auto *table = fenetre->findChild<QTableView *>(u"tblClasse"_s);
    if (table->horizontalScrollBar()->isVisible())
        defauts << u"le tableau défile de côté"_s;
    const QHeaderView *titres = table->horizontalHeader();
    const QAbstractItemModel *m = table->model();
    const int marge = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    for (int c = 0; c < m->columnCount(); ++c) {
        if (table->isColumnHidden(c))
            continue;
        const QString titre = m->headerData(c, Qt::Horizontal).toString().replace(u'\n', u' ');
        if (titres->sectionViewportPosition(c) < 0
            || titres->sectionViewportPosition(c) + titres->sectionSize(c) > table->viewport()->width())
            defauts << titre + u" hors de vue"_s;
        if (titres->sectionSize(c) < titres->sectionSizeHint(c))
            defauts << u"titre « %1 » coupé"_s.arg(titre);
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString texte = m->index(r, c).data().toString();
            const QRect place(0, 0, table->columnWidth(c) - marge, table->rowHeight(r));
            const QRect encre = table->fontMetrics().boundingRect(place, Qt::TextWordWrap, texte);
            if (encre.width() > place.width() || encre.height() > place.height())
                defauts << u"« %1 » coupé"_s.arg(texte);
        }
    }
    return defauts;
}

// The titles the class table shows, in their order.
QStringList titresVisibles(QTableView *table)
{
    QStringList titres;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        if (!table->isColumnHidden(c))
            titres << table->model()->headerData(c, Qt::Horizontal).toString().replace(u'\n', u' ');
    return titres;
}

// The column of the class table with this title (on one line); -1 if none.
int colonne(QTableView *table, const QString &titre)
{
    for (int c = 0; c < table->model()->columnCount(); ++c)
        if (table->model()->headerData(c, Qt::Horizontal).toString().replace(u'\n', u' ') == titre)
            return c;
    return -1;
}

// The row of this pupil in the class table; -1 if none.
int ligneEleve(QTableView *table, const QString &nom)
{
    for (int r = 0; r < table->model()->rowCount(); ++r)
        if (table->model()->index(r, 0).data().toString().remove(u"⚠ "_s) == nom)
            return r;
    return -1;
}

} // namespace

// The class on a small laptop screen (less its panel) and on a large one:
// what the teacher needs sits in sight without scrolling sideways, at a
// glance or step by step.
void TestSuivi::tenirDansLEcran_data()
{
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<bool>("etapes");
    for (const bool etapes : {false, true}) {
        const QString detail = etapes ? u" étape par étape"_s : QString();
        QTest::newRow(qPrintable(u"1366x768"_s + detail)) << QSize(1366, 768 - 48) << etapes;
        QTest::newRow(qPrintable(u"1920x1080"_s + detail)) << QSize(1920, 1080 - 48) << etapes;
    }
}

void TestSuivi::tenirDansLEcran()
{
    QFETCH(QSize, taille);
    QFETCH(bool, etapes);
    // A whole class: the table scrolls down, its scroll bar takes some width.
    Fenetre f(kSons, {}, [](Fenetre &f) {
        preparerClasse(f);
        f.inst.ecrire(u"Marie-Charlotte de La Tour d'Auvergne.bil"_s, {});
        for (int i = 1; i <= 30; ++i)
            f.inst.ecrire(u"Élève %1.bil"_s.arg(i), {});
    });
    FrmSuivi *suivi = ouvrirSuivi(f);
    QVERIFY(suivi);
    suivi->showNormal();
    suivi->resize(taille);
    QTRY_COMPARE(suivi->size(), taille);
    QVERIFY(QTest::qWaitForWindowExposed(suivi));
    suivi->attendreErreurs();
    if (etapes) {
        auto *chkEtapes = suivi->findChild<QCheckBox *>(u"chkEtapes"_s);
        QVERIFY(chkEtapes);
        QTest::mouseClick(chkEtapes, Qt::LeftButton);
    }
    QCoreApplication::processEvents();

    auto *table = suivi->findChild<QTableView *>(u"tblClasse"_s);
    const QStringList toujours{u"Élève"_s, u"Dernière visite"_s, u"Acquis"_s, u"À revoir ce jour"_s};
    const QStringList ensemble{u"Ses mots, étape par étape"_s, u"En cours"_s, u"Erreurs : son changé"_s, u"Erreurs : son juste"_s,
                               u"À surveiller"_s};
    const QStringList parEtape{u"Copie"_s, u"Voyelles"_s, u"Consonnes"_s, u"Sans modèle"_s, u"24 h"_s,
                               u"1 semaine"_s, u"1 mois"_s, u"Non proposés"_s, u"Sans niveau"_s};
    const QStringList titres = titresVisibles(table);
    for (const QString &titre : toujours + (etapes ? parEtape : ensemble))
        QVERIFY2(titres.contains(titre), qPrintable(titre + u" absent de "_s + titres.join(u" | "_s)));
    // To look at it: ORTHOVAL_CAPTURES=<folder> test_suivi tenirDansLEcran
    if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty())
        QVERIFY(suivi->grab().save(dossier + u"/suivi-"_s + QString::fromUtf8(QTest::currentDataTag()) + u".png"_s));
    QCOMPARE(defautsDisposition(suivi).join(u", "_s), QString());
    // Step by step, in the bar's tooltip too.
    const QModelIndex barre =
        table->model()->index(ligneEleve(table, u"Dupont; Tom"_s), colonne(table, u"Ses mots, étape par étape"_s));
    QVERIFY2(barre.data(Qt::ToolTipRole).toString().contains(u"Copie avec modèle : 1"_s),
             qPrintable(barre.data(Qt::ToolTipRole).toString()));
}

// Without a speech engine a mistake's sounds cannot be compared: the two
// families say so in the window and in the exported file, rather than 0 and 0.
void TestSuivi::erreursNonComparees_data()
{
    QTest::addColumn<bool>("synthese");
    QTest::addColumn<QString>("familles");   // the two cells of Tom's row
    QTest::newRow("synthèse présente") << true << u"1;2"_s;
    QTest::newRow("synthèse absente") << false << u"non comparé;non comparé"_s;
}

void TestSuivi::erreursNonComparees()
{
    QFETCH(bool, synthese);
    QFETCH(QString, familles);
    Fenetre f(kSons, {}, preparerClasse);
    // The engine that cannot start gives no phonemes, for any word.
    const SourcePhonemes sansMoteur{[](const QString &) { return QString(); }, {}};
    FrmSuivi suivi(f.inst.dossier.path(), f.f->tableur(), f.p.services(),
                   synthese ? phonemesChargees() : sansMoteur);
    suivi.show();
    suivi.attendreErreurs();
    auto *table = suivi.findChild<QTableView *>(u"tblClasse"_s);
    const QAbstractItemModel *m = table->model();
    const int tom = ligneEleve(table, u"Dupont; Tom"_s);
    QVERIFY(tom >= 0);
    QStringList vus;
    for (const QString &titre : {u"Erreurs : son changé"_s, u"Erreurs : son juste"_s})
        vus << m->index(tom, colonne(table, titre)).data().toString();
    QCOMPARE(vus.join(u';'), familles);

    f.p.messages.reponseFichier = f.inst.fichier(u"classe.csv"_s);
    QTest::mouseClick(suivi.findChild<QPushButton *>(u"cmdExporter"_s), Qt::LeftButton);
    const QString csv = QString::fromUtf8(f.inst.lire(u"classe.csv"_s));
    QVERIFY2(csv.contains(u"\"Dupont; Tom\";03/12/2026;1;2;1;0;0;0;1;0;0;1;1;1;"_s + familles + u";\r\n"_s), qPrintable(csv));
}

// One pupil's words: a word he never met has no date; a waiting word tells
// the day it comes back.
void TestSuivi::motsDUnEleve_data()
{
    QTest::addColumn<int>("etape");
    QTest::addColumn<int>("ilYA");           // days since the row's date
    QTest::addColumn<QString>("date");       // as shown
    QTest::addColumn<QString>("revoir");
    QTest::newRow("jamais rencontré") << 0 << 0 << QString() << QString();
    QTest::newRow("jamais rencontré, ajouté il y a 9 jours") << 0 << 9 << QString() << QString();
    QTest::newRow("à la copie") << 3 << 2 << u"03/12/2026"_s << QString();
    QTest::newRow("attente 24 heures, réussi ce jour") << 7 << 0 << u"05/12/2026"_s << u"le 06/12/2026"_s;
    QTest::newRow("attente 24 heures finie") << 7 << 1 << u"04/12/2026"_s << u"dès aujourd'hui"_s;
    QTest::newRow("attente 1 semaine, depuis 3 jours") << 8 << 3 << u"02/12/2026"_s << u"le 09/12/2026"_s;
    QTest::newRow("attente 1 semaine finie depuis longtemps") << 8 << 20 << u"15/11/2026"_s << u"dès aujourd'hui"_s;
    QTest::newRow("attente 1 mois, depuis 10 jours") << 9 << 10 << u"25/11/2026"_s << u"le 25/12/2026"_s;
    QTest::newRow("acquis") << 10 << 40 << u"26/10/2026"_s << QString();
}

void TestSuivi::motsDUnEleve()
{
    QFETCH(int, etape);
    QFETCH(int, ilYA);
    QFETCH(QString, date);
    QFETCH(QString, revoir);
    Fenetre f({u"chat"_s}, {}, [etape, ilYA](Fenetre &f) {
        f.inst.ecrire(u"Mots.dat"_s, ligneMots("chat", "1"));
        f.inst.ecrire(u"Léa.bil"_s, ligneBil("chat", etape, "1", ::date(ilYA)));
    });
    FrmSuivi *suivi = ouvrirSuivi(f);
    QVERIFY(suivi);
    suivi->ouvrirEleve(0);
    auto *eleve = suivi->findChild<FrmSuiviEleve *>();
    QVERIFY(eleve);
    const QAbstractItemModel *m = eleve->findChild<QTableView *>(u"tblMots"_s)->model();
    QCOMPARE(m->rowCount(), 1);
    QStringList titres;
    for (int c = 0; c < m->columnCount(); ++c)
        titres << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(m->index(0, int(titres.indexOf(u"Date"_s))).data().toString(), date);
    QCOMPARE(m->index(0, int(titres.indexOf(u"À revoir"_s))).data().toString(), revoir);
}

QTEST_MAIN(TestSuivi)
#include "tst_suivi.moc"
