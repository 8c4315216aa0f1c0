// Two computers on one shared folder: a pupil, or the teacher module, open in
// one program keeps the other out until it is left. The same test program,
// started with a child mode, is the other computer's program on the same
// folder, left when its standard input closes, or killed.
#include "data/verrou.h"
#include "pupil/pilote.h"
#include "shell/portes.h"

#include <QProcess>
#include <cstdio>

namespace {

// The other computer's program: identifies Paul and writes his word right, or
// opens the teacher module; says "pret" once in, and leaves (by "Quitter")
// when its input closes, unless killed first (power cut, task manager).
int enfant(bool eleve, const QString &dossier)
{
    PlateformeFactice plateforme;
    EtatProgramme etat{dossier};
    auto attendre = [] { std::puts("pret"); std::fflush(stdout); std::getchar(); };
    if (!eleve) {
        FenetresModales fenetres;   // the code accepted, the module open until the input closes
        fenetres.code = [](EtatProgramme &e, Plateforme, QWidget *) { e.accessGranted = true; };
        fenetres.enseignant = [&](EtatProgramme &, Plateforme, QWidget *) { attendre(); };
        passerPorteEnseignant(etat, plateforme.services(), nullptr, fenetres);
        return 0;
    }
    FrmEleve fenetre(etat, plateforme.services());
    fenetre.findChild<QComboBox *>(u"cmbEleve"_s)->setCurrentText(u"Paul"_s);
    fenetre.findChild<QPushButton *>(u"cmdIdentite"_s)->click();
    auto *reponse = fenetre.findChild<QLineEdit *>(u"txtMot"_s);
    QTest::keyClicks(reponse, fenetre.motCourant());
    QTest::keyClick(reponse, Qt::Key_Return);
    attendre();
    fenetre.findChild<QPushButton *>(u"cmdQuitter"_s)->click();
    return 0;
}

} // namespace

class TestVerrous : public QObject {
    Q_OBJECT
private slots:
    // Paul works on one computer: on the other, "C'est moi." is refused and
    // that window leaves his file alone, so his answer survives whichever
    // program closes last. Once the first program has ended, by "Quitter" or
    // killed, Paul gets in without anyone's help, and finds his answer.
    void eleveSurDeuxOrdinateurs_data()
    {
        QTest::addColumn<bool>("tue");
        QTest::newRow("quitte") << false;
        QTest::newRow("tué") << true;
    }
    void eleveSurDeuxOrdinateurs()
    {
        QFETCH(bool, tue);
        Installation inst;
        inst.preparer({u"chat"_s, u"chien"_s});   // one left to propose after the one answered
        QProcess autre;
        autre.start(QCoreApplication::applicationFilePath(), {u"--eleve"_s, inst.dossier.path()});
        QVERIFY(autre.waitForReadyRead(30000));
        Pilote ici(inst, u"Paul"_s);
        QCOMPARE(ici.plateforme.messages.titres(), QStringList{textes_verrou::kTitreEleveOccupe});
        QVERIFY(ici.fenetre->nomEleve().isEmpty());

        tue ? autre.kill() : autre.closeWriteChannel();   // kill: SIGKILL
        QVERIFY(autre.waitForFinished(30000));
        ici.fenetre->reject();   // the refused window closed by its frame, last
        Pilote ensuite(inst, u"Paul"_s);
        QCOMPARE(ensuite.plateforme.messages.titres(), QStringList{});
        QCOMPARE(ensuite.texte(u"lblMotsConnus"_s), u"1"_s);   // the answer kept, killed or not: saved when given
        ensuite.quitter();
    }

    // The teacher module open on one computer: the other's teacher door says
    // so after the code and opens nothing, until the first is closed.
    void enseignantSurDeuxOrdinateurs()
    {
        Installation inst;
        QProcess autre;
        autre.start(QCoreApplication::applicationFilePath(), {u"--enseignant"_s, inst.dossier.path()});
        QVERIFY(autre.waitForReadyRead(30000));
        PlateformeFactice plateforme;
        EtatProgramme etat{inst.dossier.path()};
        int ouvertures = 0;
        FenetresModales fenetres;
        fenetres.code = [](EtatProgramme &e, Plateforme, QWidget *) { e.accessGranted = true; };
        fenetres.enseignant = [&](EtatProgramme &, Plateforme, QWidget *) { ++ouvertures; };
        passerPorteEnseignant(etat, plateforme.services(), nullptr, fenetres);
        QCOMPARE(plateforme.messages.titres(), QStringList{textes_verrou::kTitreEnseignantOccupe});
        autre.closeWriteChannel();
        QVERIFY(autre.waitForFinished(30000));
        passerPorteEnseignant(etat, plateforme.services(), nullptr, fenetres);
        QCOMPARE(ouvertures, 1);
    }

    // What may lie at the lock's name when Paul says "C'est moi.": the lock
    // of another computer, fresh (refused, naming it) or abandoned (taken
    // over); a link, planted by a pupil account, to Lea's file elsewhere.
    void verrouTrouve_data()
    {
        QTest::addColumn<int>("age");        // minutes since the other computer refreshed it; -1: the link
        QTest::addColumn<QString>("refus");  // the start of the message, empty: Paul gets in
        QTest::newRow("autre ordinateur, au travail") << 1 << u"«\u00A0Paul\u00A0» travaille déjà sur un autre ordinateur («\u00A0salle\u2011B\u201103\u00A0»)."_s;
        QTest::newRow("autre ordinateur, abandonné") << 10 << QString();
        QTest::newRow("lien planté") << -1 << QString();
    }
    void verrouTrouve()
    {
        QFETCH(int, age);
        QFETCH(QString, refus);
        Installation inst, ailleurs;
        inst.preparer({u"chat"_s});
        ailleurs.ecrire(u"Lea.bil"_s, "intact\n");
        inst.ecrire(u"Paul.bil.verrou"_s, "999999\northoval\nsalle-B-03\nautre-machine\nautre-demarrage\n");
        QFile f(inst.chemin(u"Paul.bil.verrou"_s));
        QVERIFY(age < 0 ? f.remove() && QFile::link(ailleurs.chemin(u"Lea.bil"_s), f.fileName())
                        : f.open(QIODevice::Append) && f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * age), QFileDevice::FileModificationTime));

        Pilote ici(inst, u"Paul"_s);
        QCOMPARE(ici.plateforme.messages.demandes.value(0).texte.section(u'\n', 0, 0), refus);
        QCOMPARE(ici.fenetre->nomEleve().isEmpty(), !refus.isEmpty());
        QCOMPARE(ailleurs.lireBilan(u"Lea"_s), QByteArray("intact\n"));
    }
};

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc == 3 && (qstrcmp(argv[1], "--eleve") == 0 || qstrcmp(argv[1], "--enseignant") == 0))
        return enfant(qstrcmp(argv[1], "--eleve") == 0, QString::fromLocal8Bit(argv[2]));
    TestVerrous test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_verrous.moc"
