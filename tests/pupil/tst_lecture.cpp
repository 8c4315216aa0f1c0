#include "pilote.h"
#include "tst_eleve.h"

using namespace essai;

// A second click while the word is playing is refused by the busy border.
void TestEleve::lecture_deuxClicsUneLecture()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {});
    Pilote p(inst);
    p.identifier("Paul");
    QCOMPARE(p.plateforme.son.joues.size(), 1);   // heard once when presented
    p.plateforme.son.joues.clear();
    p.plateforme.son.attentes.clear();

    auto *hautParleur = p.etiquette("imgSon");
    QFrame::Shape bordPendant = QFrame::NoFrame;
    p.plateforme.son.pendantAttente = [&] {
        bordPendant = hautParleur->frameShape();
        QTest::mouseClick(hautParleur, Qt::LeftButton);
    };
    QTest::mouseClick(hautParleur, Qt::LeftButton);

    QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon("chat")});
    QCOMPARE(p.plateforme.son.attentes.size(), 1);
    QCOMPARE(bordPendant, QFrame::Box);
    QCOMPARE(hautParleur->frameShape(), QFrame::NoFrame);
    QCOMPARE(hautParleur->toolTip(), QStringLiteral(" Clique ici pour écouter le mot. "));

    // Once the playback is over, a click plays again.
    QTest::mouseClick(hautParleur, Qt::LeftButton);
    QCOMPARE(p.plateforme.son.joues.size(), 2);
}

void TestEleve::lecture_duree_data()
{
    QTest::addColumn<QString>("mot");
    QTest::addColumn<int>("dureeMs");
    QTest::addColumn<bool>("fichier");
    QTest::addColumn<double>("attente");

    QTest::newRow("1,5 s") << "chat" << 1500 << true << double(1.5f * 4.0f / 3.0f + 0.1f);
    QTest::newRow("apostrophe") << "l'arbre" << 900 << true << double(0.9f * 4.0f / 3.0f + 0.1f);
    QTest::newRow("espace") << "petit chat" << 3000 << true << double(3.0f * 4.0f / 3.0f + 0.1f);
    QTest::newRow("enregistrement vide") << "chat" << 0 << true << 0.1;
    QTest::newRow("fichier absent") << "chat" << 1500 << false << 0.1;
}

// The word is played from exactly its file, and the window waits 4/3 of
// its length plus a tenth of a second.
void TestEleve::lecture_duree()
{
    QFETCH(QString, mot);
    QFETCH(int, dureeMs);
    QFETCH(bool, fichier);
    QFETCH(double, attente);

    Installation inst;
    inst.ecrireMots({{mot, "1"}});
    inst.ecrireBilan("Paul", {});
    if (!fichier)
        QVERIFY(QFile::remove(inst.cheminSon(mot)));
    Pilote p(inst);
    p.plateforme.son.durees.insert(inst.cheminSon(mot), dureeMs);
    p.identifier("Paul");

    QCOMPARE(p.plateforme.son.joues, fichier ? QStringList{inst.cheminSon(mot)} : QStringList{});
    QCOMPARE(p.plateforme.son.attentes.size(), 1);
    QVERIFY2(qAbs(p.plateforme.son.attentes[0] - attente) < 1e-6,
             qPrintable(QString::number(p.plateforme.son.attentes[0])));
    QVERIFY(p.plateforme.messages.demandes.isEmpty());
}
