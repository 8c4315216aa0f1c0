#include "finsession.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignaux[] = {SIGTERM, SIGHUP};

// [0] written by the handler, [1] read by the event loop.
int tube[2] = {-1, -1};
struct sigaction anciens[std::size(kSignaux)];

void recevoirSignal(int signal)
{
    const int erreur = errno;
    const char numero = char(signal);
    // Non-blocking: a burst of signals may fill the socket; one is enough.
    [[maybe_unused]] const ssize_t ecrit = ::write(tube[0], &numero, 1);
    errno = erreur;
}

} // namespace

FinDeSession::FinDeSession(QObject *parent) : QObject(parent)
{
    Q_ASSERT(tube[0] < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tube) != 0) {
        tube[0] = tube[1] = -1;
        qWarning("FinDeSession: socketpair failed; SIGTERM and SIGHUP keep their default action");
    } else {
        ::fcntl(tube[0], F_SETFL, ::fcntl(tube[0], F_GETFL) | O_NONBLOCK);
        notificateur_ = new QSocketNotifier(tube[1], QSocketNotifier::Read, this);
        connect(notificateur_, &QSocketNotifier::activated, this, &FinDeSession::lireSignaux);
        struct sigaction action = {};
        action.sa_handler = recevoirSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < std::size(kSignaux); ++i)
            ::sigaction(kSignaux[i], &action, &anciens[i]);
    }
#ifndef QT_NO_SESSIONMANAGER
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager &) { emit enregistrementDemande(); });
#endif
}

FinDeSession::~FinDeSession()
{
    if (tube[0] < 0)
        return;
    for (size_t i = 0; i < std::size(kSignaux); ++i)
        ::sigaction(kSignaux[i], &anciens[i], nullptr);
    delete notificateur_;
    ::close(tube[0]);
    ::close(tube[1]);
    tube[0] = tube[1] = -1;
}

void FinDeSession::lireSignaux()
{
    char numeros[16];
    const ssize_t lus = ::read(tube[1], numeros, sizeof numeros);
    for (ssize_t i = 0; i < lus; ++i)
        emit arretDemande(numeros[i]);
}
