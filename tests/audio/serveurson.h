#pragma once
// A private PulseAudio server for listening to what the program plays: its
// only sink (the default) writes every sample it plays into a FIFO, which a
// thread reads into memory as it comes, noting when each block arrived. The
// sink is timed on the system clock, so the capture runs in real time and
// silence between words arrives as zeros.
//
// Recording a null sink's monitor instead loses samples under load; the pipe
// sink hands over every sample the server mixed.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The monotonic clock in nanoseconds, the same in every process.
inline qint64 instantNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

class ServeurSon {
public:
    static constexpr int kFrequence = 44100;
    static constexpr int kCanaux = 2;
    // Quieter than this (about -66 dB below full scale) is silence.
    static constexpr int kSeuilSilence = 16;

    ServeurSon() = default;
    ServeurSon(const ServeurSon &) = delete;
    ServeurSon &operator=(const ServeurSon &) = delete;
    ~ServeurSon() { arreter(); }

    static QString programme() { return QStandardPaths::findExecutable(QStringLiteral("pulseaudio")); }

    // Starts the server and the capture. Empty on success, else why not.
    QString demarrer()
    {
        if (!dossier_.isValid())
            return QStringLiteral("no temporary folder");
        QDir(dossier_.path()).mkpath(QStringLiteral("run/pulse"));
        QDir(dossier_.path()).mkpath(QStringLiteral("home"));
        QFile::setPermissions(dossier_.path() + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString tuyau = dossier_.path() + QStringLiteral("/sortie");
        if (mkfifo(QFile::encodeName(tuyau).constData(), 0600) != 0)
            return QStringLiteral("mkfifo failed");
        // Opened before the server, without waiting for it to open its end.
        fd_ = open(QFile::encodeName(tuyau).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            return QStringLiteral("cannot open the FIFO");
        lecteur_ = std::thread([this] { lire(); });

        serveur_.setProgram(programme());
        serveur_.setArguments({
            QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
            QStringLiteral("--system=no"), QStringLiteral("--disallow-exit"), QStringLiteral("--log-target=stderr"),
            QStringLiteral("--load=module-pipe-sink sink_name=tuyau file=%1 format=s16le rate=%2 channels=%3 "
                           "use_system_clock_for_timing=yes").arg(tuyau).arg(kFrequence).arg(kCanaux),
            QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1"),
        });
        serveur_.setProcessEnvironment(environnement(QProcessEnvironment::systemEnvironment()));
        // The server dies with this process, even when a test aborts or
        // CTest kills it on a timeout.
        serveur_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        serveur_.setProcessChannelMode(QProcess::MergedChannels);
        serveur_.start();
        if (!serveur_.waitForStarted(5000))
            return QStringLiteral("pulseaudio did not start: ") + serveur_.errorString();
        // Ready once it answers; then its pipe sink is made the default.
        for (int essai = 0; essai < 100; ++essai) {
            if (serveur_.state() != QProcess::Running)
                break;
            if (pactl({QStringLiteral("set-default-sink"), QStringLiteral("tuyau")}))
                return {};
            QThread::msleep(100);
        }
        return QStringLiteral("pulseaudio did not answer: ") + QString::fromLocal8Bit(serveur_.readAll());
    }

    void arreter()
    {
        if (serveur_.state() != QProcess::NotRunning) {
            serveur_.kill();
            serveur_.waitForFinished(5000);
        }
        fin_ = true;
        if (lecteur_.joinable())
            lecteur_.join();
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

    // What a client needs to reach this server (and nothing else).
    QProcessEnvironment environnement(QProcessEnvironment env) const
    {
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dossier_.path() + QStringLiteral("/run"));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dossier_.path() + QStringLiteral("/run/pulse"));
        env.insert(QStringLiteral("HOME"), dossier_.path() + QStringLiteral("/home"));
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + dossier_.path() + QStringLiteral("/run/pulse/native"));
        return env;
    }
    // Makes this process a client of the server.
    void diriger() const
    {
        const QProcessEnvironment env = environnement({});
        for (const QString &nom : env.keys())
            qputenv(nom.toLocal8Bit().constData(), env.value(nom).toLocal8Bit());
    }

    qint64 trames() const
    {
        std::lock_guard garde(verrou_);
        return qint64(echantillons_.size()) / kCanaux;
    }

    // Energy of the frames [de, a): the sum over frames of the mean square of
    // the channels, full scale = 1, divided by the rate: a mean power times a
    // duration, comparable with a recording's at any rate or channel count.
    double energie(qint64 de, qint64 a) const
    {
        std::lock_guard garde(verrou_);
        a = std::min(a, qint64(echantillons_.size()) / kCanaux);
        double somme = 0;
        for (qint64 i = de * kCanaux; i < a * kCanaux; ++i) {
            const double x = echantillons_[size_t(i)] / 32768.0;
            somme += x * x;
        }
        return somme / kCanaux / kFrequence;
    }

    // When the first sound arrived after the instant `depuis` (instantNs()),
    // or -1 if none has yet.
    qint64 arriveeSon(qint64 depuis) const
    {
        std::lock_guard garde(verrou_);
        for (size_t b = 0; b < arrivees_.size(); ++b) {
            if (arrivees_[b].instant < depuis)
                continue;
            const size_t fin = b + 1 < arrivees_.size() ? arrivees_[b + 1].debut : echantillons_.size();
            for (size_t i = arrivees_[b].debut; i < fin; ++i)
                if (std::abs(echantillons_[i]) > kSeuilSilence)
                    return arrivees_[b].instant;
        }
        return -1;
    }

private:
    bool pactl(const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(environnement(QProcessEnvironment::systemEnvironment()));
        p.start(QStringLiteral("pactl"), arguments);
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    void lire()
    {
        std::vector<char> tampon(1 << 16);
        std::vector<char> reste;
        while (!fin_) {
            pollfd attente{fd_, POLLIN, 0};
            if (poll(&attente, 1, 50) <= 0 || !(attente.revents & POLLIN)) {
                if (attente.revents & POLLHUP)
                    QThread::msleep(5);   // no writer yet
                continue;
            }
            const ssize_t n = read(fd_, tampon.data(), tampon.size());
            if (n <= 0) {
                if (n == 0 || errno == EAGAIN)
                    QThread::msleep(5);
                continue;
            }
            const qint64 quand = instantNs();
            reste.insert(reste.end(), tampon.begin(), tampon.begin() + n);
            const size_t utiles = reste.size() / 2 * 2;
            std::lock_guard garde(verrou_);
            arrivees_.push_back({echantillons_.size(), quand});
            for (size_t i = 0; i < utiles; i += 2)
                echantillons_.push_back(int16_t(uint16_t(uint8_t(reste[i])) | uint16_t(uint8_t(reste[i + 1])) << 8));
            reste.erase(reste.begin(), reste.begin() + std::ptrdiff_t(utiles));
        }
    }

    struct Arrivee {
        size_t debut;   // first sample of the block
        qint64 instant;
    };

    QTemporaryDir dossier_;
    QProcess serveur_;
    std::thread lecteur_;
    std::atomic<bool> fin_{false};
    int fd_ = -1;
    mutable std::mutex verrou_;
    std::vector<int16_t> echantillons_;
    std::vector<Arrivee> arrivees_;
};
