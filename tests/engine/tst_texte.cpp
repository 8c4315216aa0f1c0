#include "tst_moteur.h"

#include "engine/clavier.h"
#include "engine/texte.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The clean-up written exactly as its rule reads: each step searches from
// the start and removes one space per find, until the pair is gone.
QString normaliserLitteralement(QString t)
{
    while (t.startsWith(u' '))
        t.remove(0, 1);
    while (t.endsWith(u' '))
        t.chop(1);
    const auto repeter = [&t](const QString &paire, int espace) {
        for (qsizetype p = t.indexOf(paire); p >= 0; p = t.indexOf(paire))
            t.remove(p + espace, 1);
    };
    repeter(QStringLiteral("  "), 1);
    repeter(QStringLiteral("' "), 1);
    repeter(QStringLiteral(" '"), 0);
    repeter(QStringLiteral("- "), 1);
    repeter(QStringLiteral(" -"), 0);
    return t;
}

// '#' stands for the mask character in the expected texts below.
QString masque(QString t)
{
    return t.replace(u'#', kCaractereMasque);
}

} // namespace

void TestMoteur::normaliser_data()
{
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("runs and outer spaces") << "  la   petite  fille " << "la petite fille";
    QTest::newRow("apostrophe, both sides") << "l ' arbre" << "l'arbre";
    QTest::newRow("apostrophe, outer spaces") << " l' arbre " << "l'arbre";
    QTest::newRow("hyphen, both sides") << "porte - monnaie" << "porte-monnaie";
    QTest::newRow("aujourd'hui") << "aujourd ' hui" << "aujourd'hui";
    QTest::newRow("long runs round signs") << "a   -   b    '   c" << "a-b'c";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only spaces") << "     " << "";
    QTest::newRow("one space") << " " << "";
    QTest::newRow("tabs kept") << "\tla\t fille\t" << "\tla\t fille\t";
    QTest::newRow("tab is not a space") << "l'\t arbre" << "l'\t arbre";
    QTest::newRow("non-breaking space kept") << QStringLiteral("\u00A0la") << QStringLiteral("\u00A0la");
    QTest::newRow("case and accents kept") << " Été  Garçon " << "Été Garçon";
    QTest::newRow("sign runs") << "' ' - -" << "''--";
    QTest::newRow("typographic apostrophe untouched") << "l’ arbre" << "l’ arbre";
}

void TestMoteur::normaliser()
{
    QFETCH(QString, reponse);
    QFETCH(QString, attendu);
    QCOMPARE(NormaliserReponse(reponse), attendu);
    QCOMPARE(normaliserLitteralement(reponse), attendu);
    // Cleaning twice changes nothing more.
    QCOMPARE(NormaliserReponse(attendu), attendu);
}

// The one-pass clean-up against the literal repeated steps, on many short
// texts made of the characters that matter.
void TestMoteur::normaliser_commeLesEtapesRepetees()
{
    const QString alphabet = QStringLiteral("  '-a\té");
    QRandomGenerator generateur(20260315);
    for (int essai = 0; essai < 20000; ++essai) {
        QString t;
        const int longueur = generateur.bounded(14);
        for (int i = 0; i < longueur; ++i)
            t.append(alphabet[generateur.bounded(alphabet.size())]);
        QCOMPARE(NormaliserReponse(t), normaliserLitteralement(t));
    }
}

void TestMoteur::masques_data()
{
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QString>("voyelles");
    QTest::addColumn<QString>("consonnes");

    QTest::newRow("école") << "école" << "#c#l#" << "é#o#e";
    QTest::newRow("Été: capital stays") << "Été" << "Ét#" << "É#é";
    QTest::newRow("garçon") << "garçon" << "g#rç#n" << "#a##o#";
    QTest::newRow("cœur: œ stays") << "cœur" << "cœ#r" << "#œu#";
    QTest::newRow("y is a vowel") << "yak" << "##k" << "ya#";
    QTest::newRow("apostrophe") << "aujourd'hui" << "##j##rd'h##" << "au#ou##'#ui";
    QTest::newRow("hyphen") << "porte-monnaie" << "p#rt#-m#nn###" << "#o##e-#o##aie";
    QTest::newRow("space") << "pomme de terre" << "p#mm# d# t#rr#" << "#o##e #e #e##e";
    QTest::newRow("capitals and signs") << "Noël !" << "N##l !" << "Noë# !";
    QTest::newRow("all accented vowels") << "àâéèêëîïôöùûü" << "#############" << "àâéèêëîïôöùûü";
    QTest::newRow("empty") << "" << "" << "";
}

void TestMoteur::masques()
{
    QFETCH(QString, mot);
    QFETCH(QString, voyelles);
    QFETCH(QString, consonnes);
    QCOMPARE(MasquerVoyelles(mot), masque(voyelles));
    QCOMPARE(MasquerConsonnes(mot), masque(consonnes));
}

// Every letter key is hidden by exactly the mask of its class; nothing else is.
void TestMoteur::masques_chaqueToucheDansUneSeuleClasse()
{
    const auto &touches = touchesClavier();
    for (int i = 0; i < kNombreTouches; ++i) {
        const QString legende = touches[i].texteInsere();
        const bool voyelle = i < kNombreTouchesLettres && touches[i].classe == ClasseTouche::Voyelle;
        const bool consonne = i < kNombreTouchesLettres && touches[i].classe == ClasseTouche::Consonne;
        QCOMPARE(MasquerVoyelles(legende), voyelle ? QString(kCaractereMasque) : legende);
        QCOMPARE(MasquerConsonnes(legende), consonne ? QString(kCaractereMasque) : legende);
        if (i < kNombreTouchesLettres) {
            const QString majuscule = legende.toUpper();
            QCOMPARE(MasquerVoyelles(majuscule), majuscule);
            QCOMPARE(MasquerConsonnes(majuscule), majuscule);
        }
    }
}
