// Care mode (关怀模式): the text factor rule, the switch remembered across starts, and the home
// screen in the real window: four large actions that open their screens, the others one tap
// away under "更多服务", and every text drawn larger.
#include "AppWindowFixture.h"
#include "info/AboutUsViewController.h"
#include "info/LPServiceGuideViewController.h"
#include "info/MapPointViewController.h"
#include "platform/IniSettingsStore.h"
#include "records/LPPayRecordViewController.h"
#include "redpackets/HongBaoViewController.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCareMode : public QObject
{
    Q_OBJECT

private slots:
    void textFactorRule_data()
    {
        QTest::addColumn<bool>("care");
        QTest::addColumn<qreal>("desktopScale");
        QTest::addColumn<qreal>("factor");

        QTest::newRow("off, usual desktop") << false << 1.0 << 1.0;
        QTest::newRow("on, usual desktop") << true << 1.0 << 1.3;
        // A desktop with small fonts never shrinks the design's text.
        QTest::newRow("off, small desktop font") << false << 0.9 << 1.0;
        QTest::newRow("on, small desktop font") << true << 0.9 << 1.3;
        QTest::newRow("off, desktop a little larger") << false << 1.2 << 1.2;
        QTest::newRow("on, desktop a little larger") << true << 1.2 << 1.3;
        QTest::newRow("off, desktop larger than care") << false << 1.5 << 1.5;
        QTest::newRow("on, desktop larger than care") << true << 1.5 << 1.5;
        QTest::newRow("on, desktop at the largest") << true << 1.5 << 1.5;
        QTest::newRow("off, huge desktop font") << false << 3.0 << CareMode::largestTextFactor;
    }

    void textFactorRule()
    {
        QFETCH(bool, care);
        QFETCH(qreal, desktopScale);
        QFETCH(qreal, factor);
        QCOMPARE(CareMode::textFactorFor(care, desktopScale), factor);
        CareMode mode(nullptr);
        mode.setDesktopFontScale(desktopScale);
        if (care)
            mode.enableForRun();
        QCOMPARE(mode.textFactor(), factor);
    }

    void desktopFontScale_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<qreal>("scale");

        QFont usual;
        usual.setPointSizeF(CareMode::usualPointSize);
        QFont generic; // Qt's own when the desktop says nothing
        generic.setPointSize(9);
        QFont large;
        large.setPointSize(15);
        QFont pixels; // 20 px at 96 dpi is 15 pt
        pixels.setPixelSize(20);
        QTest::newRow("usual") << usual << 1.0;
        QTest::newRow("Qt's generic 9 pt") << generic << 0.9;
        QTest::newRow("15 pt") << large << 1.5;
        QTest::newRow("20 px") << pixels << 1.5;
    }

    void desktopFontScale()
    {
        QFETCH(QFont, font);
        QFETCH(qreal, scale);
        QCOMPARE(CareMode::desktopFontScaleOf(font), scale);
    }

    void followsTheApplicationFont()
    {
        const QFont before = QGuiApplication::font();
        QFont large = before;
        large.setPointSize(14);
        CareMode mode(nullptr);
        QSignalSpy changed(&mode, &CareMode::changed);
        QGuiApplication::setFont(large);
        QCOMPARE(mode.textFactor(), 1.4);
        QVERIFY(!changed.isEmpty());
        QGuiApplication::setFont(before);
        QCOMPARE(mode.textFactor(),
                 CareMode::textFactorFor(false, CareMode::desktopFontScaleOf(before)));
    }

    void rememberedAcrossStarts()
    {
        QTemporaryDir home;
        {
            IniSettingsStore settings(home.path());
            CareMode mode(&settings);
            QVERIFY(!mode.isEnabled());
            // For one run only: nothing written.
            mode.enableForRun();
            QVERIFY(mode.isEnabled());
            QVERIFY(!settings.value(CareMode::settingsKey).isValid());
        }
        {
            IniSettingsStore settings(home.path());
            CareMode mode(&settings);
            QVERIFY(!mode.isEnabled());
            mode.setEnabled(true);
        }
        {
            IniSettingsStore settings(home.path());
            CareMode mode(&settings);
            QVERIFY(mode.isEnabled());
            QCOMPARE(mode.textFactor(), CareMode::careTextFactor);
            mode.setEnabled(false);
        }
        IniSettingsStore settings(home.path());
        QVERIFY(!CareMode(&settings).isEnabled());
        // A value that is no clear "true" leaves it off.
        settings.setValue(CareMode::settingsKey, u"maybe"_s);
        QVERIFY(!CareMode(&settings).isEnabled());
    }

    void homeSwitchTurnsItOnAndOff()
    {
        AppWindowFixture app;
        QVERIFY(app.start({375, 667}));
        QVERIFY(app.skipSignIn());
        ViewProbe probe = app.probe();
        QQuickItem *caption = probe.visibleText(u"缴费记录"_s);
        QVERIFY(caption);
        const qreal usualSize = caption->property("font").value<QFont>().pixelSize();

        QVERIFY(probe.tapText(u"关怀模式"_s));
        QTRY_VERIFY(probe.visibleText(u"更多服务"_s));
        QTest::qWait(300); // the menu lays itself out anew
        QCOMPARE(app.settings.values.value(CareMode::settingsKey), QVariant(true));
        QVERIFY(app.home->careMode());
        // The four large actions and nothing else of the menu; the carousel has gone.
        for (const QString &lead : {u"缴费"_s, u"缴费记录"_s, u"公告通知"_s, u"营业网点"_s})
            QVERIFY2(probe.visibleText(lead), qPrintable(lead));
        for (const QString &other : otherFunctions())
            QVERIFY2(!probe.visibleText(other), qPrintable(other));
        QVERIFY(probe.visibleNamed(u"wheelPicture"_s).isEmpty());
        // Every text larger: the same caption, drawn at least 1.3 times its size.
        caption = probe.visibleText(u"缴费记录"_s);
        QVERIFY(caption->property("font").value<QFont>().pixelSize() >= 1.3 * usualSize);
        const QFont title = probe.visibleText(u"Tarvo在线缴费"_s)->property("font").value<QFont>();
        QCOMPARE(title.pixelSize(), qRound(20 * 1.3 * app.pt()));

        QVERIFY(probe.tapText(u"关怀模式"_s));
        QTRY_VERIFY(probe.visibleText(u"水电气缴费"_s));
        QVERIFY(!probe.visibleText(u"更多服务"_s));
        QCOMPARE(app.settings.values.value(CareMode::settingsKey), QVariant(false));
    }

    void everyFunctionIsReachable_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("underMore");
        QTest::addColumn<QString>("opens");

        QTest::newRow("缴费") << u"缴费"_s << false << u"LPPayViewController"_s;
        QTest::newRow("缴费记录") << u"缴费记录"_s << false << u"LPPayRecordViewController"_s;
        QTest::newRow("公告通知") << u"公告通知"_s << false << u"notice list fetched"_s;
        QTest::newRow("营业网点") << u"营业网点"_s << false << u"MapPointViewController"_s;
        QTest::newRow("我的红包") << u"我的红包"_s << true << u"HongBaoViewController"_s;
        QTest::newRow("服务指南") << u"服务指南"_s << true << u"LPServiceGuideViewController"_s;
        QTest::newRow("水电气宣传") << u"水电气宣传"_s << true << u"LPServiceGuideViewController"_s;
        QTest::newRow("常见问题") << u"常见问题"_s << true << u"alert"_s;
        QTest::newRow("关于我们") << u"关于我们"_s << true << u"AboutUsViewController"_s;
    }

    void everyFunctionIsReachable()
    {
        QFETCH(QString, caption);
        QFETCH(bool, underMore);
        QFETCH(QString, opens);
        AppWindowFixture app;
        app.careMode.setEnabled(true);
        // The smallest window: the list under "更多服务" must scroll into reach.
        QVERIFY(app.start({320, 480}));
        QVERIFY(app.skipSignIn());
        ViewProbe probe = app.probe();
        QTRY_VERIFY(probe.visibleText(u"更多服务"_s));
        if (underMore) {
            QVERIFY(!probe.visibleText(caption));
            QVERIFY(probe.tapText(u"更多服务"_s));
            QTest::qWait(300);
        }
        QTRY_VERIFY(probe.tapText(caption));

        if (opens == u"alert"_s) {
            QTRY_COMPARE(app.alerts.size(), 1);
        } else if (opens == u"notice list fetched"_s) {
            QTRY_COMPARE(app.pages.requests().size(), 1);
        } else {
            QTRY_COMPARE(app.navigator().stack().size(), 2);
            QCOMPARE(app.navigator().stack().last()->metaObject()->className(), opens.toLatin1());
        }
    }

private:
    static QStringList otherFunctions()
    {
        return {u"我的红包"_s, u"服务指南"_s, u"水电气宣传"_s, u"常见问题"_s, u"关于我们"_s};
    }
};

QTEST_MAIN(TestCareMode)
#include "tst_caremode.moc"
