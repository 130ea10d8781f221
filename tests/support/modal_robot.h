#pragma once
// The one way tests answer the program's own modal windows (options, rename, any QDialog)
// while they are blocked in exec(): each time a new modal window of the given class shows
// up, the next scripted action runs on it. A window the action leaves open, or one beyond
// the script, is rejected, so a faulty dialog fails its test instead of hanging it.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

template <typename Dialog>
class ModalRobot {
public:
    using Action = std::function<void(Dialog&)>;

    explicit ModalRobot(QList<Action> actions) : m_actions(std::move(actions))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    // How many windows showed up (those beyond the script too).
    int seen() const { return m_seen; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_last || !dialog->isVisible())
            return;
        m_last = dialog;
        ++m_seen;
        QPointer<Dialog> guard(dialog);
        if (!m_actions.isEmpty())
            m_actions.takeFirst()(*dialog);
        if (guard && guard->isVisible())
            guard->reject();
    }

    QList<Action> m_actions;
    QTimer m_timer;
    QPointer<Dialog> m_last;
    int m_seen = 0;
};
