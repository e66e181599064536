// The notice and guide lists drawn in the real main window: their rows show the controller's
// entries once they have slid in, and a tap on a row reaches the controller.
#include "FakePageFetcher.h"
#include "PlainScreen.h"
#include "info/AnnounceDetailViewController.h"
#include "info/AnnouncementViewController.h"
#include "info/LPServiceDetailViewController.h"
#include "info/LPServiceGuideViewController.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenTypes.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtWebEngineQuick/QtWebEngineQuick>

using namespace Qt::StringLiterals;

class TestInfoViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerScreenTypes(&m_navigator);
        m_engine.load(QUrl::fromLocalFile(QStringLiteral(TARVO_MAIN_QML)));
        QCOMPARE(m_engine.rootObjects().size(), 1);
        m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().constFirst());
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_navigator.push(new PlainScreen(&m_navigator, u"home"_s), false);
    }

    void noticeRowsShowTitleAndDateAndOpenTheNotice()
    {
        auto *notices = new AnnouncementViewController(&m_navigator, &m_fetcher);
        notices->setDataSource({{u"停水通知"_s, u"2016-01-12"_s, u"http://site.test/a"_s},
                                {u"停电通知"_s, u"2016-01-05"_s, u"http://site.test/b"_s}});
        m_navigator.push(notices, false);
        QTRY_VERIFY(visibleText(u"通知公告"_s));
        QTRY_VERIFY(settledText(u"2016-01-05"_s));
        QVERIFY(settledText(u"停水通知"_s));

        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre(settledText(u"停电通知"_s)));
        auto *detail = qobject_cast<AnnounceDetailViewController *>(m_navigator.stack().last());
        QVERIFY(detail);
        QCOMPARE(detail->urlStr(), u"http://site.test/b"_s);
        QTRY_COMPARE(m_fetcher.requests().size(), 1); // its view has loaded
        returnHome();
    }

    void guideRowsShowTheirTitles()
    {
        m_navigator.push(new LPServiceGuideViewController(&m_navigator, &m_fetcher,
                                                          QUrl(u"http://site.test"_s), 0),
                         false);
        for (const QString &title : LPServiceGuideViewController::getServiceGuideInfo())
            QTRY_VERIFY2(settledText(title), qPrintable(title));
        QTest::mouseClick(m_window, Qt::LeftButton, {},
                          centre(settledText(u"天然气业务办理指南"_s)));
        auto *detail = qobject_cast<LPServiceDetailViewController *>(m_navigator.stack().last());
        QVERIFY(detail);
        QCOMPARE(detail->index(), 2);
        returnHome();
    }

private:
    static QPoint centre(QQuickItem *item)
    {
        return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    }
    QQuickItem *visibleText(const QString &text, QQuickItem *root = nullptr) const
    {
        root = root ? root : m_window->contentItem();
        for (QQuickItem *child : root->childItems()) {
            if (!child->isVisible())
                continue;
            if (child->property("text").toString() == text)
                return child;
            if (QQuickItem *found = visibleText(text, child))
                return found;
        }
        return nullptr;
    }
    /// The text, once its row has slid into place: its centre is on the window's left half.
    QQuickItem *settledText(const QString &text) const
    {
        QQuickItem *item = visibleText(text);
        const QPoint at = item ? centre(item) : QPoint(-1, -1);
        return at.x() >= 0 && at.x() < m_window->width() / 2 ? item : nullptr;
    }
    /// Back to the root; the overlay of a page that never arrives goes too.
    void returnHome()
    {
        m_navigator.hideProgress();
        while (m_navigator.stack().size() > 1)
            m_navigator.pop(false);
    }

    QmlNavigator m_navigator;
    FakePageFetcher m_fetcher;
    QQmlApplicationEngine m_engine;
    QQuickWindow *m_window = nullptr;
};

int main(int argc, char **argv)
{
    // The page screens' view names the web view; the engine must be set up before the app.
    QtWebEngineQuick::initialize();
    QGuiApplication app(argc, argv);
    TestInfoViews test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_infoviews.moc"
