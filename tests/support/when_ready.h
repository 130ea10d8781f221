#pragma once
// Acting at the right moment from whatever event loop runs, a wait for a player included.

#include <QObject>
#include <QTimer>

#include <functional>

// Runs the action once the condition holds. Each watch has its own timer, since a timer
// whose handler is still running (in a nested wait) does not fire again.
inline void when(QObject* owner, const std::function<bool()>& condition, const std::function<void()>& action)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, condition, action] {
        if (!condition())
            return;
        timer->stop();
        QTimer::singleShot(0, timer, action);
    });
    timer->start();
}
