#include "NoticeProbe.h"

#include "ResidentMemory.h"
#include "shell/QmlNavigator.h"

#include <QCoreApplication>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <chrono>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The newest notice of the sandbox's website: the first row of the list.
const QString firstNotice = u"关于城北片区计划停水的通知"_s;

qint64 steadyNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

NoticeProbe::NoticeProbe(QQuickWindow *window, QmlNavigator *navigator, const QString &htmlFile,
                         QObject *parent)
    : QObject(parent)
    , m_probe(window)
    , m_navigator(navigator)
    , m_htmlFile(htmlFile)
{
    connect(&m_poll, &QTimer::timeout, this, &NoticeProbe::poll);
    m_poll.start(10);
    // As in the start-up probe, the time is taken on the render thread, the rest on the main one.
    connect(
        window, &QQuickWindow::frameSwapped, this,
        [this] {
            const qint64 ns = steadyNow();
            QMetaObject::invokeMethod(
                this, [this, ns] { painted(ns); }, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

void NoticeProbe::poll()
{
    switch (m_step) {
    case Step::signIn:
        // The notices need no account: the sign-in screen put over home at start is closed.
        if (!m_navigator->modals().isEmpty()) {
            m_navigator->dismiss(m_navigator->modals().constLast(), false);
            m_step = Step::home;
        }
        break;
    case Step::home:
        if (m_navigator->modals().isEmpty() && m_probe.tapText(u"公告通知"_s))
            m_step = Step::list;
        break;
    case Step::list:
        // The rows slide in after they arrive, and a sliding screen takes no taps.
        if (m_probe.visibleText(firstNotice)) {
            m_step = Step::settling;
            QTimer::singleShot(800, this, [this] {
                m_tapNs = steadyNow();
                m_step = m_probe.tapText(firstNotice) ? Step::page : Step::done;
                if (m_step == Step::done)
                    QCoreApplication::exit(1);
            });
        }
        break;
    case Step::page:
        for (const QQuickItem *page : m_probe.visibleNamed(u"webPage"_s)) {
            if (!page->property("shownText").toString().isEmpty()) {
                m_step = Step::painting;
                QFile html(m_htmlFile);
                if (html.open(QIODevice::WriteOnly))
                    html.write(page->property("html").toString().toUtf8());
                // Frames swapped before now do not count; ask for one in case the page is
                // already all there and nothing else would draw.
                m_loadedNs = steadyNow();
                m_probe.window()->update();
                break;
            }
        }
        break;
    case Step::settling:
    case Step::painting:
    case Step::done:
        break;
    }
}

void NoticeProbe::painted(qint64 steadyNs)
{
    if (m_step != Step::painting || steadyNs < m_loadedNs)
        return;
    m_step = Step::done;
    m_poll.stop();
    std::printf("tap-ns %lld\npainted-ns %lld\nrss-kib %lld\n", static_cast<long long>(m_tapNs),
                static_cast<long long>(steadyNs), static_cast<long long>(residentKib()));
    std::fflush(stdout);
    QTimer::singleShot(1000, qApp, [] { QCoreApplication::exit(0); });
}
