// The school's shared drive dropping during a pupil's visit: the folder is
// renamed away before Quitter, as when the network drive goes, or replaced by
// an empty folder, as when it is unmounted and leaves its mount point. The
// save fails with a message, nothing is written anywhere else, the work stays in memory,
// and once the folder is back the next Quitter writes it all. Two computers
// on one folder are the lock tests' business (tests/verrous).
#include "pupil/pilote.h"
#include "pupil/textes.h"

namespace {

// Two words answered right, as a child does.
void travailler(Pilote &p)
{
    p.repondre(p.fenetre->motCourant());
    p.suivant();
    p.repondre(p.fenetre->motCourant());
}

// What a pupil file says was done, whatever words the draw proposed: each
// row's stage, level and date, without its word, sorted.
QStringList travailFait(const QByteArray &bilan)
{
    const QList<QByteArray> cellules = bilan.split('\n');
    QStringList lignes;
    for (qsizetype debut = 0; debut + 11 <= cellules.size(); debut += 11) {
        int etape = 0;
        for (int c = 3; c < 11; ++c)
            if (cellules[debut + c].trimmed() != "\"\"")
                etape = c;
        lignes << u"%1 %2 %3"_s.arg(etape).arg(QString::fromLatin1(cellules[debut + 1].trimmed()),
                                             QString::fromLatin1(cellules[debut + 2].trimmed()));
    }
    lignes.sort();
    return lignes;
}

}  // namespace

class TestPartage : public QObject {
    Q_OBJECT

private slots:
    void partagePerdu_data()
    {
        QTest::addColumn<int>("essaisPendantLaCoupure");
        QTest::addColumn<bool>("pointDeMontageVide");
        QTest::newRow("one Quitter while the drive is gone") << 1 << false;
        // The second failure asks whether to leave without saving; the adult says no.
        QTest::newRow("Quitter again while the drive is still gone") << 2 << false;
        // Writable, but not where the visit began: nothing may land there.
        QTest::newRow("drive unmounted, its empty mount point left") << 2 << true;
    }

    void partagePerdu()
    {
        QFETCH(int, essaisPendantLaCoupure);
        QFETCH(bool, pointDeMontageVide);
        const QStringList mots{u"chat"_s, u"lapin"_s, u"école"_s};
        Installation temoin, partage;
        temoin.preparer(mots);
        partage.preparer(mots);
        {
            Pilote p(temoin, u"Paul"_s);
            travailler(p);
            p.quitter();
        }

        Pilote p(partage, u"Paul"_s);
        p.plateforme.messages.reponseQuestion = false;
        travailler(p);
        const QString dossier = partage.dossier.path(), ailleurs = dossier + u".coupe"_s;
        QVERIFY(QDir().rename(dossier, ailleurs));
        if (pointDeMontageVide)
            QVERIFY(QDir().mkdir(dossier));
        for (int essai = 0; essai < essaisPendantLaCoupure; ++essai)
            p.quitter();
        const bool reste = p.fenetre->isVisible();
        const bool rienEcritAilleurs = pointDeMontageVide ? QDir(dossier).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                                                          : !QFileInfo::exists(dossier);
        if (pointDeMontageVide)
            QDir(dossier).removeRecursively();
        QVERIFY(QDir().rename(ailleurs, dossier));
        QVERIFY2(reste, "the window closed and the work is gone");
        QVERIFY2(rienEcritAilleurs, "the save went to another folder");
        QCOMPARE(p.messages(textes_eleve::kTitreEnregistrement), essaisPendantLaCoupure);
        QVERIFY(p.plateforme.messages.demandes.first().texte.contains(textes_eleve::kEnregistrementRate));

        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
        // The same work as a visit the drive never left, word for word but for the draw.
        QCOMPARE(travailFait(temoin.lireBilan(u"Paul"_s)).size(), mots.size());
        QCOMPARE(travailFait(partage.lireBilan(u"Paul"_s)), travailFait(temoin.lireBilan(u"Paul"_s)));
        QVERIFY(partage.lireBilan(u"Paul"_s) != octetsBilan({}));
    }
};

QTEST_MAIN(TestPartage)
#include "tst_partage.moc"
