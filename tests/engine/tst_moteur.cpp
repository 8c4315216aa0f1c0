// Tests of the learning engine: keys, answer clean-up, masks, evaluation and
// the choice of the next word (a whole ladder climbed: test_pupil_echelle).
#include "engine/alignement.h"
#include "engine/clavier.h"
#include "engine/etapes.h"
#include "engine/evaluation.h"
#include "engine/texte.h"
#include "selection_litterale.h"

#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

const QDate kAujourdhui(2026, 3, 15);
const QString kMot = QStringLiteral("école");

static LigneProgression ligne(const QString &mot, int etape, const QString &niveau = "1", const QDate &date = kAujourdhui)
{
    LigneProgression l{QString(), niveau, texteDate(date)};   // columns 0, level, date
    l[etape] = mot;
    return l;
}

// n rows no pass proposes (acquired words, new words without a level), except the given ones.
static TableProgression table(int n, const QMap<int, LigneProgression> &lignes = {})
{
    TableProgression t;
    for (int r = 0; r < n; ++r)
        t.ajouterLigne(lignes.value(r, ligne(QStringLiteral("m%1").arg(r), r % 2 ? kEtapeAcquis : 0, r % 2 ? "1" : "")));
    return t;
}

// The clean-up as its rule reads: outer spaces, then for each pair in turn,
// search from the start and remove one space per find until the pair is gone.
static QString normaliserLitteralement(QString t)
{
    t.remove(QRegularExpression(QStringLiteral("^ +| +\\z")));
    for (const auto &[paire, espace] : {std::pair{"  ", 1}, {"' ", 1}, {" '", 0}, {"- ", 1}, {" -", 0}})
        for (qsizetype p = t.indexOf(QLatin1String(paire)); p >= 0; p = t.indexOf(QLatin1String(paire)))
            t.remove(p + espace, 1);
    return t;
}

class TestMoteur : public QObject {
    Q_OBJECT

private slots:
    void alignement_data()
    {
        // Real misspellings; '_' marks a gap, '^' a letter shown as different.
        QTest::addColumn<QString>("tapee");
        QTest::addColumn<QString>("attendue");
        QTest::addColumn<QString>("ligneTapee");
        QTest::addColumn<QString>("ligneAttendue");
        QTest::addColumn<QString>("marques");
        QTest::newRow("juste") << "chat" << "chat" << "chat" << "chat" << "    ";
        QTest::newRow("lettre manquante") << "balon" << "ballon" << "ba_lon" << "ballon" << "  ^   ";
        QTest::newRow("lettre en trop") << "fleure" << "fleur" << "fleure" << "fleur_" << "     ^";
        QTest::newRow("finale muette") << "chocola" << "chocolat" << "chocola_" << "chocolat" << "       ^";
        QTest::newRow("lettres inversées") << "cehval" << "cheval" << "cehval" << "cheval" << " ^^   ";
        QTest::newRow("accent") << "fenètre" << "fenêtre" << "fenètre" << "fenêtre" << "   ^   ";
        QTest::newRow("majuscule") << "paris" << "Paris" << "paris" << "Paris" << "^    ";
        QTest::newRow("apostrophe oubliée") << "lécole" << "l'école" << "l_école" << "l'école" << " ^     ";
        QTest::newRow("son changé") << "gitare" << "guitare" << "g_itare" << "guitare" << " ^     ";
        QTest::newRow("réponse vide") << "" << "ours" << "____" << "ours" << "^^^^";
    }

    void alignement()
    {
        QFETCH(QString, tapee);
        QFETCH(QString, attendue);
        const QList<CaseAlignee> cases = AlignerReponse(tapee, attendue);
        const LignesAlignees lignes = TexteAligne(cases);
        QTEST(lignes.tapee, "ligneTapee");
        QTEST(lignes.attendue, "ligneAttendue");
        QString marques;
        for (const CaseAlignee &c : cases)
            marques += c.differe() ? u'^' : u' ';
        QTEST(marques, "marques");
    }

    void clavier()
    {
        // The text of the key a typed character inserts: letters lowered first; no key for the others.
        const QList<std::pair<QChar, QString>> cas = {
            {u'E', "e"}, {u'É', "é"}, {u'\'', "'"}, {u' ', " "}, {u'5', ""}, {u'œ', ""}, {u'’', ""}};
        for (const auto &[c, insere] : cas)
            QCOMPARE(toucheDeCaractere(c) < 0 ? QString() : touchesClavier()[toucheDeCaractere(c)].texteInsere(), insere);
    }

    void normaliser()
    {
        const QList<std::pair<QString, QString>> exemples = {{"  la   petite  fille ", "la petite fille"},
            {"l ' arbre", "l'arbre"}, {"porte - monnaie", "porte-monnaie"}, {"     ", ""}};
        for (const auto &[reponse, attendu] : exemples)
            QCOMPARE(NormaliserReponse(reponse), attendu);
        // Against the literal steps, on many short texts of the characters that matter.
        const QString alphabet = QStringLiteral("  '-a\té");
        QRandomGenerator generateur(20260315);
        for (int essai = 0; essai < 20000; ++essai) {
            QString t;
            for (int i = generateur.bounded(14); i > 0; --i)
                t.append(alphabet[generateur.bounded(alphabet.size())]);
            QCOMPARE(NormaliserReponse(t), normaliserLitteralement(t));
        }
    }

    void masques()
    {
        // '#': the mask character. Capitals and signs are never hidden; y, œ and æ are vowels.
        const QList<std::tuple<QString, QString, QString>> cas = {{"école", "#c#l#", "é#o#e"}, {"Été", "Ét#", "É#é"},
            {"garçon", "g#rç#n", "#a##o#"}, {"cœur", "c##r", "#œu#"}, {"Œuvre", "Œ#vr#", "Œu##e"}, {"yàéêïôù-' ", "#######-' ", "yàéêïôù-' "}};
        for (auto [mot, voyelles, consonnes] : cas) {
            QCOMPARE(texteModele(mot, kEtapeVoyelles), voyelles.replace(u'#', kCaractereMasque));
            QCOMPARE(texteModele(mot, kEtapeConsonnes), consonnes.replace(u'#', kCaractereMasque));
            for (int etape : {kEtapeNouveau, kEtapeModele, kEtapeSansModele})
                QCOMPARE(texteModele(mot, etape), mot);
        }
    }

    void evaluation_data()
    {
        QTest::addColumn<int>("etape");
        QTest::addColumn<bool>("modele");
        QTest::addColumn<QString>("reponse");
        // juste, column written, new stage, ladder, square lit, date renewed, same word, acquired added
        QTest::addColumn<QList<int>>("attendu");
        const int inchangee = int(Evaluation::Echelle::Inchangee), tout = int(Evaluation::Echelle::ToutAllumer),
                  rien = int(Evaluation::Echelle::ToutEteindre), un = int(Evaluation::Echelle::AllumerUn);
        QTest::newRow("0 right, no model: acquired") << 0 << false << " école " << QList{1, 10, 0, tout, -1, 0, 0, 1};
        QTest::newRow("0 right, model shown") << 0 << true << kMot << QList{1, 3, 3, inchangee, -1, 0, 1, 0};
        QTest::newRow("6 right: dated") << 6 << false << kMot << QList{1, 7, 7, un, 3, 1, 1, 0};
        QTest::newRow("9 right: acquired") << 9 << false << kMot << QList{1, 10, 10, un, 6, 0, 1, 1};
        QTest::newRow("9 wrong: back to 3, date kept") << 9 << false << "École" << QList{0, 3, 3, rien, -1, 0, 1, 0};
    }

    void evaluation()
    {
        QFETCH(int, etape);
        QFETCH(bool, modele);
        QFETCH(QString, reponse);
        QFETCH(QList<int>, attendu);
        const QDate datePassage(2026, 1, 2);
        TableProgression t = table(6, {{4, ligne(kMot, etape, "2", datePassage)}});
        const Evaluation e = EvaluerReponse(t, reponse, kMot, 4, etape, modele, kAujourdhui);
        QVERIFY(e.evaluee);
        QCOMPARE((QList<int>{e.juste, e.celluleEcrite, e.nouvelleEtape, int(e.echelle), e.pointAllume,
                             e.dateRenouvelee, e.memeMot, e.motsAcquis - 3}), attendu);
        // The word moved to its new column and nowhere else; only the date may change.
        QCOMPARE(t, table(6, {{4, ligne(kMot, attendu[1], "2", attendu[5] ? kAujourdhui : datePassage)}}));
    }

    // No current word, or a state no presentation produces: the table stays as it is.
    void evaluation_sansEffet()
    {
        TableProgression t = table(3, {{2, ligne(kMot, 0)}});
        // no word, row past the end, stage 2 (the date), the word at another stage, another word in the cell
        const QList<std::tuple<QString, int, int>> cas = {{"", 2, 0}, {kMot, 3, 0}, {kMot, 2, 2}, {kMot, 2, 3}, {"autre", 2, 0}};
        for (const auto &[mot, r, etape] : cas) {
            const Evaluation e = EvaluerReponse(t, mot, mot, r, etape, false, kAujourdhui);
            QVERIFY(!e.evaluee && !e.juste && e.celluleEcrite == -1);
            QCOMPARE(e.motsAcquis, 1);
            QCOMPARE(t, table(3, {{2, ligne(kMot, 0)}}));
        }
    }

    void selection_exemples()
    {
        // Words at stage 5 in rows 2 and 7: forward from the start row, then backward.
        const TableProgression t = table(10, {{2, ligne("deux", 5)}, {7, ligne("sept", 5)}});
        for (const auto &[depart, r] : {std::pair{1, 2}, {4, 7}, {9, 7}})
            QCOMPARE(ChoisirMot(t, depart, kAujourdhui).ligne, r);
        // Level 1 in row 9 before level 2 in row 0; new words without a level never come.
        QCOMPARE(ChoisirMot(table(10, {{0, ligne("niveau2", 0, "2")}, {9, ligne("niveau1", 0, "1")}}), 0, kAujourdhui).ligne, 9);
        for (int depart = 0; depart < 10; ++depart)
            QVERIFY(!ChoisirMot(table(10), depart, kAujourdhui).trouvee);
    }

    // Random tables, damaged rows included (a word in two columns, odd levels,
    // unreadable dates), and start rows outside the table: the one-sweep
    // choice must equal the eight literal passes.
    void selection_commeLesPassesLitterales()
    {
        QRandomGenerator generateur(7);
        const QStringList niveaux = {"1", "2", "3", "4", "5", "", " 1", "01", "6"};
        const QStringList datesIllisibles = {"", "??", "31/02/2026", " 14/03/2026 "};
        for (int essai = 0; essai < 500; ++essai) {
            TableProgression t;
            const int n = generateur.bounded(12);
            for (int r = 0; r < n; ++r) {
                LigneProgression l;
                for (int c = generateur.bounded(10) == 0 ? 2 : 1; c > 0; --c)
                    l[kColonnesMot[generateur.bounded(int(kColonnesMot.size()))]] = QStringLiteral("m%1_%2").arg(r).arg(c);
                l[kColonneNiveau] = niveaux[generateur.bounded(niveaux.size())];
                l[kColonneDate] = generateur.bounded(8) == 0 ? datesIllisibles[generateur.bounded(datesIllisibles.size())]
                                                             : texteDate(kAujourdhui.addDays(-generateur.bounded(35)));
                t.ajouterLigne(l);
            }
            const int depart = generateur.bounded(-2, n + 3);
            const Proposition attendue = ChoisirMotLitteralement(t, depart, kAujourdhui), p = ChoisirMot(t, depart, kAujourdhui);
            QCOMPARE(std::tie(p.trouvee, p.ligne, p.etape, p.mot, p.niveau),
                     std::tie(attendue.trouvee, attendue.ligne, attendue.etape, attendue.mot, attendue.niveau));
        }
    }
};

QTEST_GUILESS_MAIN(TestMoteur)
#include "tst_moteur.moc"
