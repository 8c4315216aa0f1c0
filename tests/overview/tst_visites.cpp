// The words the class finds hard, after real visits: each pupil opens the
// pupil window, answers the word it proposes and quits, and the teacher then
// opens the class overview on the files and journals those visits left.
#include "data/listemots.h"
#include "exercice/phrases.h"
#include "overview/panneauerreurs.h"
#include "overview/frmsuivi.h"
#include "overview/suiviclasse.h"
#include "pupil/pilote.h"

#include <QTabWidget>

namespace {

const QDate kJour(2026, 12, 5);

// "Anne:bougi" is a visit of Anne who types "bougi"; a third field "-" drops
// her journal afterwards, as on an installation older than the journal.
struct Visite {
    QString eleve;
    QString reponse;
    bool sansJournal = false;
};

QList<Visite> lireVisites(const QStringList &textes)
{
    QList<Visite> visites;
    for (const QString &t : textes) {
        const QStringList champs = t.split(u':');
        visites.append({champs.value(0), champs.value(1), champs.value(2) == u"-"_s});
    }
    return visites;
}

// The cell of a pupil's row in the class table, under the column titled so.
QString celluleClasse(FrmSuivi &suivi, const QString &eleve, const QString &titre)
{
    const QAbstractItemModel *m = suivi.findChild<QTableView *>(u"tblClasse"_s)->model();
    for (int c = 0; c < m->columnCount(); ++c) {
        if (m->headerData(c, Qt::Horizontal).toString().replace(u'\n', u' ') != titre)
            continue;
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == eleve)
                return m->index(r, c).data().toString();
    }
    return u"?"_s;
}

// The rows of the "Mots difficiles" tab, one "word missed met wrong" each.
QStringList lignesMotsDifficiles(FrmSuivi &suivi)
{
    auto *table = suivi.findChild<QTableView *>(u"tblMotsDifficiles"_s);
    const QAbstractItemModel *m = table->model();
    QHash<QString, int> colonnes;
    for (int c = 0; c < m->columnCount(); ++c)
        colonnes.insert(m->headerData(c, Qt::Horizontal).toString().replace(u'\n', u' '), c);
    QStringList lignes;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cellules{m->index(r, 0).data().toString()};
        for (const QString &titre : {u"Élèves qui l'ont manqué"_s, u"Élèves l'ayant rencontré"_s, u"Réponses fausses"_s})
            cellules << (colonnes.contains(titre) ? m->index(r, colonnes[titre]).data().toString() : u"?"_s);
        lignes << cellules.join(u' ');
    }
    return lignes;
}

} // namespace

class TestVisites : public QObject {
    Q_OBJECT
private slots:
    void motsDifficiles_data();
    void motsDifficiles();
    void homophone_data();
    void homophone();
};

void TestVisites::motsDifficiles_data()
{
    QTest::addColumn<QStringList>("visites");
    QTest::addColumn<QStringList>("mots");       // word, pupils who missed it, who met it, wrong answers
    QTest::addColumn<QStringList>("imprimes");   // the printed "Mots à retravailler" lines

    QTest::newRow("trois élèves manquent bougie, un la réussit")
        << QStringList{u"Anne:bougi"_s, u"Léo:boujie"_s, u"Zoé:bougie"_s, u"Tom:bouji"_s}
        << QStringList{u"bougie 3 4 3"_s}
        << QStringList{u"bougie : manqué par 3 élève(s) sur 4, 3 réponse(s) fausse(s)"_s};
    // Without a journal, the pupil's file still tells the word was missed.
    QTest::newRow("un élève sans journal")
        << QStringList{u"Anne:bougi"_s, u"Léo:boujie:-"_s}
        << QStringList{u"bougie 2 2 1"_s}
        << QStringList{u"bougie : manqué par 2 élève(s) sur 2, 1 réponse(s) fausse(s)"_s};
    QTest::newRow("réussi par tous") << QStringList{u"Anne:bougie"_s, u"Léo:bougie"_s}
        << QStringList{u"bougie 0 2 0"_s} << QStringList{};
    QTest::newRow("personne n'est venu") << QStringList{} << QStringList{} << QStringList{};
}

void TestVisites::motsDifficiles()
{
    QFETCH(QStringList, visites);
    QFETCH(QStringList, mots);
    QFETCH(QStringList, imprimes);
    Installation inst;
    // bougie first (level 1); cheval only once bougie is done; zèbre never (no level).
    inst.preparer({u"bougie"_s, u"cheval"_s, u"zèbre"_s});
    inst.ecrire(u"Mots.dat"_s, QStringEncoder("windows-1252").encode(
                                   u"\"*\",\"bougie\",\"1\"\r\n\"*\",\"cheval\",\"2\"\r\n\"*\",\"zèbre\",\"\"\r\n"_s));
    QFile::remove(inst.chemin(u"Paul.bil"_s));
    const QList<Visite> lues = lireVisites(visites);
    for (const Visite &v : lues)
        inst.ecrireBilan(v.eleve, {});
    for (const Visite &v : lues) {
        Pilote p(inst, v.eleve, kJour);
        QCOMPARE(p.texte(u"lblMot"_s), u"bougie"_s);
        p.repondre(v.reponse);
        p.quitter();
        if (v.sansJournal)
            QVERIFY(QFile::remove(cheminJournal(inst.dossier.path(), v.eleve)));
    }

    PlateformeFactice plateforme;
    plateforme.horloge.jour = kJour;
    const ListeMots liste = LireListeMotsEleve(inst.dossier.path()).liste;
    FrmSuivi suivi(inst.dossier.path(), liste, plateforme.services());
    suivi.show();
    suivi.attendreErreurs();
    QCOMPARE(lignesMotsDifficiles(suivi), mots);
    // To look at it: ORTHOVAL_CAPTURES=<folder> test_suivi_visites
    if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty()) {
        suivi.onglets()->setCurrentIndex(1);
        QVERIFY(suivi.grab().save(dossier + u"/mots-difficiles-"_s + QString::fromUtf8(QTest::currentDataTag()) + u".png"_s));
    }

    suivi.imprimer();
    QCOMPARE(plateforme.imprimante.textes.size(), 1);
    const QString feuille = plateforme.imprimante.textes[0];
    const qsizetype debut = feuille.indexOf(u"Mots à retravailler avec la classe"_s);
    QVERIFY2(debut >= 0, qPrintable(feuille));
    QStringList lignes = feuille.mid(debut).split(u'\n', Qt::SkipEmptyParts);
    lignes.removeFirst();
    for (QString &l : lignes)
        l = l.trimmed();
    lignes.removeAll(QString());
    QCOMPARE(lignes, imprimes);
}

// A child who hears "dent" and writes another real word that sounds the same
// is told so kindly, with the ladder moved as for any wrong answer, and the
// teacher finds the mistake filed apart, among those whose sounds are right.
void TestVisites::homophone_data()
{
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<bool>("messageHomophone");
    QTest::addColumn<QString>("sonJuste");    // the class table's "son juste" count
    QTest::addColumn<QString>("sorte");       // the kind the pupil's panel shows

    QTest::newRow("dans pour dent") << u"dent"_s << u"dans"_s << true << u"1"_s << libelleSorte(SorteErreur::Homophone);
    QTest::newRow("boit pour bois") << u"bois"_s << u"boit"_s << true << u"1"_s << libelleSorte(SorteErreur::Homophone);
    // Not a word: an ordinary misspelling with the right sounds.
    QTest::newRow("dant pour dent") << u"dent"_s << u"dant"_s << false << u"1"_s << libelleSorte(SorteErreur::AutreOrthographe);
    QTest::newRow("dents pour dent") << u"dent"_s << u"dents"_s << false << u"1"_s << libelleSorte(SorteErreur::FinaleMuette);
    QTest::newRow("dune pour dent") << u"dent"_s << u"dune"_s << false << u"0"_s << libelleSorte(SorteErreur::SonChange);
}

void TestVisites::homophone()
{
    QFETCH(QString, mot);
    QFETCH(QString, reponse);
    QFETCH(bool, messageHomophone);
    QFETCH(QString, sonJuste);
    QFETCH(QString, sorte);
    Installation inst;
    inst.preparer({mot});
    inst.ecrire(u"Mots.dat"_s, QStringEncoder("windows-1252").encode(u"\"*\",\"%1\",\"1\"\r\n"_s.arg(mot)));
    QFile::remove(inst.chemin(u"Paul.bil"_s));
    inst.ecrireBilan(u"Anne"_s, {});
    {
        Pilote p(inst, u"Anne"_s, kJour);
        QCOMPARE(p.texte(u"lblMot"_s), mot);
        p.repondre(reponse);
        const QString consigne = p.texte(u"lblConsigne"_s);
        QCOMPARE(consigne == phrases_seance::kPhraseHomophone, messageHomophone);
        QVERIFY2(!consigne.contains(mot), qPrintable(consigne));
        QCOMPARE(p.points(), QList<int>{});   // as after any wrong answer
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty())
            QVERIFY(p.fenetre->grab().save(dossier + u"/homophone-"_s + reponse + u".png"_s));
        p.quitter();
    }

    PlateformeFactice plateforme;
    plateforme.horloge.jour = kJour;
    FrmSuivi suivi(inst.dossier.path(), LireListeMotsEleve(inst.dossier.path()).liste, plateforme.services());
    suivi.show();
    suivi.attendreErreurs();
    QCOMPARE(celluleClasse(suivi, u"Anne"_s, u"Erreurs : son juste"_s), sonJuste);

    PanneauErreurs panneau;
    panneau.AfficherEleve(inst.dossier.path(), u"Anne"_s, 30);
    const QList<QLabel *> sortes = panneau.findChildren<QLabel *>(u"lblSorte"_s);
    QCOMPARE(sortes.size(), 1);
    QCOMPARE(sortes[0]->text(), sorte);
}

QTEST_MAIN(TestVisites)
#include "tst_visites.moc"
