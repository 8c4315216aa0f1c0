#pragma once
// A private PulseAudio server for listening to what the program plays: its
// only sink writes every sample it plays (s16le, 44,100 Hz, stereo) into a
// FIFO, which `cat` copies into a file as it comes. The sink is timed on the
// system clock, so the capture runs in real time and silence arrives as
// zeros. (Recording a null sink's monitor instead loses samples under load.)
#include <QtCore>

#include <cmath>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>

class ServeurSon {
public:
    static constexpr int kFrequence = 44100;

    static QString programme() { return QStandardPaths::findExecutable(QStringLiteral("pulseaudio")); }

    ~ServeurSon()
    {
        for (QProcess *p : {&serveur_, &copie_}) {
            p->kill();
            p->waitForFinished(5000);
        }
    }

    // Starts the server and the capture, and makes this process and its
    // children clients of this server alone. Empty on success, else why not.
    QString demarrer()
    {
        const QString tuyau = dossier_.path() + QStringLiteral("/sortie");
        if (mkfifo(QFile::encodeName(tuyau).constData(), 0600) != 0)
            return QStringLiteral("cannot make the FIFO");
        copie_.setStandardOutputFile(capture());
        lancer(copie_, QStringLiteral("cat"), {tuyau});
        return demarrerPulseAudio(serveur_, dossier_.path(),
                                  QStringLiteral("module-pipe-sink file=%1 format=s16le rate=%2 channels=2 "
                                                 "use_system_clock_for_timing=yes").arg(tuyau).arg(kFrequence));
    }

    // A server of this process alone in folder d, with one more module;
    // this process and its children become its clients.
    static QString demarrerPulseAudio(QProcess &serveur, const QString &d, const QString &module)
    {
        QDir(d).mkpath(QStringLiteral("run/pulse"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(d + QStringLiteral("/run")));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(d + QStringLiteral("/run/pulse")));
        qputenv("HOME", QFile::encodeName(d));
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + d + QStringLiteral("/run/pulse/native")));
        lancer(serveur, programme(),
               {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                QStringLiteral("--load=") + module, QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
        // The modules load in order: once the socket is there, the first is.
        for (int essai = 0; essai < 100 && serveur.state() != QProcess::NotRunning; ++essai) {
            if (QFile::exists(d + QStringLiteral("/run/pulse/native")))
                return {};
            QThread::msleep(100);
        }
        return QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(serveur.readAllStandardError());
    }

    qint64 trames() const { return QFileInfo(capture()).size() / 4; }

    // Energy of the frames [de, a): the sum over frames of the mean square of
    // the channels, full scale = 1, divided by the rate: a mean power times a
    // duration, comparable with a recording's at any rate or channel count.
    double energie(qint64 de, qint64 a) const
    {
        QFile f(capture());
        const QByteArray o = f.open(QIODevice::ReadOnly) && f.seek(4 * de) ? f.read(4 * (a - de)) : QByteArray();
        double somme = 0;
        for (qsizetype i = 0; i + 1 < o.size(); i += 2)
            somme += std::pow(qFromLittleEndian<qint16>(o.constData() + i) / 32768.0, 2);
        return somme / 2 / kFrequence;
    }

private:
    QString capture() const { return dossier_.path() + QStringLiteral("/capture"); }
    // Each helper dies with this process, even on an abort or a timeout.
    static void lancer(QProcess &p, const QString &programme, const QStringList &arguments)
    {
        p.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        p.start(programme, arguments);
    }

    QTemporaryDir dossier_;
    QProcess serveur_, copie_;
};
