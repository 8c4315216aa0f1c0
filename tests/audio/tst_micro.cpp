// Recording a word from a real input: the recording dialog on the program's
// own microphone service (the Qt Multimedia module), fed by a private
// PulseAudio server whose only source reads the samples the test writes.
#include "audio/serveurson.h"
#include "audio/traitement.h"
#include "platform/plateformeqt.h"
#include "support/plateformefactice.h"
#include "teacher/dialogueenregistrement.h"

#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <fcntl.h>
#include <sndfile.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A PulseAudio server of this process alone, its default source a FIFO.
class EntreeTuyau {
public:
    ~EntreeTuyau()
    {
        serveur_.kill();
        serveur_.waitForFinished(5000);
    }
    QString demarrer()
    {
        return ServeurSon::demarrerPulseAudio(serveur_, dossier_.path(),
                                              u"module-pipe-source file=%1 format=s16le rate=%2 channels=1"_s
                                                  .arg(tuyau()).arg(kFrequenceEnregistrement));
    }
    QString tuyau() const { return dossier_.path() + u"/entree"_s; }

private:
    QTemporaryDir dossier_;
    QProcess serveur_;
};

}  // namespace

class TestMicro : public QObject {
    Q_OBJECT
private slots:
    // A word said between two silences comes out of "Garder" trimmed and at
    // the library's loudness.
    void entendre()
    {
        if (ServeurSon::programme().isEmpty())
            QSKIP("pulseaudio is not installed (scripts/common.sh installs it): nothing to record from");
        EntreeTuyau entree;
        const QString erreur = entree.demarrer();
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

        QTemporaryDir installation;
        PlateformeFactice factice;
        MicroQt micro;
        Plateforme services = factice.services();
        services.micro = &micro;
        DialogueEnregistrement dialogue(installation.path(), u"hibou"_s, services);
        auto *enregistrer = dialogue.findChild<QPushButton *>(u"cmdEnregistrer"_s);
        QVERIFY2(enregistrer->isEnabled(), qPrintable(enregistrer->toolTip()));
        enregistrer->click();
        QTest::qWait(300);   // the stream is connected

        const int hz = kFrequenceEnregistrement, motMs = 700;
        std::vector<qint16> prise(std::size_t(hz * 2), 0);   // 0.5 s, the word, 0.8 s
        for (int i = 0; i < hz * motMs / 1000; ++i)
            prise[std::size_t(hz / 2 + i)] = qint16(6000 * std::cos(2 * M_PI * 440 * i / hz));
        std::thread ecrivain([&] {
            const int f = ::open(QFile::encodeName(entree.tuyau()).constData(), O_WRONLY);
            for (std::size_t fait = 0; f >= 0 && fait < prise.size() * 2;) {
                const ssize_t n = ::write(f, reinterpret_cast<const char *>(prise.data()) + fait, prise.size() * 2 - fait);
                if (n <= 0)
                    break;
                fait += std::size_t(n);
            }
            if (f >= 0)
                ::close(f);
        });
        QSignalSpy niveau(dialogue.findChild<QProgressBar *>(u"barNiveau"_s), &QProgressBar::valueChanged);
        QTest::qWait(2500);
        ecrivain.join();
        QVERIFY(!niveau.isEmpty());
        dialogue.findChild<QPushButton *>(u"cmdArreter"_s)->click();
        dialogue.findChild<QPushButton *>(u"cmdGarder"_s)->click();

        SF_INFO info{};
        SNDFILE *f = sf_open(QFile::encodeName(installation.filePath(u"Sons/hibou.wav"_s)).constData(), SFM_READ, &info);
        QVERIFY(f);
        std::vector<short> lu(std::size_t(info.frames));
        sf_read_short(f, lu.data(), info.frames);
        sf_close(f);
        const double attenduMs = motMs + 2 * kMargeSilenceMs, obtenuMs = info.frames * 1000.0 / hz;
        QVERIFY2(std::abs(obtenuMs - attenduMs) < 5, qPrintable(QString::number(obtenuMs)));
        QVERIFY(std::abs(mesurerVolume(lu) - kVolumeCible) < kVolumeCible * 0.02);
    }

    // With no sound server, "Enregistrer" cannot be clicked and its tooltip
    // says why. In a child process: the audio libraries look for the server
    // once per process.
    void sansServeur()
    {
        const QByteArray personne = "unix:/nonexistent/orthoval/native";
        if (qgetenv("PULSE_SERVER") == personne) {
            PlateformeFactice factice;
            MicroQt micro;
            Plateforme services = factice.services();
            services.micro = &micro;
            DialogueEnregistrement dialogue(u"/nulle/part"_s, u"hibou"_s, services);
            auto *enregistrer = dialogue.findChild<QPushButton *>(u"cmdEnregistrer"_s);
            QVERIFY(!enregistrer->isEnabled());
            QCOMPARE(enregistrer->toolTip(), micro.raisonIndisponible());
            QVERIFY(enregistrer->toolTip().contains(u"micro"_s));
            return;
        }
        qputenv("PULSE_SERVER", personne);
        QProcess enfant;
        enfant.start(QCoreApplication::applicationFilePath(), {u"sansServeur"_s});
        QVERIFY2(enfant.waitForFinished(60000) && enfant.exitStatus() == QProcess::NormalExit && enfant.exitCode() == 0,
                 enfant.readAll().constData());
    }
};

QTEST_MAIN(TestMicro)
#include "tst_micro.moc"
