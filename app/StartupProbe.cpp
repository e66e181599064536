#include "StartupProbe.h"

#include "ResidentMemory.h"
#include "shell/QmlNavigator.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>

StartupProbe::StartupProbe(QQuickWindow *window, const QmlNavigator *navigator, QObject *parent)
    : QObject(parent)
    , m_navigator(navigator)
{
    // frameSwapped comes from the render thread where there is one: the time is taken there,
    // the rest happens on the main thread.
    connect(
        window, &QQuickWindow::frameSwapped, this,
        [this] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            const qint64 ns = std::chrono::nanoseconds(now).count();
            QMetaObject::invokeMethod(
                this, [this, ns] { frameSwapped(ns); }, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

void StartupProbe::frameSwapped(qint64 steadyNs)
{
    // The first frames may show the home screen before sign-in has been put over it.
    if (m_reported || m_navigator->modals().isEmpty())
        return;
    m_reported = true;
    std::printf("first-frame-ns %lld\nrss-kib %lld\n", static_cast<long long>(steadyNs),
                static_cast<long long>(residentKib()));
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}
