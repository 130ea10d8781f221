#pragma once
// Requests from outside to end the program: the signals SIGTERM, SIGINT and SIGHUP, and the
// desktop session ending. They reach the program through its event loop; a signal handler
// only writes to a pipe.

#include <QObject>

class QSocketNotifier;

class ShutdownRequests : public QObject {
    Q_OBJECT
public:
    // Takes over the three signals (one instance at a time); the destructor hands them back.
    // A second signal that arrives before the event loop took the first ends the program at
    // once, as if it had not been taken over, so a program that hangs can still be ended.
    explicit ShutdownRequests(QObject* parent = nullptr);
    ~ShutdownRequests() override;

signals:
    // A signal came: the program should end as if closed.
    void end_requested();
    // The desktop session is ending and asks to save now: the session may still be
    // cancelled; if it is not, the program is closed afterwards.
    void session_ending();

private:
    void take_signals();
    void take_signal();

    QSocketNotifier* m_notifier = nullptr;
};
