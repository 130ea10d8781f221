#pragma once
// Answers modal windows of the program (such as the options dialog) while a test is blocked
// in their exec(): each time a new modal widget of the given class shows up, the next
// scripted action runs on it.

#include <QApplication>
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

    int seen() const { return m_seen; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_last)
            return;
        m_last = dialog;
        ++m_seen;
        if (!m_actions.isEmpty())
            m_actions.takeFirst()(*dialog);
    }

    QList<Action> m_actions;
    QTimer m_timer;
    QPointer<Dialog> m_last;
    int m_seen = 0;
};
