#include "pilote.h"
#include "tst_eleve.h"

using namespace essai;

namespace {

const QString kD0 = QStringLiteral("01/12/2026");
const QString kAujourdhui = QStringLiteral("05/12/2026");

} // namespace

void TestEleve::visite_identification()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}, {"lune", "2"}, {"mur", "1"}});
    inst.ecrireBilan("Zoé", {});
    inst.ecrireBilan("Arthur", {});
    inst.ecrireBilan("Élodie M", {ligne("chat", 10, "1", kD0), ligne("lune", 10, "2", kD0), ligne("mur", 3, "1", kD0)});
    Pilote p(inst);

    auto *liste = p.enfant<QComboBox>("cmbEleve");
    QCOMPARE(liste->count(), 3);
    QCOMPARE(liste->currentIndex(), 0);
    QVERIFY(liste->findText("Élodie M") >= 0);
    QVERIFY(liste->findText("Arthur") >= 0);
    QVERIFY(!liste->isEditable());
    QCOMPARE(p.fenetre->windowTitle(), QStringLiteral("OrthoVal - Elève"));
    QCOMPARE(p.cadre("frameEleve")->title(), QStringLiteral("Qui es-tu ?"));
    QCOMPARE(p.bouton("cmdIdentite")->text(), QStringLiteral("C'est &moi."));
    QCOMPARE(p.cadre("frameEleve")->geometry(), p.fenetre->rect());
    QCOMPARE(p.etiquette("lblMotsConnus")->text(), QStringLiteral("0"));

    p.identifier("Élodie M");
    QCOMPARE(p.fenetre->windowTitle(), QStringLiteral("OrthoVal - Elève : Élodie M"));
    QVERIFY(p.cadre("frameEleve")->isHidden());
    QVERIFY(p.enfant<QFrame>("frameMiseAJour")->isHidden());
    QCOMPARE(p.etiquette("lblMotsConnus")->text(), QStringLiteral("2"));
    QCOMPARE(p.fenetre->nomEleve(), QStringLiteral("Élodie M"));
    // The word in the middle of the ladder comes before the new ones.
    QCOMPARE(p.fenetre->motCourant(), QStringLiteral("mur"));
    QCOMPARE(p.plateforme.son.joues, QStringList{inst.cheminSon("mur")});
}

// Leaving right after identification writes the table brought in line with
// the word list: level updated, new word added, removed word gone.
void TestEleve::visite_quitterEcritLaTableReconciliee()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}, {"lune", "2"}});
    inst.ecrireBilan("Paul", {ligne("chat", 3, "2", kD0), ligne("vieux", 5, "1", kD0)});
    Pilote p(inst);
    p.identifier("Paul");
    QCOMPARE(p.fenetre->motCourant(), QStringLiteral("chat"));
    p.bouton("cmdQuitter")->click();

    QVERIFY(!p.fenetre->isVisible());
    QCOMPARE(p.fenetre->result(), int(QDialog::Accepted));
    QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 3, "1", kD0), ligne("lune", 0, "2", kAujourdhui)}));
    QVERIFY(p.plateforme.messages.demandes.isEmpty());
}

// Without a readable word list the window says so, marks the failure for
// the caller and closes itself once shown; nothing is written.
void TestEleve::visite_sansListeDeMots()
{
    const QList<QByteArray> motsDat{QByteArray(), QByteArray("\"*\",\"chat\",\"1\",\"en trop\"\r\n")};
    for (const QByteArray &contenu : motsDat) {
        Installation inst;
        if (!contenu.isNull())
            inst.ecrireFichier("Mots.dat", contenu);
        inst.ecrireBilan("Arthur", {});
        Pilote p(inst);
        QVERIFY(p.fenetre->echecListeMots());
        QCOMPARE(p.plateforme.messages.demandes.size(), 1);
        QCOMPARE(p.plateforme.messages.demandes[0].titre, QStringLiteral("Avertissement"));
        QCOMPARE(p.plateforme.messages.demandes[0].texte,
                 QStringLiteral("Vous devez d'abord affecter un niveau aux mots de la bibliothèque sonore\n"
                                "en ouvrant le module Enseignant.\n"));
        QVERIFY(!p.plateforme.messages.demandes[0].question);
        QTRY_VERIFY(!p.fenetre->isVisible());
        QCOMPARE(p.fenetre->result(), int(QDialog::Rejected));
        QCOMPARE(inst.lireBilan("Arthur"), QByteArray());

        // Once the teacher has written the list, the next opening is normal.
        inst.ecrireMots({{"chat", "1"}});
        Pilote ensuite(inst);
        QVERIFY(!ensuite.fenetre->echecListeMots());
        QVERIFY(ensuite.plateforme.messages.demandes.isEmpty());
        QVERIFY(!ensuite.cadre("frameEleve")->isHidden());
        QTest::qWait(20);
        QVERIFY(ensuite.fenetre->isVisible());
    }
}

void TestEleve::visite_fermerParLeCadreEnregistre()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {});
    Pilote p(inst);
    p.identifier("Paul");
    p.repondre("chat");
    QVERIFY(p.fenetre->close());
    QVERIFY(!p.fenetre->isVisible());
    QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", kAujourdhui)}));

    // Closed before anybody is identified: nothing is written anywhere.
    Installation vide;
    vide.ecrireMots({{"chat", "1"}});
    vide.ecrireBilan("Paul", {});
    Pilote avant(vide);
    QVERIFY(avant.fenetre->close());
    QCOMPARE(vide.lireBilan("Paul"), QByteArray());
    QVERIFY(!vide.existe(".bil"));
}

// A save that fails keeps the window and the work; the next attempt may
// succeed, or an adult may choose to leave without saving.
void TestEleve::visite_echecEnregistrementGardeLaFenetre()
{
    for (const bool partirSansEnregistrer : {false, true}) {
        Installation inst;
        inst.ecrireMots({{"chat", "1"}});
        inst.ecrireBilan("Paul", {});
        Pilote p(inst);
        p.identifier("Paul");
        p.repondre("chat");
        // Works as root too: a folder that is gone cannot receive the file.
        QVERIFY(QDir(inst.chemin()).removeRecursively());

        p.bouton("cmdQuitter")->click();
        QVERIFY(p.fenetre->isVisible());
        QCOMPARE(p.plateforme.messages.demandes.size(), 1);
        QCOMPARE(p.plateforme.messages.demandes[0].titre, QStringLiteral("Enregistrement impossible"));
        QVERIFY(p.plateforme.messages.demandes[0].texte.contains("Paul.bil"));
        QVERIFY(!p.plateforme.messages.demandes[0].question);

        p.plateforme.messages.reponseQuestion = partirSansEnregistrer;
        p.fenetre->close();
        QCOMPARE(p.plateforme.messages.demandes.size(), 2);
        QVERIFY(p.plateforme.messages.demandes[1].question);
        QCOMPARE(p.fenetre->isVisible(), !partirSansEnregistrer);
        if (partirSansEnregistrer)
            continue;

        QVERIFY(QDir().mkpath(inst.chemin()));
        p.bouton("cmdQuitter")->click();
        QVERIFY(!p.fenetre->isVisible());
        QCOMPARE(p.plateforme.messages.demandes.size(), 2);
        QCOMPARE(inst.lireBilan("Paul"), octetsBilan({ligne("chat", 10, "1", kAujourdhui)}));
    }
}

void TestEleve::visite_echapNeFermePas()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {});
    Pilote p(inst);
    QTest::keyClick(p.fenetre.get(), Qt::Key_Escape);
    QVERIFY(p.fenetre->isVisible());
    p.identifier("Paul");
    QTest::keyClick(p.txtMot(), Qt::Key_Escape);
    QTest::keyClick(p.fenetre.get(), Qt::Key_Escape);
    QVERIFY(p.fenetre->isVisible());
    QCOMPARE(inst.lireBilan("Paul"), QByteArray());
}
