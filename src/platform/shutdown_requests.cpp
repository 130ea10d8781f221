#include "shutdown_requests.h"

#include <QGuiApplication>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

ShutdownRequests::ShutdownRequests(QObject* parent) : QObject(parent)
{
    take_signals();
#if QT_CONFIG(sessionmanager)
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { emit session_ending(); });
#endif
}
