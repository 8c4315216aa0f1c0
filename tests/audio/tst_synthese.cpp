// The real synthesis service, libespeak-ng with its French voice: words
// written into Sons as 16-bit mono WAV files every account can read, never
// over an existing file, spoken into memory, converted to phonemes; and the
// engine's one thread, which neither the interface thread nor a service that
// goes away ever waits for.
#include "audio/synthese.h"

#include <QFutureWatcher>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

#include "support/sonlu.h"
#include "support/fichiers.h"

#include <cmath>

using namespace Qt::StringLiterals;

class TestSynthese : public QObject {
    Q_OBJECT

private slots:
    void enregistrer_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::newRow("accent et apostrophe") << u"l'élève"_s;
        QTest::newRow("espaces") << u"pomme de terre"_s;
        QTest::newRow("trait d'union") << u"arc-en-ciel"_s;
        QTest::newRow("œ") << u"œuf"_s;
    }
    void enregistrer()
    {
        QFETCH(QString, mot);
        QTemporaryDir installation;
        const QDir sons(installation.filePath(u"Sons"_s));
        SyntheseEspeak synthese;
        QFutureWatcher<QString> parole;
        QSignalSpy fini(&parole, &QFutureWatcher<QString>::finished);
        parole.setFuture(synthese.enregistrer(installation.path(), mot));
        QVERIFY(fini.wait(30000));
        QCOMPARE(parole.result(), QString());
        const QString chemin = sons.filePath(mot + u".wav"_s);
        const SonLu son = lireSon(chemin);
        QVERIFY(son.lu);
        QCOMPARE(son.canaux, 1);
        QCOMPARE(son.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QVERIFY2(son.secondes >= 0.3 && son.secondes <= 3.0, qPrintable(QString::number(son.secondes)));
        QVERIFY2(son.rms > 0.02, qPrintable(QString::number(son.rms)));
        QVERIFY(QFileInfo(chemin).permissions() & QFileDevice::ReadOther);
        QCOMPARE(sons.entryList(QDir::Files | QDir::Hidden), QStringList{mot + u".wav"_s});

        // A second time: the file is kept as it is, and the teacher told why.
        const QByteArray avant = lireOctets(chemin);
        const QString encore = synthese.enregistrer(installation.path(), mot).result();
        QVERIFY2(encore.contains(u"existe déjà"_s), qPrintable(encore));
        QCOMPARE(lireOctets(chemin), avant);
    }

    // A word added later sounds like the same word of the starter library
    // (made by the espeak-ng command line at build time): as long, with the
    // same silence before and after.
    void commeLaBibliotheque_data()
    {
        QTest::addColumn<QString>("mot");
        for (const char *mot : {"lapin", "cheval", "abeille", "pomme de terre", "araignée", "aujourd'hui",
                                "arc-en-ciel", "bébé"})
            QTest::newRow(mot) << QString::fromUtf8(mot);
    }
    void commeLaBibliotheque()
    {
        QFETCH(QString, mot);
        const SonLu depart = lireSon(QStringLiteral(ORTHOVAL_BIBLIOTHEQUE "/") + mot + u".wav"_s);
        if (!depart.lu)
            QSKIP("the starter library was not built (ORTHOVAL_SOUNDS off)");
        QTemporaryDir installation;
        SyntheseEspeak synthese;
        QCOMPARE(synthese.enregistrer(installation.path(), mot).result(), QString());
        const SonLu ajoute = lireSon(installation.filePath(u"Sons/"_s + mot + u".wav"_s));
        QVERIFY(ajoute.lu);
        const auto proches = [](double a, double b) { return std::abs(a - b) <= 0.03; };
        const QString mesures = u"ajouté %1 s + %2 s + %3 s, bibliothèque %4 s + %5 s + %6 s"_s
                                    .arg(ajoute.silenceAvant, 0, 'f', 3).arg(ajoute.parole, 0, 'f', 3)
                                    .arg(ajoute.silenceApres, 0, 'f', 3).arg(depart.silenceAvant, 0, 'f', 3)
                                    .arg(depart.parole, 0, 'f', 3).arg(depart.silenceApres, 0, 'f', 3);
        QVERIFY2(proches(ajoute.silenceAvant, depart.silenceAvant), qPrintable(mesures));
        QVERIFY2(proches(ajoute.parole, depart.parole), qPrintable(mesures));
        QVERIFY2(proches(ajoute.silenceApres, depart.silenceApres), qPrintable(mesures));
    }

    // Spoken into memory, in the order asked, on one thread that is never
    // the caller's; the phonemes tell words that sound alike.
    void prononcerEtComparer()
    {
        SyntheseEspeak synthese;
        QList<QFuture<MotParle>> paroles;
        for (const QString &mot : {u"chat"_s, u"hérisson"_s, u"lune"_s})
            paroles << synthese.prononcer(mot);
        // Another caller at the same time: the engine is never used twice at once.
        const QFuture<QString> phonemes = QtConcurrent::run([] { return phonemesMot(u"maison"_s); });
        for (QFuture<MotParle> &p : paroles) {
            const MotParle parle = p.result();
            QCOMPARE(parle.erreur, QString());
            QVERIFY(parle.frequence > 8000);
            QVERIFY(parle.echantillons.size() > size_t(parle.frequence) / 5);
        }
        QCOMPARE(phonemes.result(), phonemesMot(u"méson"_s));
        QVERIFY(phonemesMot(u"maison"_s) != phonemesMot(u"mouton"_s));
    }

    // Every spelling is heard with French rules, even one espeak-ng takes
    // for an English word: a child's "sabl" sounds like "sable".
    void entendreEnFrancais_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("autre");
        QTest::addColumn<bool>("memeSon");
        QTest::newRow("sabl, lu en anglais") << u"sabl"_s << u"sable"_s << true;
        QTest::newRow("rythme, th") << u"rythme"_s << u"ritme"_s << true;
        QTest::newRow("athlète, th") << u"athlète"_s << u"atlète"_s << true;
        QTest::newRow("dent, dans") << u"dent"_s << u"dans"_s << true;
        QTest::newRow("bateau, bato") << u"bateau"_s << u"bato"_s << true;
        QTest::newRow("sac, sak") << u"sac"_s << u"sak"_s << true;
        QTest::newRow("dent, dont") << u"dent"_s << u"dont"_s << false;
        QTest::newRow("sabl, sable anglais") << u"sabl"_s << u"sèbeul"_s << false;
    }
    void entendreEnFrancais()
    {
        QFETCH(QString, mot);
        QFETCH(QString, autre);
        QFETCH(bool, memeSon);
        const QString phonemes = phonemesMot(mot);
        QVERIFY(!phonemes.isEmpty());
        QVERIFY2(!phonemes.contains(u'(') && !phonemes.contains(u'ə'), qPrintable(phonemes));
        QCOMPARE(phonemes == phonemesMot(autre), memeSon);
    }

    // A service dropped with words still queued returns at once; the words
    // not started are skipped when cancelled, and the engine still answers.
    void abandonner()
    {
        QTemporaryDir installation;
        QList<QFuture<QString>> paroles;
        {
            SyntheseEspeak synthese;
            for (int i = 0; i < 20; ++i)
                paroles << synthese.enregistrer(installation.path(), u"mot%1"_s.arg(i));
        }
        for (QFuture<QString> &p : paroles)
            p.cancel();
        for (QFuture<QString> &p : paroles)
            p.waitForFinished();
        const int ecrits = int(QDir(installation.filePath(u"Sons"_s)).entryList({u"*.wav"_s}, QDir::Files).size());
        QVERIFY2(ecrits < 20, qPrintable(QString::number(ecrits)));
        SyntheseEspeak autre;
        QCOMPARE(autre.prononcer(u"fin"_s).result().erreur, QString());
    }
};

QTEST_GUILESS_MAIN(TestSynthese)
#include "tst_synthese.moc"
