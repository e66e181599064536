#pragma once

#include "driver/ViewProbe.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QQuickWindow;
class QmlNavigator;

/// `tarvo --notice-probe FILE`: opens the notice list from home and taps its first notice, then
/// prints the steady clock at the tap ("tap-ns N"), at the first frame swapped after the page
/// has loaded in the web view and its text has been read back from it ("painted-ns N"), and
/// the resident memory then ("rss-kib N"); the page's HTML goes into FILE, so that the web view
/// benchmark can load the same page into a bare web view. Quits a second later.
class NoticeProbe : public QObject
{
    Q_OBJECT

public:
    NoticeProbe(QQuickWindow *window, QmlNavigator *navigator, const QString &htmlFile,
                QObject *parent = nullptr);

private:
    enum class Step { signIn, home, list, settling, page, painting, done };

    void poll();
    void painted(qint64 steadyNs);

    ViewProbe m_probe;
    QmlNavigator *m_navigator;
    QString m_htmlFile;
    QTimer m_poll;
    Step m_step = Step::signIn;
    qint64 m_tapNs = 0;
    qint64 m_loadedNs = 0;
};
