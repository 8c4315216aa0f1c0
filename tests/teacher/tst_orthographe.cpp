// "Corriger l'orthographe…" from a word's "…" menu: the recording and the
// record of Mots.dat take the new spelling, same level, same place; refused,
// with nothing changed, for a word a pupil has already worked on (named),
// for a pupil at work, and for a spelling the list cannot take.
#include "outils.h"
#include "data/verrou.h"

namespace {

// A pupil file's row, as the pupil side writes it: eleven quoted cells, the
// word in column 0 while new, else in the column of its stage.
QByteArray ligneBil(const QByteArray &mot, int etape, const QByteArray &niveau)
{
    QByteArray cellules[11];
    cellules[etape] = mot;
    cellules[1] = niveau;
    cellules[2] = "01/12/2026";
    QByteArray octets;
    for (const QByteArray &c : cellules)
        octets += '"' + c + "\"\r\n";
    return octets;
}

const QByteArray kMotsDat = ligneMots("chat", "1") + ligneMots("lapn", "2") + ligneMots("chien", "3");
const QByteArray kSon = "RIFF le lapin tel qu'il a été dit";

} // namespace

class TestOrthographe : public QObject {
    Q_OBJECT

private slots:
    void corriger_data()
    {
        QTest::addColumn<QString>("nouveau");
        QTest::addColumn<int>("etapeLea");      // of "lapn" in Léa's file
        QTest::addColumn<int>("etapeTom");
        QTest::addColumn<bool>("leaAuTravail");
        QTest::addColumn<QStringList>("message");   // words of the refusal; empty: corrected

        QTest::newRow("jamais travaillé") << u"lapin"_s << 0 << 0 << false << QStringList{};
        QTest::newRow("jamais travaillé, accent") << u"lapïn"_s << 0 << 0 << false << QStringList{};
        QTest::newRow("travaillé par Léa") << u"lapin"_s << 3 << 0 << false
                                            << QStringList{u"Léa a déjà travaillé le mot « lapn »"_s};
        QTest::newRow("acquis par Tom") << u"lapin"_s << 0 << 10 << false
                                        << QStringList{u"Tom a déjà travaillé"_s};
        QTest::newRow("travaillé par les deux") << u"lapin"_s << 7 << 5 << false
                                                << QStringList{u"Léa et Tom ont déjà travaillé"_s};
        QTest::newRow("Léa au travail") << u"lapin"_s << 0 << 0 << true
                                        << QStringList{u"Léa est en train de travailler"_s};
        QTest::newRow("déjà dans la liste") << u"Chat"_s << 0 << 0 << false
                                            << QStringList{u"« chat » est déjà dans la liste"_s};
        QTest::newRow("caractère interdit") << u"la/pin"_s << 0 << 0 << false
                                            << QStringList{u"« la/pin » ne peut pas devenir un mot"_s, u"« / »"_s};
        QTest::newRow("même orthographe") << u"lapn"_s << 0 << 0 << false << QStringList{u"déjà écrit ainsi"_s};
    }
    void corriger()
    {
        QFETCH(QString, nouveau);
        QFETCH(int, etapeLea);
        QFETCH(int, etapeTom);
        QFETCH(bool, leaAuTravail);
        QFETCH(QStringList, message);

        const QByteArray bilLea = ligneBil("chat", 3, "1") + ligneBil("lapn", etapeLea, "2") + ligneBil("chien", 0, "3");
        const QByteArray bilTom = ligneBil("lapn", etapeTom, "2") + ligneBil("chien", 10, "3");
        Fenetre fen({u"chat"_s, u"lapn"_s, u"chien"_s}, {}, [&](Fenetre &f) {
            f.inst.ecrire(u"Mots.dat"_s, kMotsDat);
            f.inst.ecrire(u"Sons/lapn.wav"_s, kSon);
            f.inst.ecrire(u"Léa.bil"_s, bilLea);
            f.inst.ecrire(u"Tom.bil"_s, bilTom);
        });
        std::unique_ptr<Verrou> seance;
        if (leaAuTravail) {
            seance = std::make_unique<Verrou>(cheminVerrouEleve(fen.inst.dossier.path(), u"Léa"_s));
            QVERIFY(seance->tenu());
        }

        int k = 0;
        while (fen.mot(k) != u"lapn"_s)
            QVERIFY(fen.cellule(++k, 0).isValid());
        fen.menu(k, u"actOrthographe"_s);
        auto *dialogue = fen.f->findChild<QDialog *>(u"dialogueOrthographe"_s);
        QVERIFY(dialogue && dialogue->isVisible());
        auto *saisie = dialogue->findChild<QLineEdit *>(u"txtOrthographe"_s);
        QCOMPARE(saisie->text(), u"lapn"_s);
        saisie->clear();
        taper(saisie, nouveau);
        fen.clic(dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));

        QStringList sons = QDir(fen.inst.fichier(u"Sons"_s)).entryList(QDir::Files | QDir::Hidden);
        sons.sort();
        QCOMPARE(fen.inst.lire(u"Léa.bil"_s), bilLea);
        QCOMPARE(fen.inst.lire(u"Tom.bil"_s), bilTom);
        QCOMPARE(fen.inst.fichiers(u"*.verrou"_s), leaAuTravail ? QStringList{u"Léa.bil.verrou"_s} : QStringList{});
        if (message.isEmpty()) {
            QCOMPARE(fen.p.messages.demandes.size(), 0);
            QStringList attendus{u"chat.wav"_s, u"chien.wav"_s, nouveau + u".wav"_s};
            attendus.sort();
            QCOMPARE(sons, attendus);
            QCOMPARE(fen.inst.lire(u"Sons/"_s + nouveau + u".wav"_s), kSon);
            QCOMPARE(fen.inst.lire(u"Mots.dat"_s), ligneMots("chat", "1") + ligneMots(nouveau.toLatin1(), "2")
                                                       + ligneMots("chien", "3"));
            QCOMPARE(fen.f->tableur().at(1), (EntreeMot{nouveau, u"2"_s}));
            QVERIFY(fen.f->tableur().size() == 3);
            QCOMPARE(fen.w<QTableView>(u"vueMots"_s)->model()->match(fen.cellule(0, 0), Qt::DisplayRole, nouveau).size(), 1);
            return;
        }
        QCOMPARE(fen.p.messages.titres(), QStringList{u"Corriger l'orthographe"_s});
        const QString texte = fen.p.messages.demandes.last().texte;
        QVERIFY2(texte.startsWith(u"L'orthographe de « lapn » ne peut pas être corrigée : "_s), qPrintable(texte));
        for (const QString &mots : message)
            QVERIFY2(texte.contains(mots), qPrintable(texte));
        QCOMPARE(sons, (QStringList{u"chat.wav"_s, u"chien.wav"_s, u"lapn.wav"_s}));
        QCOMPARE(fen.inst.lire(u"Sons/lapn.wav"_s), kSon);
        QCOMPARE(fen.inst.lire(u"Mots.dat"_s), kMotsDat);
        QCOMPARE(fen.f->tableur().at(1), (EntreeMot{u"lapn"_s, u"2"_s}));
    }

    // Mots.dat that cannot be replaced: the word keeps its old name, in the
    // list and in Sons, and no second recording is left behind.
    void motsDatIrremplacable()
    {
        Fenetre fen({u"lapn"_s}, {}, [](Fenetre &f) {
            f.inst.ecrire(u"Sons/lapn.wav"_s, kSon);
            QDir(f.inst.dossier.path()).mkdir(u"Mots.dat"_s);
        });
        const qsizetype avant = fen.p.messages.demandes.size();   // the folder's state, told at opening
        fen.menu(0, u"actOrthographe"_s);
        auto *dialogue = fen.f->findChild<QDialog *>(u"dialogueOrthographe"_s);
        dialogue->findChild<QLineEdit *>(u"txtOrthographe"_s)->setText(u"lapin"_s);
        fen.clic(dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));

        QCOMPARE(fen.p.messages.demandes.size(), avant + 1);
        QCOMPARE(fen.p.messages.demandes.last().titre, u"Corriger l'orthographe"_s);
        QVERIFY2(fen.p.messages.demandes.last().texte.contains(u"« Mots.dat »"_s),
                 qPrintable(fen.p.messages.demandes.last().texte));
        QCOMPARE(QDir(fen.inst.fichier(u"Sons"_s)).entryList(QDir::Files | QDir::Hidden), QStringList{u"lapn.wav"_s});
        QCOMPARE(fen.inst.lire(u"Sons/lapn.wav"_s), kSon);
        QCOMPARE(fen.f->tableur(), (ListeMots{{u"lapn"_s, QString()}}));
    }
};

QTEST_MAIN(TestOrthographe)
#include "tst_orthographe.moc"
