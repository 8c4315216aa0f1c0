// The class's spelling, traditional or reformed in 1990 or both: chosen in
// the teacher window, it decides what the model shows and which answers are
// right, while the pupil file and the journal keep the word as listed and
// the answer as typed.
#include "data/journal.h"
#include "engine/etapes.h"
#include "engine/texte.h"
#include "pilote.h"
#include "support/fichiers.h"
#include "teacher/frmenseignant.h"

namespace {
const QColor kRouge(0xFF, 0x00, 0x00), kVert(0x00, 0xFF, 0x00);
const QString kDate = u"01/12/2026"_s;
const QString kSansFichier = u"<aucun>"_s;
const QString kDossier = u"<dossier>"_s;
const QString kVide = u"<vide>"_s;
}

class TestOrthographe : public QObject {
    Q_OBJECT

    // The folder of the program, with the table of spellings it ships.
    QTemporaryDir programme;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(programme.path()).mkpath(u"langue"_s));
        QVERIFY(QFile::copy(QStringLiteral(TABLE_ORTHOGRAPHE), programme.filePath(u"langue/orthographe-1990.txt"_s)));
    }

    void visite_data()
    {
        QTest::addColumn<int>("choix");          // the teacher's choice, -1: none made
        QTest::addColumn<QString>("fichier");    // then written over Orthographe.dat (empty: left)
        QTest::addColumn<QString>("mot");        // as the teacher listed it
        QTest::addColumn<int>("etape");
        QTest::addColumn<QString>("modele");     // _ for a masked letter
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("juste");
        const int modele = kEtapeModele, voyelles = kEtapeVoyelles, consonnes = kEtapeConsonnes;
        const int trad = 0, rect = 1, deux = 2;
        const QString rien;
        QTest::newRow("les deux : ile pour île") << deux << rien << u"île"_s << modele << u"île"_s << u"ile"_s << true;
        QTest::newRow("les deux : île pour île") << deux << rien << u"île"_s << modele << u"île"_s << u"île"_s << true;
        QTest::newRow("les deux : oignon pour ognon") << deux << rien << u"ognon"_s << voyelles << u"_gn_n"_s << u"oignon"_s << true;
        QTest::newRow("les deux : ognion reste faux") << deux << rien << u"ognon"_s << modele << u"ognon"_s << u"ognion"_s << false;
        QTest::newRow("traditionnelle : oignon montré") << trad << rien << u"ognon"_s << modele << u"oignon"_s << u"oignon"_s << true;
        QTest::newRow("traditionnelle : ognon faux") << trad << rien << u"ognon"_s << consonnes << u"oi__o_"_s << u"ognon"_s << false;
        QTest::newRow("traditionnelle : ile faux") << trad << rien << u"île"_s << voyelles << u"_l_"_s << u"ile"_s << false;
        QTest::newRow("rectifiée : ile montré") << rect << rien << u"île"_s << modele << u"ile"_s << u"ile"_s << true;
        QTest::newRow("rectifiée : île faux") << rect << rien << u"île"_s << consonnes << u"i_e"_s << u"île"_s << false;
        QTest::newRow("rectifiée : ognon gardé") << rect << rien << u"ognon"_s << modele << u"ognon"_s << u"ognon"_s << true;
        QTest::newRow("rectifiée : oignon faux") << rect << rien << u"oignon"_s << voyelles << u"_gn_n"_s << u"oignon"_s << false;
        // What a hand or a crash may leave: both spellings, never a failure.
        QTest::newRow("sans fichier") << -1 << kSansFichier << u"île"_s << modele << u"île"_s << u"ile"_s << true;
        QTest::newRow("fichier vide") << rect << kVide << u"île"_s << modele << u"île"_s << u"ile"_s << true;
        QTest::newRow("valeur inconnue") << rect << u"\"Orthographe\",\"ancienne\"\r\n"_s << u"ognon"_s << modele << u"ognon"_s << u"oignon"_s << true;
        QTest::newRow("octets abîmés") << trad << u"\"Orthographe\",\"\u00ff\u0001"_s << u"ognon"_s << modele << u"ognon"_s << u"oignon"_s << true;
        QTest::newRow("un dossier à sa place") << trad << kDossier << u"île"_s << modele << u"île"_s << u"ile"_s << true;
        // Written by hand with the accent and other capitals: still understood.
        QTest::newRow("écrit à la main") << deux << u"\"ORTHOGRAPHE\" , \"Rectifiée\"\r\n"_s << u"île"_s << modele << u"ile"_s << u"ile"_s << true;
    }

    // A whole visit: the teacher chooses, the child hears the word at its
    // stage, reads the model, answers and leaves.
    void visite()
    {
        QFETCH(int, choix);
        QFETCH(QString, fichier);
        QFETCH(QString, mot);
        QFETCH(int, etape);
        QFETCH(QString, modele);
        QFETCH(QString, reponse);
        QFETCH(bool, juste);
        Installation inst;
        inst.preparer({mot});
        inst.ecrireBilan(u"Paul"_s, {ligne(mot, etape, u"1"_s, kDate)});
        const QByteArray motsAvant = lireOctets(inst.chemin(u"Mots.dat"_s));
        if (choix >= 0) {
            PlateformeFactice plateforme;
            EtatProgramme etat{inst.dossier.path()};
            FrmEnseignant enseignant(etat, plateforme.services());
            auto *liste = enseignant.findChild<QComboBox *>(u"cmbOrthographe"_s);
            QVERIFY(liste);
            QCOMPARE(liste->count(), 3);
            liste->setCurrentIndex(choix);
            enseignant.done(QDialog::Accepted);
            QCOMPARE(plateforme.messages.titres(), QStringList());
        }
        const QString chemin = inst.chemin(u"Orthographe.dat"_s);
        if (fichier == kDossier) {
            QVERIFY(QFile::remove(chemin) && QDir().mkdir(chemin));
        } else if (fichier == kVide) {
            inst.ecrire(u"Orthographe.dat"_s, {});
        } else if (!fichier.isEmpty() && fichier != kSansFichier) {
            inst.ecrire(u"Orthographe.dat"_s, QStringEncoder("windows-1252").encode(fichier));
        }

        Pilote p(inst, u"Paul"_s, QDate(2026, 12, 5), kPoliceExerciceParDefaut, programme.path());
        QCOMPARE(p.fenetre->motCourant(), mot);
        QCOMPARE(p.texte(u"lblModele"_s), QString(modele).replace(u'_', kCaractereMasque));
        p.repondre(reponse);
        QCOMPARE(p.fondReponse(), juste ? kVert : kRouge);
        p.quitter();

        // The progress stays under the listed word, the journal keeps what
        // was typed, and the word list is untouched.
        const int apres = juste ? etape + 1 : kEtapeModele;
        QCOMPARE(inst.lireBilan(u"Paul"_s), octetsBilan({ligne(mot, apres, u"1"_s, kDate)}));
        const LectureJournal journal = LireJournal(inst.dossier.path(), u"Paul"_s);
        QCOMPARE(journal.lignes.size(), 1);
        QCOMPARE(journal.lignes[0].mot, mot);
        QCOMPARE(journal.lignes[0].tapee, reponse);
        QCOMPARE(journal.lignes[0].juste, juste);
        QCOMPARE(lireOctets(inst.chemin(u"Mots.dat"_s)), motsAvant);
    }

    void allerRetour_data()
    {
        QTest::addColumn<int>("choix");
        QTest::addColumn<QByteArray>("octets");   // Orthographe.dat then; empty: a folder stands there
        QTest::newRow("traditionnelle") << 0 << QByteArray("\"Orthographe\",\"traditionnelle\"\r\n");
        QTest::newRow("rectifiée") << 1 << QByteArray("\"Orthographe\",\"rectifiee\"\r\n");
        QTest::newRow("les deux") << 2 << QByteArray("\"Orthographe\",\"les deux\"\r\n");
        QTest::newRow("dossier à sa place") << 1 << QByteArray();
    }
    // The choice is saved at once in its own file and found again at the
    // next opening of the teacher window. When it cannot be saved, the list
    // goes back to what the pupils will get, and the teacher is told.
    void allerRetour()
    {
        QFETCH(int, choix);
        QFETCH(QByteArray, octets);
        Installation inst;
        inst.preparer({u"île"_s});
        const QString chemin = inst.chemin(u"Orthographe.dat"_s);
        QVERIFY(!octets.isEmpty() || QDir().mkdir(chemin));
        PlateformeFactice plateforme;
        EtatProgramme etat{inst.dossier.path()};
        const int garde = octets.isEmpty() ? 2 : choix;
        {
            FrmEnseignant enseignant(etat, plateforme.services());
            auto *liste = enseignant.findChild<QComboBox *>(u"cmbOrthographe"_s);
            QVERIFY(liste);
            QCOMPARE(liste->currentIndex(), 2);   // both, until the teacher chooses
            if (choix == 2)
                liste->setCurrentIndex(0);
            liste->setCurrentIndex(choix);
            QCOMPARE(plateforme.messages.titres(), octets.isEmpty() ? QStringList{u"Enregistrement impossible"_s} : QStringList());
            QCOMPARE(liste->currentIndex(), garde);
            enseignant.done(QDialog::Accepted);
        }
        QCOMPARE(lireOctets(chemin), octets.isEmpty() ? kAbsent : octets);
        FrmEnseignant encore(etat, plateforme.services());
        QCOMPARE(encore.findChild<QComboBox *>(u"cmbOrthographe"_s)->currentIndex(), garde);
    }
};

QTEST_MAIN(TestOrthographe)
#include "tst_orthographe.moc"
