// The app used by hand in its real window: taps and drags at window coordinates and keys typed
// on the window, never calls on the views. Covering layers keep what is beneath them out of
// reach, the back arrow always answers, and the keyboard does what a desktop user expects.
#include "AppWindowFixture.h"
#include "account/SignViewController.h"
#include "billing/LPPayViewController.h"
#include "billing/LPWithholdAlertView.h"
#include "records/LPDatePicker.h"
#include "records/LPPayRecordViewController.h"
#include "redpackets/LPHongBaoView.h"

#include <QQuickItem>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Which layer a row of the table puts over the screen.
enum class Layer { SignIn, Registration, Alert, Progress, Agreement, Loading, Sheet, DatePicker };

} // namespace

Q_DECLARE_METATYPE(Layer)

class TestHandsOn : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_app = std::make_unique<AppWindowFixture>();
        QVERIFY(m_app->start(QSize(375, 667)));
        m_probe = m_app->probe();
    }
    void cleanup() { m_app.reset(); }

    void blankTapsReachNothingBeneath_data()
    {
        QTest::addColumn<Layer>("layer");
        // A layer whose backdrop closes it when tapped (a sheet, a picker) is opened anew for
        // each tap; the others take the whole grid.
        QTest::addColumn<bool>("closesWhenTapped");
        QTest::newRow("sign-in over home") << Layer::SignIn << false;
        QTest::newRow("registration over sign-in") << Layer::Registration << false;
        QTest::newRow("alert") << Layer::Alert << false;
        QTest::newRow("progress overlay") << Layer::Progress << false;
        QTest::newRow("withholding prompt") << Layer::Agreement << false;
        QTest::newRow("loading cover") << Layer::Loading << false;
        QTest::newRow("red packet sheet") << Layer::Sheet << true;
        QTest::newRow("date picker") << Layer::DatePicker << true;
    }

    void blankTapsReachNothingBeneath()
    {
        QFETCH(Layer, layer);
        QFETCH(bool, closesWhenTapped);
        putUp(layer);
        const QString before = beneath();
        const QList<QPointF> blanks = blankPoints();
        QVERIFY2(blanks.size() > 20, qPrintable(u"only %1 blank points"_s.arg(blanks.size())));

        if (!closesWhenTapped) {
            for (const QPointF &at : blanks)
                m_probe.tapAt(at);
            QTest::qWait(50);
            QCOMPARE(beneath(), before);
            QCOMPARE(blankPoints().size(), blanks.size());
            return;
        }
        // Corners, edges and the middle of what is blank.
        for (const qsizetype index : {qsizetype(0), blanks.size() / 3, blanks.size() - 1}) {
            m_probe.tapAt(blanks.at(index));
            if (layer == Layer::DatePicker)
                QTRY_VERIFY(!pickerOpen());
            else
                QTRY_COMPARE(m_app->navigator().modals().size(), 0);
            QCOMPARE(m_chosen, QList<QStringList>());
            QCOMPARE(beneath(), before);
            putUpAgain(layer);
        }
    }

    void backArrowAnswersOverItsWholeArea_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<bool>("loading");
        // Points of the 375-point design; the arrow is drawn at x 16–28, y 32–53.
        for (const bool loading : {false, true}) {
            const char *when = loading ? " while loading" : "";
            QTest::addRow("left end%s", when) << QPointF(3, 42) << loading;
            QTest::addRow("on the arrow%s", when) << QPointF(22, 42) << loading;
            QTest::addRow("beside the arrow%s", when) << QPointF(50, 30) << loading;
            QTest::addRow("bottom edge%s", when) << QPointF(30, 62) << loading;
        }
    }

    void backArrowAnswersOverItsWholeArea()
    {
        QFETCH(QPointF, at);
        QFETCH(bool, loading);
        openPayment();
        const QPointer<LPPayViewController> payment(paymentScreen());
        if (loading) {
            typeAccountAndSearch(u"1000001"_s);
            QTRY_VERIFY(!m_probe.visibleNamed(u"loadingDot"_s).isEmpty());
        }
        m_probe.tapAt(at * m_app->pt());
        QTRY_COMPARE(m_app->navigator().stack().size(), 1);
        if (!loading)
            return;
        // The answer to a search the customer walked away from changes nothing, shows nothing.
        m_app->transport.respond(
            0, AppWindowFixture::reply(u"queryExpense"_s, u"shell/arrears-1000001.xml"_s));
        QTest::qWait(100);
        QTRY_VERIFY(payment.isNull());
        QCOMPARE(m_app->alerts.size(), 0);
        QCOMPARE(m_app->navigator().stack().size(), 1);
        QVERIFY(m_probe.visibleText(u"水电气缴费"_s));
    }

    // Swipe back is a drag from the very edge to the right; a tap at the edge is a tap on
    // what lies there.
    void swipeBackAndTheEdge()
    {
        openPayment();
        QQuickItem *field = m_probe.visibleNamed(u"seacrBar"_s).value(0);
        QVERIFY(field);
        const QPointF fieldEdge = field->mapToScene(QPointF(2, field->height() / 2));
        m_probe.tapAt(fieldEdge);
        QTRY_VERIFY(field->property("input").value<QQuickItem *>()->hasActiveFocus());

        m_probe.drag(QPointF(100, 400), QPointF(350, 400));
        QCOMPARE(m_app->navigator().stack().size(), 2);
        m_probe.drag(QPointF(3, 400), QPointF(40, 400));
        QCOMPARE(m_app->navigator().stack().size(), 2);
        m_probe.drag(QPointF(3, 400), QPointF(300, 400));
        QTRY_COMPARE(m_app->navigator().stack().size(), 1);
    }

    void keysUnderAnAlertReachNoField()
    {
        openPayment();
        LPPayViewController *payment = paymentScreen();
        typeInto(u"seacrBar"_s, u"1000002"_s);
        m_app->navigator().notice(u"请输入户号"_s);
        QTRY_VERIFY(m_probe.visibleText(u"请输入户号"_s));
        m_probe.typeText(u"9999999"_s);
        m_probe.pressKey(Qt::Key_Tab);
        m_probe.typeText(u"8"_s);
        QCOMPARE(payment->seacrBar(), u"1000002"_s);
        QCOMPARE(m_app->transport.requests().size(), 0);

        // Enter answers the alert; the keyboard is back in the field it left.
        m_probe.pressKey(Qt::Key_Return);
        QTRY_VERIFY(!m_probe.visibleText(u"请输入户号"_s));
        QTest::qWait(50);
        m_probe.typeText(u"9"_s);
        QCOMPARE(payment->seacrBar(), u"10000029"_s);
    }

    void anAlertOpenedByAnotherAlertsButtonTakesTheKeys()
    {
        openPayment();
        QmlNavigator &navigator = m_app->navigator();
        // As after a payment: the outcome comes while the progress overlay is still up, and
        // reading it leads to another alert.
        navigator.showProgress(u"正在创建订单"_s);
        QTest::qWait(50);
        navigator.notice(u"第一个"_s, [&navigator] {
            navigator.alert(u"第二个"_s, {}, {{u"不要"_s, {}}, {u"好的"_s, {}}});
        });
        navigator.hideProgress();
        QTRY_VERIFY(m_probe.visibleText(u"第一个"_s));
        QTest::qWait(50);
        m_probe.pressKey(Qt::Key_Return);
        QTRY_VERIFY(m_probe.visibleText(u"第二个"_s));
        QTest::qWait(50);
        m_probe.pressKey(Qt::Key_Return);
        QTRY_VERIFY(!m_probe.visibleText(u"第二个"_s));
        QCOMPARE(m_app->alerts.size(), 2);
    }

    void escapeClosesTheTopLayerThenGoesBack()
    {
        openPayment();
        m_app->navigator().notice(u"第一个"_s);
        QTRY_VERIFY(m_probe.visibleText(u"第一个"_s));
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_VERIFY(!m_probe.visibleText(u"第一个"_s));
        QCOMPARE(m_app->navigator().stack().size(), 2);

        putUpAgain(Layer::Sheet);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(m_app->navigator().modals().size(), 0);
        QCOMPARE(m_chosen, QList<QStringList>());
        QCOMPARE(m_app->navigator().stack().size(), 2);

        QTest::qWait(50);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(m_app->navigator().stack().size(), 1);
    }

    void escapeOnTheDatePickerCancels()
    {
        putUp(Layer::DatePicker);
        const QString start = m_records->startDateTitle();
        m_probe.pressKey(Qt::Key_Up);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_VERIFY(!pickerOpen());
        QCOMPARE(m_records->startDateTitle(), start);
        QCOMPARE(m_app->navigator().stack().size(), 2);
    }

    void escapeOnTheAccountScreens()
    {
        // Sign-in has no way back but signing in; registration goes back to it.
        m_probe.pressKey(Qt::Key_Escape);
        QTest::qWait(50);
        QCOMPARE(m_app->navigator().modals().size(), 1);
        putUp(Layer::Registration);
        m_probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(m_app->navigator().modals().size(), 1);
        QTRY_VERIFY(m_probe.visibleText(u"记住密码"_s));
    }

    void enterSearches()
    {
        openPayment();
        typeInto(u"seacrBar"_s, u"1000001"_s);
        m_probe.pressKey(Qt::Key_Return);
        QTRY_COMPARE(m_app->transport.requests().size(), 1);
        QVERIFY(m_app->transport.lastRequest().body.contains("queryExpense"));
        QVERIFY(m_app->transport.lastRequest().body.contains("1000001"));
    }

    void tabWalksSignInInReadingOrderAndEnterSubmits()
    {
        auto *signIn = qobject_cast<SignViewController *>(m_app->navigator().modals().value(0));
        QVERIFY(signIn);
        QTRY_VERIFY(focusedName() == u"accountField"_s);
        m_probe.typeText(u"13912345678"_s);
        const QStringList order{u"passwordField"_s, u"remember"_s, u"loginButton"_s,
                                u"registerButton"_s, u"accountField"_s};
        for (const QString &next : order) {
            m_probe.pressKey(Qt::Key_Tab);
            QCOMPARE(focusedName(), next);
        }
        m_probe.pressKey(Qt::Key_Tab);
        m_probe.typeText(u"123456"_s);
        QCOMPARE(signIn->accountText(), u"13912345678"_s);
        QCOMPARE(signIn->passWordText(), u"123456"_s);
        m_probe.pressKey(Qt::Key_Return);
        QTRY_COMPARE(m_app->transport.requests().size(), 1);
        QVERIFY(m_app->transport.lastRequest().body.contains("checkUser"));
    }

private:
    // What the screens beneath the layers hold: none of it may change by a tap on a layer.
    QString beneath() const
    {
        QStringList state{QString::number(m_app->navigator().stack().size()),
                          QString::number(m_app->navigator().modals().size()),
                          QString::number(m_app->alerts.size()),
                          QString::number(m_app->transport.requests().size())};
        for (auto key = m_app->settings.values.cbegin(); key != m_app->settings.values.cend();
             ++key)
            state.append(key.key() + u'=' + key.value().toString());
        // The sheet is a layer, not what lies beneath it.
        qsizetype layers = 0;
        for (QObject *modal : m_app->navigator().modals())
            layers += qobject_cast<LPHongBaoView *>(modal) ? 1 : 0;
        state[1] = QString::number(m_app->navigator().modals().size() - layers);
        for (QObject *screen : m_app->navigator().stack() + m_app->navigator().modals()) {
            if (auto *payment = qobject_cast<LPPayViewController *>(screen))
                state.append(payment->seacrBar() + payment->infoB().join(u','));
            if (auto *signIn = qobject_cast<SignViewController *>(screen))
                state.append(signIn->accountText() + QString::number(signIn->miMaKuang()));
            if (auto *records = qobject_cast<LPPayRecordViewController *>(screen))
                state.append(records->startDateTitle() + records->endDateTitle());
        }
        return state.join(u'|');
    }

    // The points of a grid over the window where a tap lands on a covering layer itself.
    QList<QPointF> blankPoints() const
    {
        QList<QPointF> found;
        const QSize size = m_app->window.window->size();
        for (int y = 4; y < size.height(); y += 24) {
            for (int x = 4; x < size.width(); x += 24) {
                const QQuickItem *item = m_probe.inputItemAt(QPointF(x, y));
                if (item && item->objectName() == u"coverArea"_s)
                    found.append(QPointF(x, y));
            }
        }
        return found;
    }

    QString focusedName() const
    {
        QQuickItem *focused = m_app->window.window->activeFocusItem();
        // An input's name is on the row that holds it.
        for (QQuickItem *item = focused; item; item = item->parentItem()) {
            if (!item->objectName().isEmpty())
                return item->objectName();
        }
        return {};
    }

    bool pickerOpen() const
    {
        return m_records && m_records->datePicker() && m_records->datePicker()->isOpen();
    }

    void openPayment()
    {
        QVERIFY(m_app->skipSignIn());
        QTRY_VERIFY(m_probe.tapText(u"水电气缴费"_s));
        QTRY_COMPARE(m_app->navigator().stack().size(), 2);
        QTRY_VERIFY(!m_probe.visibleNamed(u"seacrBar"_s).isEmpty());
        // The stack takes no taps while it slides a screen in.
        QTest::qWait(500);
    }
    LPPayViewController *paymentScreen() const
    {
        return qobject_cast<LPPayViewController *>(m_app->navigator().stack().value(1));
    }

    void typeInto(const QString &name, const QString &text)
    {
        QQuickItem *row = m_probe.visibleNamed(name).value(0);
        QVERIFY(row);
        m_probe.tap(row);
        QTRY_VERIFY(row->property("input").value<QQuickItem *>()->hasActiveFocus());
        m_probe.typeText(text);
    }

    void typeAccountAndSearch(const QString &account)
    {
        typeInto(u"seacrBar"_s, account);
        QVERIFY(m_probe.tap(m_probe.visibleNamed(u"seacrBtn"_s).value(0)));
    }

    void putUp(Layer layer)
    {
        switch (layer) {
        case Layer::SignIn:
            QTRY_VERIFY(m_probe.visibleText(u"记住密码"_s));
            break;
        case Layer::Registration:
            QVERIFY(m_probe.tapText(u"注册新用户"_s));
            QTRY_VERIFY(m_probe.visibleText(u"已有账号？返回登录"_s));
            break;
        case Layer::Alert:
            openPayment();
            m_app->navigator().notice(u"请输入户号"_s);
            QTRY_VERIFY(m_probe.visibleText(u"请输入户号"_s));
            break;
        case Layer::Progress:
            openPayment();
            m_app->navigator().showProgress(u"正在创建订单"_s);
            QTRY_VERIFY(m_probe.visibleText(u"正在创建订单"_s));
            break;
        case Layer::Agreement: {
            openPayment();
            auto *prompt = new LPWithholdAlertView(&m_app->navigator(), u"代扣协议正文"_s,
                                                   [this] { m_agreed = true; });
            prompt->show();
            QTRY_VERIFY(m_probe.visibleText(u"同意并缴费"_s));
            break;
        }
        case Layer::Loading:
            openPayment();
            typeAccountAndSearch(u"1000001"_s);
            QTRY_VERIFY(!m_probe.visibleNamed(u"loadingDot"_s).isEmpty());
            break;
        case Layer::Sheet:
            openPayment();
            putUpAgain(layer);
            break;
        case Layer::DatePicker:
            QVERIFY(m_app->skipSignIn());
            QTRY_VERIFY(m_probe.tapText(u"缴费记录"_s));
            QTRY_COMPARE(m_app->navigator().stack().size(), 2);
            m_records =
                qobject_cast<LPPayRecordViewController *>(m_app->navigator().stack().value(1));
            putUpAgain(layer);
            break;
        }
        QTest::qWait(350); // the opening animations
    }

    // The layers that close when their backdrop is tapped, opened again on the same screen.
    void putUpAgain(Layer layer)
    {
        if (layer == Layer::Sheet) {
            auto *sheet = new LPHongBaoView(&m_app->navigator(), QString(),
                                            [this](const QStringList &c) { m_chosen.append(c); });
            sheet->setDataSource({{u"HB1"_s, u"红包A"_s, u"5"_s, {}}});
            sheet->show();
            QTRY_COMPARE(m_probe.visibleNamed(u"hongBaoCard"_s).size(), 1);
        } else if (layer == Layer::DatePicker) {
            m_records->showSelectStartDatePicker();
            QTRY_VERIFY(pickerOpen());
        }
        QTest::qWait(350);
    }

    std::unique_ptr<AppWindowFixture> m_app;
    ViewProbe m_probe{nullptr};
    LPPayRecordViewController *m_records = nullptr;
    QList<QStringList> m_chosen;
    bool m_agreed = false;
};

QTEST_MAIN(TestHandsOn)
#include "tst_handson.moc"
