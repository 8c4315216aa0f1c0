// The kinds of mistakes, decided through the synthesizer's own French
// phonemes, and one pupil's mistakes summed from a journal on disk.
#include "engine/erreurs.h"
#include "overview/panneauerreurs.h"
#include "overview/suiviclasse.h"
#include "platform/synthesechargee.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SorteErreur)

class TestErreurs : public QObject {
    Q_OBJECT
private slots:
    // Real misspellings of French words, as children write them.
    void sortes_data()
    {
        QTest::addColumn<QString>("tapee");
        QTest::addColumn<QString>("attendue");
        QTest::addColumn<SorteErreur>("sorte");
        const auto ligne = [](const QString &t, const QString &a, SorteErreur s) {
            QTest::addRow("%s pour %s", qUtf8Printable(t), qUtf8Printable(a)) << t << a << s;
        };
        ligne(u"poison"_s, u"poisson"_s, SorteErreur::SonChange);
        ligne(u"gitare"_s, u"guitare"_s, SorteErreur::SonChange);
        ligne(u"cheuval"_s, u"cheval"_s, SorteErreur::SonChange);
        ligne(u"garcon"_s, u"garçon"_s, SorteErreur::SonChange);  // the cedilla does change the sound
        ligne(u""_s, u"maison"_s, SorteErreur::SonChange);
        ligne(u"mézon"_s, u"maison"_s, SorteErreur::AutreOrthographe);
        ligne(u"méson"_s, u"maison"_s, SorteErreur::Homophone);  // a real word, if a rare one
        ligne(u"fenètre"_s, u"fenêtre"_s, SorteErreur::Accent);
        ligne(u"théatre"_s, u"théâtre"_s, SorteErreur::Accent);
        ligne(u"balon"_s, u"ballon"_s, SorteErreur::ConsonneDouble);
        ligne(u"chocola"_s, u"chocolat"_s, SorteErreur::FinaleMuette);
        ligne(u"gran"_s, u"grand"_s, SorteErreur::FinaleMuette);
        ligne(u"fleure"_s, u"fleur"_s, SorteErreur::FinaleMuette);
        ligne(u"couloire"_s, u"couloir"_s, SorteErreur::FinaleMuette);
        ligne(u"dents"_s, u"dent"_s, SorteErreur::FinaleMuette);  // its own plural, not another word
        // The ending is heard: "bat" is not /bato/, "sa" is not /sak/.
        ligne(u"bato"_s, u"bateau"_s, SorteErreur::AutreOrthographe);
        ligne(u"chapo"_s, u"chapeau"_s, SorteErreur::AutreOrthographe);
        ligne(u"sak"_s, u"sac"_s, SorteErreur::AutreOrthographe);
        ligne(u"dant"_s, u"dent"_s, SorteErreur::AutreOrthographe);  // not a word
        // Another real word with the same sounds.
        ligne(u"dans"_s, u"dent"_s, SorteErreur::Homophone);
        ligne(u"boit"_s, u"bois"_s, SorteErreur::Homophone);
        ligne(u"taire"_s, u"terre"_s, SorteErreur::Homophone);
        ligne(u"mangez"_s, u"manger"_s, SorteErreur::Homophone);
        ligne(u"ou"_s, u"où"_s, SorteErreur::Homophone);  // another word, not a missing accent
        ligne(u"lécole"_s, u"l'école"_s, SorteErreur::Signes);
        ligne(u"École"_s, u"école"_s, SorteErreur::Signes);
        ligne(u"porte monnaie"_s, u"porte-monnaie"_s, SorteErreur::Signes);
    }
    void sortes()
    {
        QFETCH(QString, tapee);
        QFETCH(QString, attendue);
        QFETCH(SorteErreur, sorte);
        QCOMPARE(ClasserErreur(tapee, attendue, phonemesDuProgramme()), sorte);
    }

    // A journal written as the pupil window writes it: every wrong answer is
    // counted by kind, the newest shown first, the gap announced.
    void resume()
    {
        QTemporaryDir dossier;
        Journal journal(dossier.path(), u"Léa"_s);
        const QDateTime debut(QDate(2026, 12, 1), QTime(9, 0));
        const QList<std::pair<QString, QString>> reponses{
            {u"poison"_s, u"poisson"_s}, {u"chocolat"_s, u"chocolat"_s}, {u"chocola"_s, u"chocolat"_s},
            {u"balon"_s, u"ballon"_s},   {u"poison"_s, u"poisson"_s},    {u"gran"_s, u"grand"_s},
            {u"méson"_s, u"maison"_s},   {u"fenètre"_s, u"fenêtre"_s},   {u"lécole"_s, u"l'école"_s}};
        for (int i = 0; i < reponses.size(); ++i)
            QVERIFY(journal.AjouterReponse(debut.addSecs(60 * i), reponses[i].second, reponses[i].first,
                                           reponses[i].first == reponses[i].second, 3));
        QFile drapeau(dossier.filePath(u"Journal/Léa.incomplet"_s));
        QVERIFY(drapeau.open(QIODevice::WriteOnly));
        drapeau.close();

        const BilanErreurs bilan = ResumerErreursEleve(dossier.path(), u"Léa"_s, phonemesChargees(), 3);
        QCOMPARE(bilan.reponses, 9);
        QCOMPARE(bilan.erreurs, 8);
        QCOMPARE(bilan.parSorte[size_t(SorteErreur::SonChange)], 2);
        QCOMPARE(bilan.parSorte[size_t(SorteErreur::FinaleMuette)], 2);
        QCOMPARE(bilan.parSorte[size_t(SorteErreur::ConsonneDouble)], 1);
        QCOMPARE(bilan.parSorte[size_t(SorteErreur::AutreOrthographe)], 1);
        QCOMPARE(bilan.parSorte[size_t(SorteErreur::Accent)], 1);
        QCOMPARE(bilan.parSorte[size_t(SorteErreur::Signes)], 1);
        QVERIFY(bilan.incomplet);
        QStringList recentes;
        for (const ErreurRecente &e : bilan.recentes)
            recentes << e.tapee + u' ' + e.heure.toString(u"HH:mm"_s);
        QCOMPARE(recentes, (QStringList{u"lécole 09:08"_s, u"fenètre 09:07"_s, u"méson 09:06"_s}));

        // The panel says what the summary says. ORTHOVAL_CAPTURE=<file.png> keeps a picture of it.
        PanneauErreurs panneau;
        panneau.resize(900, 720);
        panneau.AfficherEleve(dossier.path(), u"Léa"_s, 30);
        panneau.show();
        QVERIFY(!panneau.findChild<QLabel *>(u"lblIncomplet"_s)->isHidden());
        QCOMPARE(panneau.findChildren<QLabel *>(u"lblSorte"_s).size(), 8);
        QVERIFY(panneau.findChild<QLabel *>(u"lblSommes"_s)->text().contains(u"Le son a changé : <b>2</b>"_s));
        if (const QString capture = qEnvironmentVariable("ORTHOVAL_CAPTURE"); !capture.isEmpty())
            QVERIFY(panneau.grab().save(capture));
    }
};

QTEST_MAIN(TestErreurs)
#include "tst_erreurs.moc"
