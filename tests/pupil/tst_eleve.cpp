// Tests of the pupil window: the report, the answer box, the visit and the
// exercise ladder.
#include "data/journal.h"
#include "engine/texte.h"
#include "pilote.h"
#include "platform/impression.h"
#include "platform/plateformeqt.h"
#include "platform/sortieimpression.h"
#include "pupil/rapport.h"
#include "pupil/zonereponse.h"
#include "support/utilisateurimpression.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString kTetes[] = {u"MOTS ACQUIS (bien orthographiés un mois après leur étude ou déjà connus)\n\n"_s,
                          u"MOTS EN COURS D'ÉTUDE (il faut parfois attendre avant de les rencontrer à nouveau)\n\n"_s,
                          u"MOTS NON PROPOSÉS\n\n"_s};

QString rapportDe(const QList<LigneProgression> &lignes, const QString &nom)
{
    TableProgression t;
    for (const LigneProgression &l : lignes)
        t.ajouterLigne(l);
    return composerRapport(t, nom, QDate(2026, 12, 5));
}

const QString kD0 = u"01/12/2026"_s;
const QString kAujourdhui = u"05/12/2026"_s;

const QDate kJour(2026, 12, 5);
const QColor kNeutre(0xFF, 0xFF, 0xC0), kRouge(0xFF, 0x00, 0x00), kVert(0x00, 0xFF, 0x00);

// The squares 0 to n-1.
QList<int> carres(int n)
{
    QList<int> l(n);
    std::iota(l.begin(), l.end(), 0);
    return l;
}

} // namespace

class TestEleve : public QObject {
    Q_OBJECT

private slots:
    void rapport_data()
    {
        QTest::addColumn<QList<LigneProgression>>("lignes");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("Paul") << QList<LigneProgression>{ligne("chat", 10, "1", kD0), ligne("mur", 4, "1", kD0),
                                                         ligne("lune", 9, "2", kD0), ligne("bol", 0, "1", kD0),
                                                         ligne("sol", 4, "3", kD0)}
                              << u"Paul"_s
                              << u"Paul - 05/12/2026\n\n"_s + kTetes[0] + u"chat / \n\n"_s + kTetes[1]
                                     + u"lune / mur / sol / \n\n"_s + kTetes[2] + u"bol / "_s;
        QTest::newRow("table vide") << QList<LigneProgression>{} << u"Élodie M"_s
                                    << u"Élodie M - 05/12/2026\n\n"_s + kTetes[0] + u"\n\n"_s + kTetes[1] + u"\n\n"_s
                                           + kTetes[2];
    }

    void rapport()
    {
        QFETCH(QList<LigneProgression>, lignes);
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        QCOMPARE(rapportDe(lignes, nom), attendu);
    }

    // Through the real printer into a PDF file.
    void rapport_pdf()
    {
        QTemporaryDir dossier;
        const QString pdf = dossier.path() + u"/r.pdf"_s;
        QPrinter p;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        QVERIFY(imprimerTexte(p, rapportDe({ligne("bol", 0, "1", "01/12/2026")}, u"Élodie M"_s), QFont(u"Comic Sans MS"_s, 9.75)));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.read(4) == "%PDF");

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess lecteur;
        lecteur.start(pdftotext, {pdf, u"-"_s});
        QVERIFY(lecteur.waitForFinished(30000));
        const QString lu = QString::fromUtf8(lecteur.readAllStandardOutput());
        QVERIFY2(lu.contains(u"Élodie M"_s) && lu.contains(u"MOTS NON PROPOSÉS"_s), qPrintable(lu));
    }

    // "Imprimer dans un fichier (PDF)" from the pupil window, through the real
    // print dialog: never into the data folder (Code.dat, a pupil's file, a
    // new file in Sons, the same folder through a link), never over a file
    // that is not a PDF; refused with a message, and the dialog comes back on
    // Documents. Elsewhere the report is printed.
    void imprimerDansUnFichier_data()
    {
        QTest::addColumn<QString>("cible");   // <donnees>/... or <dehors>/...
        QTest::addColumn<QString>("refus");   // a part of the message; empty: printed
        const QString donnees = u"dossier des données"_s, pasPdf = u"n'est pas un document PDF"_s;
        QTest::newRow("Code.dat") << "<donnees>/Code.dat" << donnees;
        QTest::newRow("bilan d'un élève") << "<donnees>/Lea.bil" << donnees;
        QTest::newRow("nouveau fichier dans Sons") << "<donnees>/Sons/bilan.pdf" << donnees;
        QTest::newRow("par un lien vers les données") << "<dehors>/lien/Code.dat" << donnees;
        QTest::newRow("texte existant ailleurs") << "<dehors>/notes.txt" << pasPdf;
        QTest::newRow("nouveau PDF ailleurs") << "<dehors>/bilan.pdf" << "";
        QTest::newRow("ancien PDF ailleurs") << "<dehors>/ancien.pdf" << "";
    }
    void imprimerDansUnFichier()
    {
        QFETCH(QString, cible);
        QFETCH(QString, refus);
        // A home of its own, so that "Documents" is known.
        QTemporaryDir maison, dehors;
        const QByteArray ancienneMaison = qgetenv("HOME");
        qputenv("HOME", maison.path().toUtf8());
        const auto remettre = qScopeGuard([&] { qputenv("HOME", ancienneMaison); });
        QVERIFY(QDir(maison.path()).mkdir(u"Documents"_s));
        const QString documents = maison.path() + u"/Documents"_s;
        QCOMPARE(dossierImpressionPropose(), documents);

        Installation inst;
        inst.preparer({u"chat"_s, u"lune"_s});
        const QByteArray code = "\"1234\"\r\n", lea = octetsBilan({ligne("chat", 9, "1", "01/12/2026")});
        inst.ecrire(u"Code.dat"_s, code);
        inst.ecrire(u"Lea.bil"_s, lea);
        QVERIFY(QFile::link(inst.dossier.path(), dehors.filePath(u"lien"_s)));
        QFile texte(dehors.filePath(u"notes.txt"_s)), ancien(dehors.filePath(u"ancien.pdf"_s));
        QVERIFY(texte.open(QIODevice::WriteOnly) && texte.write("notes de classe\n") > 0);
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write("%PDF-1.4\n%%EOF\n") > 0);
        texte.close();
        ancien.close();
        QString fichier = cible;
        fichier.replace(u"<donnees>"_s, inst.dossier.path()).replace(u"<dehors>"_s, dehors.path());
        QFile avant(fichier);
        const QByteArray octetsAvant = avant.open(QIODevice::ReadOnly) ? avant.readAll() : QByteArray();
        avant.close();

        PlateformeFactice p;
        ImprimanteQt imprimante(p.messages);
        imprimante.protegerDossier(inst.dossier.path());
        Plateforme services = p.services();
        services.imprimante = &imprimante;
        EtatProgramme etat;
        etat.dossierInstallation = inst.dossier.path();
        FrmEleve f(etat, services);
        f.show();
        auto *liste = f.findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(u"Paul"_s));
        f.findChild<QPushButton *>(u"cmdIdentite"_s)->click();

        UtilisateurImpression utilisateur({fichier});   // then "Annuler" when the dialog comes back
        f.findChild<QAbstractButton *>(u"cmdImprimer"_s)->click();

        // The dialog first offers a file in Documents, not in the current folder.
        QCOMPARE(utilisateur.proposes.value(0), documents + u"/OrthoVal.pdf"_s);
        QFile apres(fichier);
        const QByteArray octetsApres = apres.open(QIODevice::ReadOnly) ? apres.readAll() : QByteArray();
        if (refus.isEmpty()) {
            QVERIFY(octetsApres.startsWith("%PDF-") && octetsApres.size() > 100);
            QVERIFY(p.messages.demandes.isEmpty());
            QCOMPARE(utilisateur.proposes.size(), 1);
        } else {
            QCOMPARE(octetsApres, octetsAvant);
            QCOMPARE(p.messages.titres(), QStringList{u"Impression"_s});
            const QString message = p.messages.demandes[0].texte;
            QVERIFY2(message.contains(refus) && message.contains(documents), qPrintable(message));
            QCOMPARE(utilisateur.proposes.size(), 2);
            QCOMPARE(utilisateur.proposes[1], documents + u'/' + QFileInfo(fichier).completeBaseName() + u".pdf"_s);
        }
        QFile codeApres(inst.chemin(u"Code.dat"_s));
        QVERIFY(codeApres.open(QIODevice::ReadOnly));
        QCOMPARE(codeApres.readAll(), code);
        QCOMPARE(inst.lireBilan(u"Lea"_s), lea);
    }

    void saisie_data()
    {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<int>("curseur");
        QTest::addColumn<int>("selection");        // characters selected from the caret on
        QTest::addColumn<QStringList>("frappes");  // "<Entree>", "<Ctrl+V>" or one character
        QTest::addColumn<QString>("attendu");

        using L = QStringList;
        QTest::newRow("majuscule abaissée") << "" << 0 << 0 << L{"E"} << "e";
        QTest::newRow("É donne é") << "" << 0 << 0 << L{"É"} << "é";
        QTest::newRow("chiffre et ponctuation refusés") << "a" << 1 << 0 << L{"5", ".", "’", "ß"} << "a";
        QTest::newRow("au curseur") << "chat" << 2 << 0 << L{"x"} << "chxat";
        QTest::newRow("devant la sélection") << "chat" << 1 << 2 << L{"O"} << "cohat";
        QTest::newRow("Ctrl+V annulé") << "a" << 1 << 0 << L{"<Ctrl+V>"} << "a";
        QTest::newRow("Entrée sur zone vide") << "" << 0 << 0 << L{"<Entree>"} << "";
    }

    void saisie()
    {
        QFETCH(QString, depart);
        QFETCH(int, curseur);
        QFETCH(int, selection);
        QFETCH(QStringList, frappes);
        QFETCH(QString, attendu);

        QApplication::clipboard()->setText(u"9Z!"_s);
        ZoneReponse zone;
        zone.show();
        zone.setText(depart);
        zone.setSelection(curseur, selection);
        QSignalSpy validation(&zone, &ZoneReponse::validationDemandee);
        for (const QString &f : frappes) {
            if (f == u"<Entree>"_s)
                frapper(&zone, u"\r"_s, Qt::Key_Return);
            else if (f == u"<Ctrl+V>"_s)
                frapper(&zone, QString(QChar(22)), Qt::Key_V, Qt::ControlModifier);
            else
                frapper(&zone, f, f[0].isLetter() ? f[0].toUpper().unicode() : 0);
        }
        QCOMPARE(zone.text(), attendu);
        QCOMPARE(zone.cursorPosition(), int(curseur + attendu.size() - depart.size()));
        QVERIFY(!zone.hasSelectedText());
        QCOMPARE(validation.count(), int(frappes.count(u"<Entree>"_s)));
    }

    // Roads other than keys: dead-key compositions are filtered like keys; no
    // context menu, no drops, and a paste is cleaned at once.
    void saisie_autresChemins()
    {
        ZoneReponse zone;
        QCOMPARE(zone.contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!zone.acceptDrops());
        QInputMethodEvent composition(QString(), {});
        composition.setCommitString(u"Ê5ô"_s);
        QApplication::sendEvent(&zone, &composition);
        QCOMPARE(zone.text(), u"êô"_s);
        QApplication::clipboard()->setText(u"Chat 2"_s);
        zone.paste();   // what a platform shortcut would do
        QCOMPARE(zone.text(), u"êôhat "_s);
    }

    void visite_identification()
    {
        Installation inst;
        inst.preparer({"chat", "lune", "mur"});
        inst.ecrireBilan("Élodie M", {ligne("chat", 10, "1", kD0), ligne("lune", 10, "2", kD0), ligne("mur", 3, "1", kD0)});
        Pilote p(inst);
        QCOMPARE(p.texte("lblMotsConnus"), u"0"_s);

        p.identifier("Élodie M");
        QCOMPARE(p.fenetre->windowTitle(), u"OrthoVal - Élève : Élodie M"_s);
        QCOMPARE(p.texte("lblMotsConnus"), u"2"_s);
        // The word in the middle of the ladder comes before the new ones.
        QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon("mur")});
    }

    // Leaving right after identification writes the table brought in line with
    // the word list: level updated, new word added, removed word gone.
    void visite_quitterEcritLaTableReconciliee()
    {
        Installation inst;
        inst.ecrire("Mots.dat", "\"*\",\"chat\",\"1\"\r\n\"*\",\"lune\",\"2\"\r\n");
        inst.ecrireBilan("Paul", {ligne("chat", 3, "2", kD0), ligne("vieux", 5, "1", kD0)});
        Pilote p(inst, "Paul");
        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
        QCOMPARE(p.fenetre->result(), int(QDialog::Accepted));
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 3, "1", kD0), ligne("lune", 0, "2", kAujourdhui)}));
        QVERIFY(p.plateforme.messages.demandes.isEmpty());
    }

    // Without Mots.dat the window says so, marks the failure and closes itself
    // once shown; nothing is written.
    void visite_sansListeDeMots()
    {
        Installation inst;
        inst.ecrireBilan("Paul", {});
        Pilote p(inst);
        QVERIFY(p.fenetre->echecListeMots());
        QCOMPARE(p.plateforme.messages.titres(), QStringList{u"Avertissement"_s});
        QCOMPARE(p.plateforme.messages.demandes[0].texte, u"Vous devez d'abord affecter un niveau aux mots de la bibliothèque sonore\n"
                                     "en ouvrant le module Enseignant.\n"_s);
        QTRY_VERIFY(!p.fenetre->isVisible());
        QCOMPARE(p.fenetre->result(), int(QDialog::Rejected));
        QCOMPARE(inst.lireBilan("Paul"), QByteArray());
    }

    // Closing by the frame saves like "&Quitter"; before anybody is identified
    // it writes nothing.
    void visite_fermerParLeCadreEnregistre()
    {
        Installation inst;
        inst.preparer({"chat"});
        Pilote avant(inst);
        QVERIFY(avant.fenetre->close());
        QCOMPARE(QDir(inst.dossier.path()).entryList({"*.bil"}, QDir::Files | QDir::Hidden), QStringList{"Paul.bil"});
        QCOMPARE(inst.lireBilan("Paul"), QByteArray());

        Pilote p(inst, "Paul");
        p.repondre("chat");
        QVERIFY(p.fenetre->close());
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", kAujourdhui)}));
    }

    // Every answer of a visit goes to the teacher's journal; a journal that
    // cannot be written changes nothing for the child nor in the pupil file.
    void visite_journal_data()
    {
        QTest::addColumn<QString>("piege");
        QTest::addColumn<bool>("incomplet");  // the teacher learns of the lost answers
        QTest::newRow("journal libre") << "" << false;
        QTest::newRow("dossier à la place du journal") << "dossier" << true;
        QTest::newRow("lien à la place du journal") << "lien" << true;
        QTest::newRow("dossier Journal en lien") << "dossier-lien" << false;
        QTest::newRow("tube nommé à la place du journal") << "tube" << true;
        QTest::newRow("disque plein") << "plein" << true;
    }
    void visite_journal()
    {
        QFETCH(QString, piege);
        QFETCH(bool, incomplet);
        Installation inst;
        inst.preparer({"maison"});
        const QString journal = cheminJournal(inst.dossier.path(), "Paul");
        QTemporaryDir ailleurs;
        const QString cible = ailleurs.filePath("cible.txt");
        QVERIFY(QFile(cible).open(QIODevice::WriteOnly));
        if (piege == "dossier-lien")
            QVERIFY(QFile::link(ailleurs.path(), inst.chemin(kDossierJournal)));
        else if (!piege.isEmpty())
            QVERIFY(QDir(inst.dossier.path()).mkdir(kDossierJournal));
        if (piege == "dossier")
            QVERIFY(QDir().mkdir(journal));
        if (piege == "lien")
            QVERIFY(QFile::link(cible, journal));
        if (piege == "tube")  // opened for writing, a pipe would wait for a reader forever
            QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0666), 0);
        // A full disk: the journal, already long, may not grow; the pupil
        // file, much smaller, still fits.
        constexpr rlim_t kDisque = 16 * 1024;
        const rlimit avant = [] { rlimit r{}; getrlimit(RLIMIT_FSIZE, &r); return r; }();
        const auto retablir = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &avant); });
        if (piege == "plein") {
            QByteArray anciennes;
            while (anciennes.size() <= qsizetype(kDisque))
                anciennes += "2026-12-01T09:00:00\tancien\tansien\tfaux\t3\n";
            inst.ecrire(kDossierJournal + "/Paul.txt", anciennes);
            const rlimit plein{kDisque, avant.rlim_max};
            QVERIFY(std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &plein) == 0);
        }

        Pilote p(inst, "Paul");
        p.repondre(u"méson"_s);
        QCOMPARE(p.fondReponse(), kRouge);
        p.suivant();
        p.repondre(u"maison"_s);
        QCOMPARE(p.fondReponse(), kVert);
        QCOMPARE(p.plateforme.messages.titres(), QStringList());
        p.quitter();
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("maison", 4, "1", kAujourdhui)}));

        const LectureJournal lecture = LireJournal(inst.dossier.path(), "Paul");
        QStringList lus;
        for (const LigneJournal &l : lecture.lignes)
            if (l.mot != "ancien")
                lus << u"%1 %2 %3 %4 %5"_s.arg(l.date.toString(Qt::ISODate), l.mot, l.tapee, l.juste ? "juste" : "faux")
                       .arg(l.etape);
        const QStringList attendu{u"2026-12-05 maison méson faux 0"_s, u"2026-12-05 maison maison juste 3"_s};
        QCOMPARE(lus, piege.isEmpty() ? attendu : QStringList());
        QCOMPARE(lecture.incomplet, incomplet);
        QCOMPARE(QDir(ailleurs.path()).entryList(QDir::Files), QStringList{"cible.txt"});
        QCOMPARE(QFileInfo(cible).size(), 0);

        // The next visit that can write marks the gap in the file itself.
        if (piege == "plein") {
            setrlimit(RLIMIT_FSIZE, &avant);
            QVERIFY(Journal(inst.dossier.path(), "Paul").AjouterReponse(QDateTime(kJour, QTime(9, 0)), "lune", "lunne", false, 3));
            QVERIFY(!QFileInfo::exists(inst.chemin(kDossierJournal + "/Paul.incomplet")));
            QVERIFY(LireJournal(inst.dossier.path(), "Paul").incomplet);
        }
    }

    // A save that fails keeps the window and the work; the next attempt may
    // succeed, or an adult may choose to leave without saving.
    void visite_echecEnregistrementGardeLaFenetre()
    {
        for (const bool partirSansEnregistrer : {false, true}) {
            Installation inst;
            inst.preparer({"chat"});
            Pilote p(inst, "Paul");
            p.repondre("chat");
            const QString parti = inst.dossier.path() + "-parti";
            QVERIFY(QDir().rename(inst.dossier.path(), parti));   // works as root too

            p.quitter();
            QVERIFY(p.fenetre->isVisible());
            QCOMPARE(p.plateforme.messages.titres(), QStringList{u"Enregistrement impossible"_s});
            QVERIFY(p.plateforme.messages.demandes[0].texte.contains("Paul.bil"));

            p.plateforme.messages.reponseQuestion = partirSansEnregistrer;
            p.fenetre->close();
            QCOMPARE(p.plateforme.messages.demandes.size(), 2);
            QVERIFY(p.plateforme.messages.demandes[1].question);
            QCOMPARE(p.fenetre->isVisible(), !partirSansEnregistrer);
            QVERIFY(QDir().rename(parti, inst.dossier.path()));
            if (partirSansEnregistrer)
                continue;
            p.quitter();
            QVERIFY(!p.fenetre->isVisible());
            QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", kAujourdhui)}));
        }
    }

    // A second click on the loudspeaker while the word is playing is refused;
    // once the playback is over, a click plays again.
    void visite_deuxClicsUneLecture()
    {
        Installation inst;
        inst.preparer({"chat"});
        Pilote p(inst, "Paul");
        p.plateforme.son.joues.clear();   // heard once when presented
        QLabel *hautParleur = p.w("imgSon");
        p.plateforme.son.pendantAttente = [&] { QTest::mouseClick(hautParleur, Qt::LeftButton); };
        QTest::mouseClick(hautParleur, Qt::LeftButton);
        QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon("chat")});
        QTest::mouseClick(hautParleur, Qt::LeftButton);
        QCOMPARE(p.plateforme.son.joues.size(), 2);
    }

    // One word from the initial test to acquired, over five visits and 38 days:
    // each stage's presentation, each answer's effect, and the waits.
    void exercice_echelleComplete()
    {
        Installation inst;
        inst.preparer({"chat"});
        auto p = std::make_unique<Pilote>(inst, u"Paul"_s);
        QCOMPARE(p->fenetre->etapeCourante(), 0);
        QCOMPARE(p->w<QGroupBox>("frameMot")->title(), u"Test initial"_s);
        QVERIFY(!p->modeleVisible());
        p->repondre("chien");   // wrong: back to the copying step
        QCOMPARE(p->fondReponse(), kRouge);
        QCOMPARE(p->etiquetteSuivant(), u"Même mot"_s);
        QCOMPARE(p->fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "05/12/2026"));

        // Day of each step (the same day: "Même mot"), stage presented (0: nothing
        // due, the end-of-list message), date of the row after the right answer.
        const QList<std::tuple<int, int, QString>> pas{
            {0, 3, "05/12/2026"}, {0, 4, "05/12/2026"}, {0, 5, "05/12/2026"}, {0, 6, "05/12/2026"}, {0, 0, ""},
            {1, 7, "06/12/2026"}, {7, 0, ""}, {8, 8, "13/12/2026"}, {38, 9, "13/12/2026"}, {38, 0, ""}};
        int jour = 0;
        for (const auto &[j, etape, date] : pas) {
            if (j == jour) {
                p->suivant();
            } else {
                p->quitter();
                p = std::make_unique<Pilote>(inst, u"Paul"_s, kJour.addDays(jour = j));
            }
            if (etape == 0) {
                QCOMPARE(p->messages("Fin de liste"), 1);
                continue;
            }
            QCOMPARE(p->fenetre->etapeCourante(), etape);
            QCOMPARE(p->points(), carres(etape - 3));
            QCOMPARE(p->modeleVisible(), etape < 6);
            QCOMPARE(p->fondReponse(), kNeutre);
            p->repondre("Chat ");   // capital lowered by the filter, blank cleaned
            QCOMPARE(p->txtMot()->text(), u"chat"_s);
            QCOMPARE(p->fondReponse(), kVert);
            QCOMPARE(p->points(), carres(etape - 2));
            QCOMPARE(p->texte("lblMotsConnus"), etape == 9 ? u"1"_s : u"0"_s);
            QCOMPARE(p->fenetre->fgEleve().ligne(0), ligne("chat", etape + 1, "1", date));
        }
        p->quitter();
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", "13/12/2026")}));
    }

    // A wrong answer at the last step: back to copying, date kept, ladder emptied.
    void exercice_erreurEtape9()
    {
        Installation inst;
        inst.preparer({"chat"});
        inst.ecrireBilan("Paul", {ligne("chat", 9, "1", "20/10/2026")});
        Pilote p(inst, "Paul");
        QCOMPARE(p.fenetre->etapeCourante(), 9);

        p.repondre("cha");
        QCOMPARE(p.fondReponse(), kRouge);
        QVERIFY(p.points().isEmpty());
        QCOMPARE(p.fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "20/10/2026"));

        p.suivant();
        QCOMPARE(p.fenetre->etapeCourante(), 3);
        QVERIFY(p.modeleVisible());
        QCOMPARE(p.texte("lblModele"), u"chat"_s);
    }

    void exercice_modele_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("etape");
        QTest::addColumn<QString>("modele");   // # for a masked letter
        QTest::addColumn<QString>("titre");

        const QString m = u"Modèle"_s;
        const QString v = u"Modèle : les voyelles sont masquées"_s;
        const QString c = u"Modèle : les consonnes sont masquées"_s;
        QTest::newRow("école 3") << "école" << 3 << "école" << m;
        QTest::newRow("école 4") << "école" << 4 << "#c#l#" << v;
        QTest::newRow("école 5") << "école" << 5 << "é#o#e" << c;
        QTest::newRow("l'arbre 3") << "l'arbre" << 3 << "l'arbre" << m;
        QTest::newRow("l'arbre 4") << "l'arbre" << 4 << "l'#rbr#" << v;
        QTest::newRow("l'arbre 5") << "l'arbre" << 5 << "#'a###e" << c;
    }

    // The model over the answer box at the three copying stages, with the word
    // played from the recording of exactly its name.
    void exercice_modele()
    {
        QFETCH(QString, mot);
        QFETCH(int, etape);
        QFETCH(QString, modele);
        QFETCH(QString, titre);

        Installation inst;
        inst.preparer({mot});
        inst.ecrireBilan("Paul", {ligne(mot, etape, "1", kD0)});
        Pilote p(inst, "Paul");
        QCOMPARE(p.fenetre->etapeCourante(), etape);
        QVERIFY(p.modeleVisible());
        QCOMPARE(p.w<QGroupBox>("frameModele")->title(), titre);
        QCOMPARE(p.texte("lblModele"), modele.replace(QLatin1Char('#'), kCaractereMasque));
        QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon(mot)});
    }

    // A plain Next always starts with an empty ladder, even for a word in the
    // middle of it; "Même mot" with nothing due leaves the ladder empty too.
    void exercice_carres()
    {
        Installation inst;
        inst.preparer({"bol", "sol"});
        inst.ecrireBilan("Paul", {ligne("bol", 0, "1", "05/12/2026"), ligne("sol", 7, "1", "05/12/2026")});
        Pilote p(inst, "Paul");
        p.repondre("bol");   // known at the first try: acquired, all squares lit
        QCOMPARE(p.points(), carres(7));
        QCOMPARE(p.etiquetteSuivant(), QString());

        p.plateforme.horloge.jour = kJour.addDays(1);
        p.suivant();
        QCOMPARE(p.fenetre->motCourant(), u"sol"_s);
        QCOMPARE(p.fenetre->etapeCourante(), 7);
        QVERIFY(p.points().isEmpty());
        p.repondre("sol");
        QCOMPARE(p.points(), QList<int>{4});
        QCOMPARE(p.etiquetteSuivant(), u"Même mot"_s);

        p.suivant();   // stage 8 waits a week
        QCOMPARE(p.messages("Fin de liste"), 1);
        QVERIFY(p.points().isEmpty());
    }

    // Enter on an empty box validates once: the locked box ignores the next one.
    void exercice_entreeSurZoneVide()
    {
        Installation inst;
        inst.preparer({"chat"});
        Pilote p(inst, "Paul");
        QTest::keyClick(p.txtMot(), Qt::Key_Return);
        QCOMPARE(p.fondReponse(), kRouge);
        QCOMPARE(p.fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "05/12/2026"));

        QSignalSpy validations(qobject_cast<ZoneReponse *>(p.txtMot()), &ZoneReponse::validationDemandee);
        QTest::keyClick(p.txtMot(), Qt::Key_Return);
        p.clic("cmdOk");
        QCOMPARE(validations.count(), 0);
        QCOMPARE(p.fenetre->fgEleve().ligne(0), ligne("chat", 3, "1", "05/12/2026"));
        QCOMPARE(p.fenetre->etapeCourante(), 3);
    }
};

QTEST_MAIN(TestEleve)
#include "tst_eleve.moc"
