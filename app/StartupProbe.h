#pragma once

#include <QObject>

class QQuickWindow;
class QmlNavigator;

/// `tarvo --startup-probe`: once a frame showing the sign-in screen has been swapped, prints
/// the steady clock then ("first-frame-ns N") and the resident memory ("rss-kib N") on
/// standard output and quits. The start-up benchmark reads these lines; the steady clock is
/// the same in every process, so it can take the time from its own start of the process.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    StartupProbe(QQuickWindow *window, const QmlNavigator *navigator, QObject *parent = nullptr);

private:
    void frameSwapped(qint64 steadyNs);

    const QmlNavigator *m_navigator;
    bool m_reported = false;
};
