#include "AppLifecycle.h"

#include "AppDelegate.h"
#include "ShellLog.h"

#include <QEvent>
#include <QTimer>

AppLifecycle::AppLifecycle(AppDelegate *delegate, QObject *parent)
    : QObject(parent)
    , m_delegate(delegate)
{}

void AppLifecycle::track(QWindow *window)
{
    connect(window, &QWindow::visibilityChanged, this, &AppLifecycle::visibilityChanged);
    window->installEventFilter(this);
}

bool AppLifecycle::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the window (or quitting, which closes it) ends the app on a desktop; the
    // hiding that comes with it is no trip into the background.
    if (event->type() == QEvent::Close)
        m_closing = true;
    return QObject::eventFilter(watched, event);
}

void AppLifecycle::visibilityChanged(QWindow::Visibility visibility)
{
    const bool background = visibility == QWindow::Hidden || visibility == QWindow::Minimized;
    if (background == m_inBackground || (m_closing && visibility == QWindow::Hidden))
        return;
    m_inBackground = background;
    qCInfo(lcShell) << "window visibility" << visibility;
    if (background)
        m_delegate->applicationDidEnterBackground();
    else
        m_delegate->applicationWillEnterForeground();
    emit inBackgroundChanged(background);
}

void AppLifecycle::bringToFront(QWindow *window)
{
    window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->requestActivate();
}

void AppLifecycle::simulateTrips(QWindow *window, std::chrono::milliseconds interval)
{
    auto *timer = new QTimer(window);
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, window, [window] {
        if (window->visibility() == QWindow::Minimized)
            window->showNormal();
        else
            window->showMinimized();
    });
    timer->start();
}
