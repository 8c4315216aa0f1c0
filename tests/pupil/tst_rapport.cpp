#include "pilote.h"
#include "pupil/rapport.h"
#include "tst_eleve.h"

#include <QToolButton>

using namespace essai;

namespace {

const QString kTeteAcquis = QStringLiteral("MOTS ACQUIS (bien orthographiés un mois après leur étude ou déjà connus)");
const QString kTeteEnCours = QStringLiteral(
    "MOTS EN COURS D'ETUDE (il faut parfois attendre avant de les rencontrer à nouveau)");
const QString kTeteNonProposes = QStringLiteral("MOTS NON PROPOSES");

TableProgression table(const QList<LigneProgression> &lignes)
{
    TableProgression t;
    for (const LigneProgression &l : lignes)
        t.ajouterLigne(l);
    return t;
}

} // namespace

void TestEleve::rapport_data()
{
    QTest::addColumn<QList<LigneProgression>>("lignes");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("attendu");

    const QString d = QStringLiteral("01/12/2026");
    QTest::newRow("Paul") << QList<LigneProgression>{ligne("chat", 10, "1", d), ligne("mur", 4, "1", d),
                                                     ligne("lune", 9, "2", d), ligne("bol", 0, "1", d),
                                                     ligne("sol", 4, "3", d)}
                          << QStringLiteral("Paul")
                          << QStringLiteral("Paul - 05/12/2026\n\n") + kTeteAcquis + QStringLiteral("\n\nchat / \n\n")
                                 + kTeteEnCours + QStringLiteral("\n\nlune / mur / sol / \n\n") + kTeteNonProposes
                                 + QStringLiteral("\n\nbol / ");
    QTest::newRow("table vide") << QList<LigneProgression>{} << QStringLiteral("Élodie M")
                                << QStringLiteral("Élodie M - 05/12/2026\n\n") + kTeteAcquis + QStringLiteral("\n\n\n\n")
                                       + kTeteEnCours + QStringLiteral("\n\n\n\n") + kTeteNonProposes
                                       + QStringLiteral("\n\n");
    // Stage 9 first, stage 3 last; a row without any word is not listed;
    // a word without a level is still "not proposed".
    QTest::newRow("ordre des étapes") << QList<LigneProgression>{ligne("a3", 3, "1", d), ligne("b7", 7, "1", d),
                                                                 ligne("", 0, "1", d), ligne("c3", 3, "1", d),
                                                                 ligne("d5", 5, "1", d), ligne("l'eau", 0, "", d)}
                                      << QStringLiteral("Zoé")
                                      << QStringLiteral("Zoé - 05/12/2026\n\n") + kTeteAcquis + QStringLiteral("\n\n\n\n")
                                             + kTeteEnCours + QStringLiteral("\n\nb7 / d5 / a3 / c3 / \n\n")
                                             + kTeteNonProposes + QStringLiteral("\n\nl'eau / ");
}

void TestEleve::rapport()
{
    QFETCH(QList<LigneProgression>, lignes);
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    QCOMPARE(composerRapport(table(lignes), nom, QDate(2026, 12, 5)), attendu);
}

// The button prints the table as it is now (not the file), in Comic Sans MS
// 9.75; printing changes nothing, and twice gives the same text.
void TestEleve::rapport_imprimeLaTableEnMemoire()
{
    Installation inst;
    inst.ecrireMots({{"chat", "1"}});
    inst.ecrireBilan("Paul", {});
    Pilote p(inst);
    p.identifier("Paul");
    p.repondre("chat");   // acquired at the initial test, in memory only
    const QByteArray fichier = inst.lireBilan("Paul");

    auto *imprimer = p.enfant<QToolButton>("cmdImprimer");
    imprimer->click();
    p.plateforme.imprimante.reussite = false;   // cancelled: silent
    imprimer->click();

    QCOMPARE(p.plateforme.imprimante.textes.size(), 2);
    QCOMPARE(p.plateforme.imprimante.textes[0], p.plateforme.imprimante.textes[1]);
    QVERIFY(p.plateforme.imprimante.textes[0].contains(kTeteAcquis + QStringLiteral("\n\nchat / \n\n")));
    QCOMPARE(p.plateforme.imprimante.polices[0].family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(p.plateforme.imprimante.polices[0].pointSizeF(), 9.75);
    QVERIFY(p.plateforme.messages.demandes.isEmpty());
    QCOMPARE(inst.lireBilan("Paul"), fichier);
    QVERIFY(p.fenetre->isVisible());
}
