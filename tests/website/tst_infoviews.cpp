// The notice and guide lists drawn in the real main window: their rows show the controller's
// entries once they have slid in, and a tap on a row reaches the controller.
#include "FakePageFetcher.h"
#include "MainWindowFixture.h"
#include "PlainScreen.h"
#include "website/AnnounceDetailViewController.h"
#include "website/AnnouncementViewController.h"
#include "website/LPServiceDetailViewController.h"
#include "website/LPServiceGuideViewController.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QTest>
#include <QtWebEngineQuick/QtWebEngineQuick>

using namespace Qt::StringLiterals;

class TestInfoViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_main.load());
        m_main.navigator.push(new PlainScreen(&m_main.navigator, u"home"_s), false);
    }

    void noticeRowsShowTitleAndDateAndOpenTheNotice()
    {
        auto *notices = new AnnouncementViewController(&m_main.navigator, &m_fetcher);
        notices->setDataSource({{u"停水通知"_s, u"2016-01-12"_s, u"http://site.test/a"_s},
                                {u"停电通知"_s, u"2016-01-05"_s, u"http://site.test/b"_s}});
        m_main.navigator.push(notices, false);
        QTRY_VERIFY(m_main.probe().visibleText(u"通知公告"_s));
        QTRY_VERIFY(settledText(u"2016-01-05"_s));
        QVERIFY(settledText(u"停水通知"_s));

        QVERIFY(m_main.probe().tap(settledText(u"停电通知"_s)));
        auto *detail =
            qobject_cast<AnnounceDetailViewController *>(m_main.navigator.stack().last());
        QVERIFY(detail);
        QCOMPARE(detail->urlStr(), u"http://site.test/b"_s);
        QTRY_COMPARE(m_fetcher.requests().size(), 1); // its view has loaded
        returnHome();
    }

    void guideRowsShowTheirTitles()
    {
        m_main.navigator.push(new LPServiceGuideViewController(&m_main.navigator, &m_fetcher,
                                                               QUrl(u"http://site.test"_s), 0),
                              false);
        for (const QString &title : LPServiceGuideViewController::getServiceGuideInfo())
            QTRY_VERIFY2(settledText(title), qPrintable(title));
        QVERIFY(m_main.probe().tap(settledText(u"天然气业务办理指南"_s)));
        auto *detail =
            qobject_cast<LPServiceDetailViewController *>(m_main.navigator.stack().last());
        QVERIFY(detail);
        QCOMPARE(detail->index(), 2);
        returnHome();
    }

private:
    /// The text, once its row has slid into place: its centre is on the window's left half.
    QQuickItem *settledText(const QString &text) const
    {
        QQuickItem *item = m_main.probe().visibleText(text);
        return item && ViewProbe::centre(item).x() < m_main.window->width() / 2 ? item : nullptr;
    }
    /// Back to the root; the overlay of a page that never arrives goes too.
    void returnHome()
    {
        m_main.navigator.hideProgress();
        while (m_main.navigator.stack().size() > 1)
            m_main.navigator.pop(false);
    }

    FakePageFetcher m_fetcher;
    MainWindowFixture m_main;
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
