// Every screen in windows from a small phone to a desktop, as designed and in care mode's larger
// text: nothing squashed, cut or spilling out of its box, nothing outside the window. With
// TARVO_VIEW_PICTURES set, each screen at each size is saved there to be looked at.
#include "AppWindowFixture.h"
#include "billing/SavedAccounts.h"
#include "redpackets/LPHongBaoView.h"

#include <QDir>
#include <QFontMetricsF>
#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowSizes : public QObject
{
    Q_OBJECT

private slots:
    void everyScreenFits_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("care");
        QTest::addColumn<qreal>("desktopFontScale");
        const QList<QSize> sizes{{320, 480},  {320, 568},  {375, 667},  {414, 896},
                                 {1024, 768}, {1280, 800}, {1920, 1080}};
        for (const bool care : {false, true}) {
            for (const QSize size : sizes) {
                QTest::addRow("%s%dx%d", care ? "care " : "", size.width(), size.height())
                    << size << care << 1.0;
            }
        }
        // A desktop set to the largest fonts followed, in the narrowest windows.
        for (const QSize size : {QSize(320, 480), QSize(375, 667)}) {
            QTest::addRow("largest text %dx%d", size.width(), size.height())
                << size << true << CareMode::largestTextFactor;
        }
    }

    void everyScreenFits()
    {
        QFETCH(QSize, size);
        QFETCH(bool, care);
        QFETCH(qreal, desktopFontScale);
        AppWindowFixture app;
        app.careMode.setEnabled(care);
        app.careMode.setDesktopFontScale(desktopFontScale);
        m_prefix = desktopFontScale > 1 ? u"largest-"_s : care ? u"care-"_s : QString();
        // Two saved accounts: their strip lies under the payment screen's field.
        SavedAccounts saved(&app.settings);
        saved.save(u"1000002"_s, u"父母家"_s);
        saved.save(u"1000003"_s, u"一二三四五六七八九十"_s);
        QVERIFY(app.start(size));
        m_app = &app;
        m_probe = app.probe();
        QTRY_COMPARE(app.window.window->size(), size);

        look(u"sign-in"_s);
        QVERIFY(m_probe.tapText(u"注册新用户"_s));
        look(u"registration"_s);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_VERIFY(m_probe.visibleText(u"记住密码"_s));
        QVERIFY(app.skipSignIn());
        look(u"home"_s);

        QTRY_VERIFY(m_probe.tapText(care ? u"缴费"_s : u"水电气缴费"_s));
        QTRY_VERIFY(m_probe.visibleText(u"请输入你要查询的户号"_s));
        QTest::qWait(500); // the stack takes no taps while it slides a screen in
        QVERIFY(m_probe.typeInto(u"请输入你要查询的户号"_s, u"1000001"_s));
        m_probe.pressKey(Qt::Key_Return);
        QTRY_COMPARE(app.transport.requests().size(), 1);
        app.transport.respond(
            0, AppWindowFixture::reply(u"queryExpense"_s, u"shell/arrears-1000001.xml"_s));
        QTRY_VERIFY(m_probe.visibleText(u"应缴金额:"_s) || m_probe.visibleText(u"张三"_s));
        look(u"payment"_s);

        QVERIFY(m_probe.tap(m_probe.visibleNamed(u"saveAccountChip"_s).value(0)));
        QTRY_VERIFY(m_probe.visibleText(u"保存为常用户号"_s));
        m_probe.typeText(u"这是一个很长很长的备注名"_s);
        m_probe.pressKey(Qt::Key_Return);
        QTRY_VERIFY(m_probe.visibleText(u"备注名最多10个字"_s));
        look(u"saved-account-sheet"_s, u"savedAccountPanel"_s);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(app.navigator().modals().size(), 0);

        auto *sheet = new LPHongBaoView(&app.navigator(), QString(), [](const QStringList &) {});
        sheet->setDataSource({{u"HB1"_s, u"新用户红包"_s, u"5"_s, {}},
                              {u"HB2"_s, u"缴费满百红包"_s, u"10"_s, {}},
                              {u"HB3"_s, u"节日红包"_s, u"2.5"_s, {}}});
        sheet->show();
        look(u"red-packet-sheet"_s, u"hongBaoCard"_s);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(app.navigator().modals().size(), 0);

        app.navigator().notice(u"户号不存在，请核对后重新输入。如有疑问请拨打客服电话。"_s);
        look(u"alert"_s, u"alertPanel"_s);
        m_probe.pressKey(Qt::Key_Return);
        QTRY_COMPARE(app.alerts.size(), 1);

        QVERIFY(m_probe.tapText(u"查看明细"_s));
        QTRY_VERIFY(m_probe.visibleText(u"202611"_s));
        look(u"detail"_s);
        back(2);

        QVERIFY(m_probe.tapText(u"缴   费"_s));
        look(u"agreement"_s, u"agreementPanel"_s);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(app.navigator().modals().size(), 0);
        back(1);

        QTRY_VERIFY(m_probe.tapText(u"缴费记录"_s));
        QTRY_VERIFY(m_probe.visibleText(u"开始日期"_s));
        QTest::qWait(500);
        look(u"records"_s);
        QVERIFY(m_probe.tapText(u"开始日期"_s));
        look(u"date-picker"_s, u"datePickerPanel"_s);
        m_probe.pressKey(Qt::Key_Escape);
        QTest::qWait(400);
        QVERIFY(m_probe.tapText(u"电子凭证"_s));
        QTRY_VERIFY(m_probe.visibleNamed(u"noReceipts"_s).size() == 1);
        look(u"receipts"_s, u"noReceipts"_s);
        back(2);
        const qsizetype asked = app.transport.requests().size();
        QVERIFY(m_probe.tapText(u"近12个月缴费"_s));
        QTRY_COMPARE(app.transport.requests().size(), asked + 1);
        app.transport.respond(
            asked, BadReplies::documentReply(
                       u"queryPayList"_s, u"<info><resultCode>1</resultCode><queryList><userbh>"
                                          "1000001</userbh><jfrq>2016-11-30</jfrq><jfje>"
                                          "123456.78</jfje></queryList></info>"_s));
        QTRY_VERIFY(m_probe.visibleText(u"合计 123456.78元"_s));
        look(u"months"_s);
        back(1);

        if (care) {
            QVERIFY(m_probe.tapText(u"更多服务"_s));
            QTest::qWait(300);
        }
        QTRY_VERIFY(m_probe.tapText(u"服务指南"_s));
        QTRY_COMPARE(app.navigator().stack().size(), 2);
        QTest::qWait(1500); // the rows slide in
        look(u"guide"_s);
        back(1);

        QTest::qWait(500);
        if (care)
            look(u"home-more"_s);
        QTRY_VERIFY(m_probe.tapText(u"营业网点"_s));
        QTRY_VERIFY(!m_probe.visibleNamed(u"map"_s).isEmpty());
        look(u"map"_s);
    }

private:
    // Back to the screen at `depth`, and past the slide: the stack takes no taps while it moves.
    void back(qsizetype depth)
    {
        while (m_app->navigator().stack().size() > depth)
            m_app->navigator().pop(false);
        QTest::qWait(500);
    }

    // Looks at the screen as it is: saves it, and checks that no text is squashed below its
    // type's height or pushed outside the window, and that the named panel lies inside it.
    void look(const QString &screen, const QString &panel = {})
    {
        QTest::qWait(400); // springs and slides settle
        QQuickWindow *window = m_app->window.window;
        const QString pictures = qEnvironmentVariable("TARVO_VIEW_PICTURES");
        if (!pictures.isEmpty()) {
            QDir().mkpath(pictures);
            window->grabWindow().save(
                QDir(pictures).filePath(u"%1%2-%3x%4.png"_s.arg(m_prefix, screen)
                                            .arg(window->width())
                                            .arg(window->height())));
        }
        const QRectF bounds(QPointF(), window->size());
        if (!panel.isEmpty()) {
            const QList<QQuickItem *> found = m_probe.visibleNamed(panel);
            QVERIFY2(!found.isEmpty(), qPrintable(screen + u": no "_s + panel));
            const QQuickItem *item = found.constFirst();
            const QRectF rect = item->mapRectToScene(item->boundingRect());
            QVERIFY2(bounds.adjusted(-1, -1, 1, 1).contains(rect),
                     qPrintable(u"%1: %2 at %3,%4 %5x%6"_s.arg(screen, panel)
                                    .arg(rect.x())
                                    .arg(rect.y())
                                    .arg(rect.width())
                                    .arg(rect.height())));
        }
        checkTexts(screen, window->contentItem(), bounds);
    }

    // `bounds`: the window, or the part of it that a scrolling view shows its content in.
    // Content scrolled out of that part is out of sight; partly in it, it is scrolled there.
    void checkTexts(const QString &screen, QQuickItem *item, const QRectF &bounds)
    {
        if (!item->isVisible() || item->opacity() == 0)
            return;
        const QRectF box = item->mapRectToScene(item->boundingRect());
        if (!box.isEmpty() && !box.intersects(bounds))
            return;
        const QString text = item->property("text").toString();
        const QVariant font = item->property("font");
        if (!text.isEmpty() && font.isValid() && item->inherits("QQuickText")) {
            const QFont f = font.value<QFont>();
            const qreal typeHeight = f.pixelSize() > 0 ? f.pixelSize() : QFontMetricsF(f).height();
            QVERIFY2(item->height() + 0.5 >= typeHeight || item->height() == 0,
                     qPrintable(u"%1: \"%2\" is %3 px high for %4 px type"_s.arg(screen, text)
                                    .arg(item->height())
                                    .arg(typeHeight)));
            const QRectF rect = scrolled(item) ? box.intersected(bounds) : box;
            QVERIFY2(rect.left() >= bounds.left() - 1 && rect.right() <= bounds.right() + 1,
                     qPrintable(u"%1: \"%2\" lies outside the window (%3 to %4)"_s.arg(screen, text)
                                    .arg(rect.left())
                                    .arg(rect.right())));
            QVERIFY2(
                f.pixelSize() <= 0 || f.pixelSize() >= 9,
                qPrintable(u"%1: \"%2\" in %3 px type"_s.arg(screen, text).arg(f.pixelSize())));
            // Cut short with an ellipsis, or running past its box over whatever lies beside or
            // below it.
            const qreal contentWidth = item->property("contentWidth").toReal();
            const qreal contentHeight = item->property("contentHeight").toReal();
            QVERIFY2(!item->property("truncated").toBool() && contentWidth <= item->width() + 1,
                     qPrintable(u"%1: \"%2\" needs %3 px, has %4"_s.arg(screen, text)
                                    .arg(contentWidth)
                                    .arg(item->width())));
            QVERIFY2(item->height() == 0 || contentHeight <= item->height() + 1,
                     qPrintable(u"%1: \"%2\" needs %3 px high, has %4"_s.arg(screen, text)
                                    .arg(contentHeight)
                                    .arg(item->height())));
        }
        const QRectF inside =
            item->clip() && item->inherits("QQuickFlickable") ? box.intersected(bounds) : bounds;
        for (QQuickItem *child : item->childItems())
            checkTexts(screen, child, inside);
    }

    static bool scrolled(const QQuickItem *item)
    {
        for (const QQuickItem *it = item->parentItem(); it; it = it->parentItem()) {
            if (it->clip() && it->inherits("QQuickFlickable"))
                return true;
        }
        return false;
    }

    AppWindowFixture *m_app = nullptr;
    ViewProbe m_probe{nullptr};
    QString m_prefix;
};

QTEST_MAIN(TestWindowSizes)
#include "tst_windowsizes.moc"
