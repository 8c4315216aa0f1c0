// Tests of the pupil window: the answer box and the visit (the report and
// the ladder have files of their own).
#include "data/journal.h"
#include "exercice/seance.h"
#include "pilote.h"
#include "pupil/zonereponse.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString kD0 = u"01/12/2026"_s;
const QString kAujourdhui = u"05/12/2026"_s;
const QDate kJour(2026, 12, 5);
const QColor kRouge(0xFF, 0x00, 0x00), kVert(0x00, 0xFF, 0x00);

} // namespace

class TestEleve : public QObject {
    Q_OBJECT

private slots:
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

    // The window does not wait for the word: it is answered, checked and
    // left while the word still plays, and the loudspeaker waits for the
    // sound service to say the word is over.
    void visite_reponduPendantLaLecture()
    {
        Installation inst;
        inst.preparer({"chat"});
        inst.ecrireBilan("Paul", {ligne("chat", 0, "1", kD0)});
        Pilote p(inst);
        p.plateforme.son.retenirFin = true;
        p.identifier("Paul");
        QVERIFY(p.fenetre->seance().lectureEnCours());
        QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon("chat")});
        p.repondre("chien");
        QVERIFY(p.txtMot()->isReadOnly());
        QCOMPARE(p.etiquetteSuivant(), kMemeMot);
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 3, "1", kD0)}));   // saved at once
        QTest::mouseClick(p.w("imgSon"), Qt::LeftButton);
        QCOMPARE(p.plateforme.son.joues.size(), 1);   // still playing
        p.plateforme.son.finir();
        QVERIFY(!p.fenetre->seance().lectureEnCours());
        QTest::mouseClick(p.w("imgSon"), Qt::LeftButton);
        QCOMPARE(p.plateforme.son.joues.size(), 2);
        p.plateforme.son.finir();
        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
    }
};

QTEST_MAIN(TestEleve)
#include "tst_eleve.moc"
