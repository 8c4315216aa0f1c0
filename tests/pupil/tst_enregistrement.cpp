// A visit that does not end with Quitter: the pupil file follows every
// answer, byte for byte what Quitter would write at that moment, and the end
// of the session (SIGTERM, SIGHUP) saves through the event loop. A save
// that fails in between is never put in front of the child.
#include "data/sauvegardes.h"
#include "pilote.h"
#include "platform/finsession.h"
#include "pupil/textes.h"
#include "support/fichiers.h"

#include <csignal>
#include <sys/resource.h>

namespace {

const QString kD0 = u"01/12/2026"_s;

// Quitter's bytes for the table the window holds now.
QByteArray octetsQuitter(const Pilote &p) { return octetsBilan(p.fenetre->fgEleve().lignes()); }

int copies(const Installation &inst) { return int(listerSauvegardes(inst.dossier.path(), u"Paul.bil"_s).size()); }

} // namespace

class TestEnregistrement : public QObject {
    Q_OBJECT

private slots:
    // "=": the word presented, right; anything else is typed as it is.
    void apresChaqueReponse_data()
    {
        QTest::addColumn<QStringList>("reponses");
        QTest::addColumn<bool>("motRetire");   // a studied word left the list since the last visit
        QTest::newRow("trois justes") << QStringList{u"="_s, u"="_s, u"="_s} << false;
        QTest::newRow("une faute, puis justes") << QStringList{u"maizon"_s, u"="_s, u"="_s} << false;
        QTest::newRow("mot retiré : une copie, une seule fois") << QStringList{u"="_s, u"fôte"_s, u"="_s} << true;
    }
    void apresChaqueReponse()
    {
        QFETCH(QStringList, reponses);
        QFETCH(bool, motRetire);
        Installation inst;
        inst.preparer({u"maison"_s, u"lapin"_s, u"école"_s});
        QList<LigneProgression> avant{ligne(u"maison"_s, 4, u"1"_s, kD0), ligne(u"lapin"_s, 6, u"1"_s, kD0)};
        if (motRetire)
            avant << ligne(u"parti"_s, 8, u"1"_s, kD0);
        inst.ecrireBilan(u"Paul"_s, avant);
        const QByteArray original = inst.lireBilan(u"Paul"_s);

        Pilote p(inst, u"Paul"_s);
        QCOMPARE(inst.lireBilan(u"Paul"_s), original);   // nothing answered, nothing written
        for (const QString &reponse : reponses) {
            p.repondre(reponse == u"="_s ? p.fenetre->motCourant() : reponse);
            QCOMPARE(inst.lireBilan(u"Paul"_s), octetsQuitter(p));
            QCOMPARE(copies(inst), motRetire ? 1 : 0);
            p.suivant();
        }
        if (motRetire)
            QCOMPARE(lireOctets(inst.chemin(kDossierSauvegardes + u'/' + listerSauvegardes(inst.dossier.path(), u"Paul.bil"_s).value(0))),
                     original);
        const QByteArray dernier = inst.lireBilan(u"Paul"_s);
        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
        QCOMPARE(inst.lireBilan(u"Paul"_s), dernier);
        QCOMPARE(copies(inst), motRetire ? 1 : 0);
        QCOMPARE(p.plateforme.messages.titres(), QStringList());
    }

    // The folder goes during the visit (a network drive), or is replaced by
    // an empty one (its mount point left): the answers go on with no box,
    // nothing lands anywhere else, Quitter tells the failure as always, and
    // once the folder is back the next answer saves it all.
    void echecPendantLaVisite_data()
    {
        QTest::addColumn<bool>("pointDeMontageVide");
        QTest::newRow("dossier parti") << false;
        QTest::newRow("point de montage vide") << true;
    }
    void echecPendantLaVisite()
    {
        QFETCH(bool, pointDeMontageVide);
        Installation inst;
        inst.preparer({u"chat"_s, u"lapin"_s, u"école"_s});
        Pilote p(inst, u"Paul"_s);
        p.repondre(p.fenetre->motCourant());
        const QByteArray sauve = inst.lireBilan(u"Paul"_s);
        QCOMPARE(sauve, octetsQuitter(p));

        const QString dossier = inst.dossier.path(), ailleurs = dossier + u".coupe"_s;
        QVERIFY(QDir().rename(dossier, ailleurs));
        if (pointDeMontageVide)
            QVERIFY(QDir().mkdir(dossier));
        p.suivant();
        p.repondre(u"zzz"_s);
        p.suivant();
        p.repondre(p.fenetre->motCourant());
        QCOMPARE(p.plateforme.messages.titres(), QStringList());
        QVERIFY(!p.fenetre->echecEnCours().isEmpty());
        QCOMPARE(QDir(dossier).entryList({u"*.bil"_s, kDossierSauvegardes}), QStringList());

        p.quitter();
        QVERIFY(p.fenetre->isVisible());
        QCOMPARE(p.plateforme.messages.titres(), QStringList{textes_eleve::kTitreEnregistrement});
        QCOMPARE(p.plateforme.messages.demandes[0].texte.startsWith(u"Le travail de Paul n'a pas été enregistré"_s),
                 pointDeMontageVide);

        if (pointDeMontageVide)   // the mount point, with what the teacher's journal left there
            QVERIFY(QDir(dossier).removeRecursively());
        QVERIFY(QDir().rename(ailleurs, dossier));
        QCOMPARE(inst.lireBilan(u"Paul"_s), sauve);
        p.suivant();
        p.repondre(p.fenetre->motCourant());
        QCOMPARE(inst.lireBilan(u"Paul"_s), octetsQuitter(p));
        QVERIFY(p.fenetre->echecEnCours().isEmpty());
        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
        QCOMPARE(p.plateforme.messages.demandes.size(), 1);
    }

    // The disk fills after the copy of a file that loses a studied word was
    // kept (a link needs no room): each answer tries the save again, and
    // never pushes the older copies out with copies of the same file.
    void disquePleinApresLaCopie()
    {
        Installation inst;
        QStringList mots;
        for (int i = 0; i < 500; ++i)   // a table larger than any write buffer once reconciled
            mots << u"mot%1"_s.arg(i);
        inst.preparer(mots);
        inst.ecrireBilan(u"Paul"_s, {ligne(u"mot0"_s, 4, u"1"_s, kD0), ligne(u"parti"_s, 6, u"1"_s, kD0)});
        const QByteArray original = inst.lireBilan(u"Paul"_s);
        QVERIFY(QDir(inst.dossier.path()).mkdir(kDossierSauvegardes));
        inst.ecrire(kDossierSauvegardes + u"/Paul (2020-01-01 10h00m00).bil"_s, "premier");
        inst.ecrire(kDossierSauvegardes + u"/Paul (2020-02-01 10h00m00).bil"_s, "second");

        const rlimit avant = [] { rlimit r{}; getrlimit(RLIMIT_FSIZE, &r); return r; }();
        const auto retablir = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &avant); });
        const rlimit plein{rlim_t(original.size() + 512), avant.rlim_max};
        QVERIFY(std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &plein) == 0);
        Pilote p(inst, u"Paul"_s);
        for (int k = 0; k < 6; ++k) {
            p.repondre(p.fenetre->motCourant());
            p.suivant();
        }
        QVERIFY(!p.fenetre->echecEnCours().isEmpty());
        QCOMPARE(p.plateforme.messages.titres(), QStringList());
        QCOMPARE(inst.lireBilan(u"Paul"_s), original);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &avant) == 0);

        p.repondre(p.fenetre->motCourant());
        QCOMPARE(inst.lireBilan(u"Paul"_s), octetsQuitter(p));
        const QStringList copiesGardees = listerSauvegardes(inst.dossier.path(), u"Paul.bil"_s);
        QCOMPARE(copiesGardees.size(), 3);
        QCOMPARE(copiesGardees.mid(1), (QStringList{u"Paul (2020-02-01 10h00m00).bil"_s, u"Paul (2020-01-01 10h00m00).bil"_s}));
        QCOMPARE(lireOctets(inst.chemin(kDossierSauvegardes + u'/' + copiesGardees[0])), original);
    }

    // A real signal sent to this process reaches the window through the
    // event loop: the table reconciled at identification (a level the
    // teacher changed) is saved though nothing was answered.
    void finDeSession_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void finDeSession()
    {
        QFETCH(int, signal);
        Installation inst;
        inst.preparer({u"chat"_s});
        inst.ecrireBilan(u"Paul"_s, {ligne(u"chat"_s, 5, u"3"_s, kD0)});
        FinDeSession fin;
        QSignalSpy arrets(&fin, &FinDeSession::arretDemande);
        Pilote p(inst, u"Paul"_s);
        connect(&fin, &FinDeSession::arretDemande, p.fenetre.get(), &FrmEleve::enregistrerFinDeSession);
        QCOMPARE(::raise(signal), 0);
        QTRY_COMPARE(arrets.size(), 1);
        QCOMPARE(arrets[0][0].toInt(), signal);
        QCOMPARE(inst.lireBilan(u"Paul"_s), octetsBilan({ligne(u"chat"_s, 5, u"1"_s, kD0)}));
        QCOMPARE(p.plateforme.messages.titres(), QStringList());
    }
};

QTEST_MAIN(TestEnregistrement)
#include "tst_enregistrement.moc"
