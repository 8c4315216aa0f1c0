#pragma once
// The end of a session nobody clicked: the computer shut down at the bell
// (SIGTERM), the session or its terminal closed (SIGHUP), the desktop asking
// programs to save before the user logs out. A signal handler may do next to
// nothing safely, so it only writes the signal's number into a socket; the
// event loop reads it there and tells the program, which saves in its own
// time, like any other event.
#include <QObject>

class QSocketNotifier;

class FinDeSession : public QObject {
    Q_OBJECT
public:
    // Takes SIGTERM and SIGHUP for the lifetime of the object (one at a time).
    explicit FinDeSession(QObject *parent = nullptr);
    ~FinDeSession() override;   // the previous handlers come back

signals:
    // Save now: the session may end at any moment (the desktop's request).
    void enregistrementDemande();
    // Save and quit: the signal received.
    void arretDemande(int signal);

private:
    void lireSignaux();

    QSocketNotifier *notificateur_ = nullptr;
};
