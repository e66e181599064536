// The payment screen and the arrears detail screen driven through their controllers: search,
// refusals, red packet choice, the pay action with its alerts, the order sent, the overlay,
// the wallet's answer, and the saved accounts under the field.
#include "BadReplies.h"
#include "FakeClock.h"
#include "FakeNavigator.h"
#include "FakeReachability.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "account/SignInSession.h"
#include "billing/LPPayDeatilViewController.h"
#include "billing/LPPayViewController.h"
#include "billing/LPWithholdAlertView.h"
#include "billing/PaymentResults.h"
#include "billing/SavedAccountSheet.h"
#include "billing/SavedAccounts.h"
#include "billing/ReceiptFolder.h"
#include "billing/ReceiptViewController.h"
#include "billing/WithholdingAgreement.h"
#include "platform/NotificationCenter.h"
#include "redpackets/LPHongBaoView.h"
#include "service/ServiceClient.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString bill(const QString &kind, const QString &amount, const QString &month, const QString &id)
{
    return u"<queryList><oweAmt>%2</oweAmt><rcvType>%1</rcvType><rcvblAmt>%2</rcvblAmt>"
           "<rcvblAmtId>%4</rcvblAmtId><rcvblPenAlty>0.00</rcvblPenAlty><rcvblYm>%3</rcvblYm>"
           "<rcvedAmt>0.00</rcvedAmt><tpq>1</tpq><mrId>M1</mrId><dueDate>20261130</dueDate>"
           "<cycle>1</cycle><remark>x</remark></queryList>"_s.arg(kind, amount, month, id);
}

/// Account 85.50 owed: water 12.30 + 7.70, electricity 65.50, one bill of an unknown kind.
QByteArray arrearsResult()
{
    return BadReplies::documentReply(
        u"queryExpense"_s,
        u"<queryOweAmtYxResponse><returnMsg>查询成功!</returnMsg><consName>李四</consName>"
        "<addr>青山区和平路12号院</addr><totalOweAmt>85.50</totalOweAmt>"
        "<totalPenAlty>1.2</totalPenAlty><queryList>"_s +
            bill(u"W"_s, u"12.30"_s, u"202610"_s, u"A1"_s) +
            bill(u"W"_s, u"7.70"_s, u"202611"_s, u"A2"_s) +
            bill(u"P"_s, u"65.50"_s, u"202611"_s, u"A3"_s) +
            bill(u"X"_s, u"3"_s, u"202611"_s, u"A4"_s) + u"</queryList></queryOweAmtYxResponse>"_s);
}

/// Packets of 5, 10 and more than the total: rows 1 to 3 of the sheet.
QByteArray redPackets()
{
    QString document = u"<info>"_s;
    const QStringList amounts{u"5.00"_s, u"10.00"_s, u"100"_s};
    for (qsizetype i = 0; i < amounts.size(); ++i)
        document += u"<hb><hbid>HB%1</hbid><hbmc>红包%1</hbmc><hbje>%2</hbje><yxrq>2027-06-30"
                    "</yxrq></hb>"_s.arg(i + 1)
                        .arg(amounts.at(i));
    return BadReplies::documentReply(u"queryHbxx"_s, document + u"</info>"_s);
}

QByteArray orderReply(const QString &info)
{
    return BadReplies::documentReply(u"createOrder"_s, info);
}

/// One field of the argument document inside a request body (escaped once more there).
QString argument(const QByteArray &body, const QString &name)
{
    const QRegularExpression pattern(u"&lt;%1&gt;(.*?)&lt;/%1&gt;"_s.arg(name));
    return pattern.match(QString::fromUtf8(body)).captured(1);
}

} // namespace

class TestPaymentScreens : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_navigator = std::make_unique<FakeNavigator>();
        m_transport = std::make_unique<FakeTransport>();
        m_client = std::make_unique<ServiceClient>(m_transport.get(), QUrl(u"http://svc.test/"_s));
        m_settings = {};
        m_settings.values.insert(u"UUID"_s, u"DEVICE-1"_s);
        m_reachability = {};
        m_session = std::make_unique<SignInSession>();
        m_session->signIn(u"13912345678"_s);
        m_wallet = {};
        m_results = std::make_unique<PaymentResults>();
        m_receipts.reset();
        m_clock = FakeClock();
    }

    void loadFillsTheFieldAndShowsOnlyTheTip()
    {
        m_settings.values.insert(u"userNumber"_s, u"1000009"_s);
        LPPayViewController *screen = openPayScreen();
        QCOMPARE(screen->title(), u"水电气缴费"_s);
        QVERIFY(screen->isShowWhiteBack());
        QCOMPARE(screen->seacrBar(), u"1000009"_s);
        QVERIFY(!screen->showsResult());
        QVERIFY(screen->tipLableVisible());
        QCOMPARE(screen->tipLableText(), u"暂无数据!"_s);
    }

    void resultShowsTheEightRows()
    {
        LPPayViewController *screen = openPayScreen();
        search(screen, u" 1000001"_s);
        QCOMPARE(m_settings.values.value(u"userNumber"_s), u" 1000001"_s);
        QCOMPARE(screen->loadingViews().size(), 1);
        m_transport->respond(0, arrearsResult());

        QCOMPARE(screen->infoB(),
                 (QStringList{u"李四"_s, u"青山区*2号院"_s, u"20.00元"_s, u"65.50元"_s, u"0.00元"_s,
                              u"1.20元"_s, u"不使用红包"_s, u"85.50元"_s}));
        QVERIFY(screen->showsResult());
        QVERIFY(!screen->tipLableVisible());
        QVERIFY(screen->loadingViews().isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("returnMsg");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("tip");

        QTest::newRow("no such user") << u"Tarvo无此用户，请检查输入用户号是否正确!"_s
                                      << u"Tarvo无此用户，请检查输入用户号是否正确!"_s
                                      << u"Tarvo无此用户，请检查输入用户号是否正确!"_s;
        QTest::newRow("owes nothing")
            << u"用户欠费数据为0!"_s << u"该用户欠费为0!"_s << u"用户欠费数据为0!"_s;
        QTest::newRow("no information")
            << u"Tarvo无欠费信息！"_s << u"Tarvo无欠费信息!"_s << u"Tarvo无欠费信息!"_s;
        QTest::newRow("no data") << QString() << u"网络状况不好，请重新搜索"_s
                                 << u"网络状况不好！"_s;
    }

    void refusals()
    {
        QFETCH(QString, returnMsg);
        QFETCH(QString, alert);
        QFETCH(QString, tip);
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->respond(0, arrearsResult());
        choosePacket(screen, 1);

        search(screen, u"1000002"_s);
        m_transport->respond(
            m_transport->requests().size() - 1,
            BadReplies::documentReply(u"queryExpense"_s,
                                      u"<queryOweAmtYxResponse><returnMsg>%1</returnMsg>"
                                      "</queryOweAmtYxResponse>"_s.arg(returnMsg)));

        QCOMPARE(m_navigator->lastAlert()->title, u"温馨提示"_s);
        QCOMPARE(m_navigator->lastAlert()->message, alert);
        QVERIFY(screen->tipLableVisible());
        QCOMPARE(screen->tipLableText(), tip);
        QVERIFY(screen->loadingViews().isEmpty());
        // The earlier result and its packet go, so nothing stale can be paid.
        QVERIFY(!screen->showsResult());
        QVERIFY(screen->hongbaoArray().isEmpty());
    }

    void noReplyEndsTheLoadingIndicator()
    {
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->fail(0);
        QVERIFY(screen->loadingViews().isEmpty());
        QCOMPARE(m_navigator->alertMessages(), QStringList{u"网络状况不好，请重新搜索"_s});
    }

    // The sums, the equal and larger packets are PaymentRows' tests; here the screen keeps,
    // replaces, refuses and drops a choice, and the order carries what is shown.
    void redPacketRules_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("redPacketRow");
        QTest::addColumn<QString>("amountDueRow");
        QTest::addColumn<QString>("hbid");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<QString>("spay");

        QTest::newRow("a second packet replaces the first")
            << QList<int>{1, 2} << u"红包2  10.00元"_s << u"75.50"_s << u"HB2"_s << 0 << u"7550"_s;
        QTest::newRow("a larger packet leaves the earlier choice")
            << QList<int>{1, 3} << u"红包1  5.00元"_s << u"80.50"_s << u"HB1"_s << 1 << u"8050"_s;
        QTest::newRow("no packet after a packet")
            << QList<int>{1, 0} << u"不使用红包"_s << u"85.50元"_s << QString() << 0 << u"8550"_s;
    }

    void redPacketRules()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QString, redPacketRow);
        QFETCH(QString, amountDueRow);
        QFETCH(QString, hbid);
        QFETCH(int, refusals);
        QFETCH(QString, spay);
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->respond(0, arrearsResult());

        for (int row : rows)
            choosePacket(screen, row);

        QCOMPARE(screen->infoB().at(6), redPacketRow);
        QCOMPARE(screen->infoB().at(7), amountDueRow);
        QCOMPARE(screen->hbid(), hbid);
        int messages = 0;
        for (const FakeNavigator::Call &call : std::as_const(m_navigator->calls)) {
            if (call.kind == u"message") {
                QCOMPARE(call.message, u"当前情况不能使用红包"_s);
                QCOMPARE(call.seconds, 1.5);
                ++messages;
            }
        }
        QCOMPARE(messages, refusals);

        const QByteArray order = payAndAccept(screen);
        QCOMPARE(argument(order, u"ypay"_s), u"8550"_s);
        QCOMPARE(argument(order, u"spay"_s), spay);
        QCOMPARE(argument(order, u"hbid"_s), hbid);
        QCOMPARE(argument(order, u"hbje"_s), screen->hongbaoArray().value(1));
    }

    void aNewSearchClearsThePacket()
    {
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->respond(0, arrearsResult());
        choosePacket(screen, 2);
        search(screen, u"1000001"_s);
        m_transport->respond(m_transport->requests().size() - 1, arrearsResult());
        QCOMPARE(screen->hbid(), QString());
        QCOMPARE(screen->infoB().at(6), u"不使用红包"_s);
        QCOMPARE(screen->infoB().at(7), u"85.50元"_s);
    }

    void redPacketRowNeedsNetworkAndSignIn_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("alert");

        QTest::newRow("no network") << false << true << u"网络异常!"_s;
        QTest::newRow("no sign-in") << true << false << u"请先登录后再使用红包"_s;
    }

    void redPacketRowNeedsNetworkAndSignIn()
    {
        QFETCH(bool, reachable);
        QFETCH(bool, signedIn);
        QFETCH(QString, alert);
        m_reachability.reachable = reachable;
        if (!signedIn)
            m_session = std::make_unique<SignInSession>();
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->respond(0, arrearsResult());

        screen->didSelectRow(6);
        QCOMPARE(m_navigator->alertMessages(), QStringList{alert});
        QCOMPARE(m_transport->requests().size(), 1);
        QVERIFY(screen->mainTableViewEnabled());
    }

    void listTakesTouchesAgainWhenNoPacketCame()
    {
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->respond(0, arrearsResult());
        screen->didSelectRow(6);
        QVERIFY(!screen->mainTableViewEnabled());
        m_transport->respond(1, BadReplies::documentReply(u"queryHbxx"_s, u"<info></info>"_s));
        QTRY_VERIFY(screen->mainTableViewEnabled());
        QVERIFY(m_navigator->modals.isEmpty());
    }

    void walletAlerts_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("supportsApi");
        QTest::addColumn<QString>("alert");

        QTest::newRow("not installed")
            << false << true << u"你的手机没有安装微信,请下载微信后使用微信支付!"_s;
        QTest::newRow("no API") << true << false << u"你的微信不支持微信支付"_s;
    }

    void walletAlerts()
    {
        QFETCH(bool, installed);
        QFETCH(bool, supportsApi);
        QFETCH(QString, alert);
        m_wallet.installed = installed;
        m_wallet.supportsApi = supportsApi;
        for (ViewController *screen :
             std::initializer_list<ViewController *>{searchedPayScreen(), openDetailScreen()}) {
            m_navigator->calls.clear();
            QMetaObject::invokeMethod(screen, "pay");
            QCOMPARE(m_navigator->kinds(), QStringList{u"alert"_s});
            QCOMPARE(m_navigator->lastAlert()->message, alert);
        }
    }

    void decliningTheAgreementChangesNothing()
    {
        LPPayViewController *screen = searchedPayScreen();
        for (int time = 0; time < 2; ++time) {
            m_navigator->calls.clear();
            screen->pay();
            auto *prompt = qobject_cast<LPWithholdAlertView *>(m_navigator->modals.value(0));
            QVERIFY(prompt);
            QVERIFY(prompt->protocolStr().startsWith(u"《代扣服务协议》"_s));
            prompt->backClick();
            QCOMPARE(m_navigator->kinds(), (QStringList{u"present"_s, u"dismiss"_s}));
        }
        QCOMPARE(m_transport->requests().size(), 1);
    }

    // The prompt shows one unbroken paragraph under its title, naming both payment services.
    void agreementIsOneParagraph()
    {
        const QString text = WithholdingAgreement::text();
        QVERIFY(text.startsWith(u"《代扣服务协议》"_s));
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
        QVERIFY2(text.size() >= 1700 && text.size() <= 2100,
                 qPrintable(QString::number(text.size())));
        QVERIFY(text.contains(u"微信支付"_s) && text.contains(u"支付宝"_s));
    }

    void detailOrderPaysEveryBillWithoutPacket()
    {
        LPPayDeatilViewController *detail = openDetailScreen();
        QCOMPARE(detail->title(), u"欠费明细"_s);
        QCOMPARE(detail->rows().size(), 4);
        QCOMPARE(detail->rows().at(2).toMap().value(u"type"_s), u"电费"_s);
        QCOMPARE(detail->rows().at(3).toMap().value(u"type"_s), u"气费"_s);
        QVERIFY(detail->footerVisible());

        const QByteArray order = payAndAccept(detail);
        QCOMPARE(argument(order, u"userbh"_s), u"1000001"_s);
        QCOMPARE(argument(order, u"uuid"_s), u"DEVICE-1"_s);
        QCOMPARE(argument(order, u"rcvblAmtId"_s), u"202610:A1|202611:A2|202611:A3|202611:A4|"_s);
        QCOMPARE(argument(order, u"ypay"_s), u"8550"_s);
        QCOMPARE(argument(order, u"spay"_s), u"8550"_s);
        QCOMPARE(argument(order, u"hbid"_s), QString());
        QCOMPARE(argument(order, u"hbje"_s), QString());
    }

    void detailWithoutBillsShowsTheTip()
    {
        auto *detail =
            new LPPayDeatilViewController(m_navigator.get(), services(), {}, {}, u"1000001"_s);
        detail->viewDidLoad();
        QVERIFY(!detail->footerVisible());
        QVERIFY(detail->tipLableVisible());
        delete detail;
    }

    void orderIsForTheAccountOnScreen_data()
    {
        QTest::addColumn<QByteArray>("action"); // pay or detail
        QTest::addColumn<QString>("fieldAtTap");
        QTest::addColumn<QString>("fieldAtAccept");
        QTest::addColumn<QString>("userbh"); // empty: no order, the field's account searched

        QTest::newRow("pay, field as searched")
            << "pay"_ba << u"1000001"_s << u"1000001"_s << u"1000001"_s;
        QTest::newRow("pay, field edited after the search")
            << "pay"_ba << u"1000003"_s << u"1000003"_s << QString();
        QTest::newRow("pay, a blank added after the search")
            << "pay"_ba << u"1000001 "_s << u"1000001 "_s << QString();
        QTest::newRow("pay, field edited under the agreement")
            << "pay"_ba << u"1000001"_s << u"1000003"_s << u"1000001"_s;
        QTest::newRow("detail, field edited after the search")
            << "detail"_ba << u"1000003"_s << u"1000003"_s << QString();
        QTest::newRow("detail, field edited under the agreement")
            << "detail"_ba << u"1000001"_s << u"1000003"_s << u"1000001"_s;
    }

    void orderIsForTheAccountOnScreen()
    {
        QFETCH(QByteArray, action);
        QFETCH(QString, fieldAtTap);
        QFETCH(QString, fieldAtAccept);
        QFETCH(QString, userbh);
        LPPayViewController *screen = searchedPayScreen();
        const qsizetype sent = m_transport->requests().size();
        screen->setSeacrBar(fieldAtTap);

        ViewController *payingScreen = screen;
        if (action == "detail") {
            screen->detail();
            if (!userbh.isEmpty()) {
                payingScreen = m_navigator->stack.last();
                QCOMPARE(qobject_cast<LPPayDeatilViewController *>(payingScreen)->userID(), userbh);
            }
        }
        if (userbh.isEmpty()) {
            if (action == "pay")
                screen->pay();
            // Said, and the field's account searched instead of paying either.
            QCOMPARE(m_navigator->stack.size(), 1);
            QVERIFY(m_navigator->modals.isEmpty());
            QCOMPARE(m_navigator->alertMessages(),
                     QStringList{u"户号已修改，已为您重新查询，请核对后再缴费"_s});
            QCOMPARE(m_transport->requests().size(), sent + 1);
            QCOMPARE(argument(m_transport->lastRequest().body, u"queryValue"_s), fieldAtTap);
            return;
        }
        QMetaObject::invokeMethod(payingScreen, "pay");
        auto *prompt = qobject_cast<LPWithholdAlertView *>(m_navigator->modals.value(0));
        QVERIFY(prompt);
        screen->setSeacrBar(fieldAtAccept);
        prompt->agreenClick();
        QCOMPARE(m_transport->requests().size(), sent + 1);
        const QByteArray order = m_transport->lastRequest().body;
        QCOMPARE(argument(order, u"userbh"_s), userbh);
        QCOMPARE(argument(order, u"uuid"_s), u"DEVICE-1"_s);
        QCOMPARE(argument(order, u"drives"_s), u"IOS1"_s);
    }

    // XML cannot carry them at all: the customer is told about the field, not the network.
    void controlCharactersInTheAccountAreRefusedBeforeSending_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("search") << u"search"_s;
        QTest::newRow("pay screen order") << u"pay"_s;
        QTest::newRow("detail screen order") << u"detail"_s;
    }

    void controlCharactersInTheAccountAreRefusedBeforeSending()
    {
        QFETCH(QString, step);
        const QString account = u"1000\u0001001"_s;
        LPPayViewController *screen = searchedPayScreen();
        const qsizetype sent = m_transport->requests().size();
        m_navigator->calls.clear();
        if (step == u"search") {
            search(screen, account);
            QVERIFY(screen->loadingViews().isEmpty());
        } else if (step == u"pay") {
            screen->setSeacrBar(account);
            payAndAccept(screen);
        } else {
            screen->setSeacrBar(account);
            screen->detail();
            payAndAccept(m_navigator->stack.last());
        }
        QCOMPARE(m_transport->requests().size(), sent);
        QVERIFY(!m_navigator->kinds().contains(u"showProgress"_s));
        // An edited field is first searched again (and said so); the search refuses it too.
        QVERIFY(
            m_navigator->alertMessages().contains(u"户号中含有无法识别的字符，请检查后重新输入"_s));
    }

    void overlayClosesOnEveryEnding_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("alert");

        QTest::newRow("handed to the wallet")
            << orderReply(u"<info><prepay_id>wx201</prepay_id></info>"_s) << QString();
        QTest::newRow("no prepay id") << orderReply(u"<info><resultCode>0</resultCode></info>"_s)
                                      << u"订单创建失败，请稍后再试"_s;
        QTest::newRow("refused with a reason")
            << orderReply(u"<info><resultCode>0</resultCode><resultMsg>账单已缴清</resultMsg>"
                          u"</info>"_s)
            << u"订单创建失败：账单已缴清"_s;
        QTest::newRow("no reply") << QByteArray() << u"网络异常!"_s;
    }

    void overlayClosesOnEveryEnding()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, alert);
        LPPayViewController *screen = searchedPayScreen();
        payAndAccept(screen);
        const qsizetype shown = m_navigator->kinds().indexOf(u"showProgress"_s);
        QVERIFY(shown >= 0);
        QCOMPARE(m_navigator->calls.at(shown).message, u"正在创建订单"_s);

        const qsizetype order = m_transport->requests().size() - 1;
        if (reply.isEmpty())
            m_transport->fail(order);
        else
            m_transport->respond(order, reply);

        QVERIFY(m_navigator->kinds().contains(u"hideProgress"_s));
        QCOMPARE(m_navigator->kinds().lastIndexOf(u"showProgress"_s),
                 m_navigator->kinds().indexOf(u"showProgress"_s));
        QCOMPARE(m_wallet.requests.size(), alert.isEmpty() ? 1 : 0);
        if (!alert.isEmpty())
            QCOMPARE(m_navigator->lastAlert()->message, alert);

        // Only a payment handed to the wallet waits for its answer.
        m_navigator->calls.clear();
        m_results->report(0);
        QCOMPARE(m_navigator->alertMessages().size(), alert.isEmpty() ? 1 : 0);
    }

    void walletAnswer_data()
    {
        QTest::addColumn<int>("errCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("queriesAgain");

        QTest::newRow("paid") << 0 << u"支付成功!"_s << true;
        QTest::newRow("cancelled") << -2 << u"您已取消支付"_s << false;
        QTest::newRow("failed") << -1 << u"支付失败，请稍后再试"_s << false;
    }

    void walletAnswer()
    {
        QFETCH(int, errCode);
        QFETCH(QString, message);
        QFETCH(bool, queriesAgain);
        LPPayViewController *screen = searchedPayScreen();
        LPPayViewController *other = openPayScreen();
        payAndAccept(screen);
        m_transport->respond(m_transport->requests().size() - 1,
                             orderReply(u"<info><prepay_id>wx201</prepay_id></info>"_s));
        screen->setSeacrBar(u"1000002"_s);
        m_navigator->calls.clear();

        m_results->report(errCode);
        QCOMPARE(m_navigator->kinds(), QStringList{u"alert"_s});
        QCOMPARE(m_navigator->lastAlert()->title, u"支付结果"_s);
        QCOMPARE(m_navigator->lastAlert()->message, message);
        const qsizetype sent = m_transport->requests().size();
        m_navigator->press(u"确定"_s);

        // The paid account is looked at again, whatever the field holds by now.
        QCOMPARE(m_transport->requests().size(), sent + (queriesAgain ? 1 : 0));
        if (queriesAgain) {
            QCOMPARE(screen->seacrBar(), u"1000001"_s);
            QVERIFY(m_transport->lastRequest().body.contains("1000001"));
        }
        // An answer comes once; the other screen never paid.
        m_navigator->calls.clear();
        m_results->report(errCode);
        QVERIFY(m_navigator->calls.isEmpty());
        QVERIFY(other->loadingViews().isEmpty());
    }

    void successOnTheDetailScreenReturnsAndLooksAgain()
    {
        LPPayViewController *screen = searchedPayScreen();
        screen->detail();
        auto *detail = qobject_cast<LPPayDeatilViewController *>(m_navigator->stack.last());
        QVERIFY(detail);
        payAndAccept(detail);
        m_transport->respond(m_transport->requests().size() - 1,
                             orderReply(u"<info><prepay_id>wx201</prepay_id></info>"_s));
        m_results->report(0);
        QCOMPARE(m_navigator->alertMessages().size(), 1);
        const qsizetype sent = m_transport->requests().size();
        m_navigator->press(u"确定"_s);
        QCOMPARE(m_navigator->stack.last(), screen);
        QCOMPARE(m_transport->requests().size(), sent + 1);
        QCOMPARE(screen->loadingViews().size(), 1);
    }

    void savedAccountsAreListedAndSearchedWithOneTap()
    {
        SavedAccounts saved(&m_settings);
        saved.save(u"1000002"_s, u"父母家"_s);
        saved.save(u"1000001"_s, u"家"_s);
        LPPayViewController *screen = openPayScreen();
        QCOMPARE(
            screen->savedAccounts(),
            (QVariantList{QVariantMap{{u"account"_s, u"1000001"_s}, {u"label"_s, u"家"_s}},
                          QVariantMap{{u"account"_s, u"1000002"_s}, {u"label"_s, u"父母家"_s}}}));
        QSignalSpy changed(screen, &LPPayViewController::savedAccountsChanged);

        screen->searchSaved(u"1000002"_s);
        QCOMPARE(screen->seacrBar(), u"1000002"_s);
        QCOMPARE(m_settings.values.value(u"userNumber"_s), u"1000002"_s);
        QVERIFY(m_transport->lastRequest().body.contains("1000002"));
        // Searching moves it to the front, and the strip hears of it.
        QCOMPARE(saved.list().first().account, u"1000002"_s);
        QVERIFY(!changed.isEmpty());
        // A saved account's result offers no saving.
        m_transport->respond(0, arrearsResult());
        QVERIFY(screen->showsResult());
        QVERIFY(!screen->canSaveResult());
    }

    void savingTheResultUnderALabel()
    {
        LPPayViewController *screen = searchedPayScreen();
        QVERIFY(screen->canSaveResult());
        // The field edited after the search: it is the result's account that is saved.
        screen->setSeacrBar(u"100000"_s);
        screen->saveResult();
        auto *sheet = qobject_cast<SavedAccountSheet *>(m_navigator->modals.value(0));
        QVERIFY(sheet);
        QCOMPARE(sheet->account(), u"1000001"_s);
        QVERIFY(!sheet->isSaved());
        QCOMPARE(sheet->title(), u"保存为常用户号"_s);

        sheet->setLabel(u"  "_s);
        sheet->save();
        QCOMPARE(sheet->refusal(), u"请输入备注名，例如“家”"_s);
        QCOMPARE(m_navigator->modals.size(), 1);
        // Editing the label clears the refusal.
        sheet->setLabel(u"家"_s);
        QVERIFY(sheet->refusal().isEmpty());
        QSignalSpy changed(screen, &LPPayViewController::savedAccountsChanged);
        sheet->save();
        QVERIFY(m_navigator->modals.isEmpty());
        QCOMPARE(changed.size(), 1);
        QVERIFY(!screen->canSaveResult());
        QCOMPARE(SavedAccounts(&m_settings).list(), (QList<SavedAccount>{{u"1000001"_s, u"家"_s}}));
    }

    void renamingAndRemovingASavedAccount()
    {
        SavedAccounts saved(&m_settings);
        saved.save(u"1000001"_s, u"家"_s);
        saved.save(u"1000002"_s, u"店"_s);
        LPPayViewController *screen = openPayScreen();
        // Only a saved account opens the sheet.
        screen->editSaved(u"1000009"_s);
        QVERIFY(m_navigator->modals.isEmpty());

        screen->editSaved(u"1000001"_s);
        auto *sheet = qobject_cast<SavedAccountSheet *>(m_navigator->modals.value(0));
        QVERIFY(sheet && sheet->isSaved());
        QCOMPARE(sheet->label(), u"家"_s);
        QCOMPARE(sheet->title(), u"修改常用户号"_s);
        sheet->setLabel(u"老家"_s);
        sheet->save();
        // Renamed in place: it was not used.
        QCOMPARE(saved.list(),
                 (QList<SavedAccount>{{u"1000002"_s, u"店"_s}, {u"1000001"_s, u"老家"_s}}));

        screen->editSaved(u"1000002"_s);
        sheet = qobject_cast<SavedAccountSheet *>(m_navigator->modals.value(0));
        QVERIFY(sheet);
        sheet->remove();
        QVERIFY(m_navigator->modals.isEmpty());
        QCOMPARE(screen->savedAccounts().size(), 1);
        // Cancelling changes nothing.
        screen->editSaved(u"1000001"_s);
        sheet = qobject_cast<SavedAccountSheet *>(m_navigator->modals.value(0));
        QVERIFY(sheet);
        sheet->setLabel(u"别处"_s);
        sheet->cancel();
        QCOMPARE(saved.find(u"1000001"_s)->label, u"老家"_s);
    }

    void offerToSaveAfterPayment_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<int>("errCode");
        QTest::addColumn<bool>("owesNothingNow");
        QTest::addColumn<bool>("offered");

        QTest::newRow("paid, owes nothing now") << false << 0 << true << true;
        QTest::newRow("paid, still owes") << false << 0 << false << true;
        QTest::newRow("paid, saved already") << true << 0 << true << false;
        QTest::newRow("cancelled") << false << -2 << true << false;
        QTest::newRow("failed") << false << -1 << true << false;
    }

    void offerToSaveAfterPayment()
    {
        QFETCH(bool, savedBefore);
        QFETCH(int, errCode);
        QFETCH(bool, owesNothingNow);
        QFETCH(bool, offered);
        SavedAccounts saved(&m_settings);
        if (savedBefore)
            saved.save(u"1000001"_s, u"家"_s);
        saved.save(u"1000002"_s, u"店"_s);
        LPPayViewController *screen = searchedPayScreen();
        // The search moved a saved account up; the other one was used last.
        saved.use(u"1000002"_s);
        payAndAccept(screen);
        m_transport->respond(m_transport->requests().size() - 1,
                             orderReply(u"<info><prepay_id>wx201</prepay_id></info>"_s));
        m_results->report(errCode);
        m_navigator->press(u"确定"_s);
        // Paying a saved account moves it to the front.
        QCOMPARE(saved.list().first().account,
                 savedBefore && errCode == 0 ? u"1000001"_s : u"1000002"_s);
        if (errCode == 0) {
            // What the account owes now comes first; the offer follows once it has been read.
            QCOMPARE(m_navigator->lastAlert()->title, u"支付结果"_s);
            m_transport->respond(m_transport->requests().size() - 1,
                                 owesNothingNow
                                     ? BadReplies::documentReply(
                                           u"queryExpense"_s,
                                           u"<queryOweAmtYxResponse><returnMsg>用户欠费数据为0!"
                                           "</returnMsg></queryOweAmtYxResponse>"_s)
                                     : arrearsResult());
            if (owesNothingNow) {
                QCOMPARE(m_navigator->lastAlert()->message, u"该用户欠费为0!"_s);
                m_navigator->press(u"确定"_s);
            }
        }

        const Call *offer = m_navigator->lastAlert();
        QCOMPARE(offer && offer->title == u"保存常用户号"_s, offered);
        if (!offered)
            return;
        QVERIFY(offer->message.contains(u"1000001"_s));
        QCOMPARE(offer->buttonTitles(), (QStringList{u"暂不保存"_s, u"保存"_s}));
        m_navigator->press(u"保存"_s);
        auto *sheet = qobject_cast<SavedAccountSheet *>(m_navigator->modals.value(0));
        QVERIFY(sheet);
        QCOMPARE(sheet->account(), u"1000001"_s);
        // Offered once: a later search offers nothing.
        sheet->cancel();
        const qsizetype alerts = m_navigator->alertMessages().size();
        search(screen, u"1000001"_s);
        m_transport->respond(m_transport->requests().size() - 1, arrearsResult());
        QCOMPARE(m_navigator->alertMessages().size(), alerts);
    }

    void onlyASuccessfulPaymentKeepsAReceipt_data()
    {
        QTest::addColumn<int>("errCode");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("paid") << 0 << QStringList{u"确定"_s, u"查看凭证"_s};
        QTest::newRow("cancelled") << -2 << QStringList{u"确定"_s};
        QTest::newRow("failed") << -1 << QStringList{u"确定"_s};
    }
    void onlyASuccessfulPaymentKeepsAReceipt()
    {
        QFETCH(int, errCode);
        QFETCH(QStringList, buttons);
        QTemporaryDir folder;
        m_receipts = std::make_unique<ReceiptFolder>(folder.path(), nullptr);
        m_clock.now = QDateTime(QDate(2026, 12, 7), QTime(18, 45, 12)).toSecsSinceEpoch();
        LPPayViewController *screen = searchedPayScreen();
        choosePacket(screen, 1);
        payAndAccept(screen);
        m_transport->respond(m_transport->requests().size() - 1,
                             orderReply(u"<info><prepay_id>wx201</prepay_id></info>"_s));
        m_results->report(errCode);

        QCOMPARE(m_navigator->lastAlert()->buttonTitles(), buttons);
        const QList<KeptReceipt> kept = m_receipts->list();
        QCOMPARE(kept.size(), errCode == 0 ? 1 : 0);
        if (errCode != 0)
            return;
        const Receipt &receipt = kept.constFirst().receipt;
        QCOMPARE(receipt.account, u"1000001"_s);
        QCOMPARE(receipt.prepayId, u"wx201"_s);
        QCOMPARE(receipt.orderTime, QDateTime(QDate(2026, 12, 7), QTime(18, 45, 12)));
        QCOMPARE(receipt.totalFen, 8550);
        QCOMPARE(receipt.redPacketName, u"红包1"_s);
        QCOMPARE(receipt.paidFen, 8050);
        QCOMPARE(receipt.bills.size(), 4);
    }

    void theAccountIsLookedAtAgainOnceTheReceiptCloses()
    {
        QTemporaryDir folder;
        m_receipts = std::make_unique<ReceiptFolder>(folder.path(), nullptr);
        LPPayViewController *screen = searchedPayScreen();
        payAndAccept(screen);
        m_transport->respond(m_transport->requests().size() - 1,
                             orderReply(u"<info><prepay_id>wx201</prepay_id></info>"_s));
        m_results->report(0);
        const qsizetype sent = m_transport->requests().size();
        m_navigator->press(u"查看凭证"_s);

        auto *receipt = qobject_cast<ReceiptViewController *>(m_navigator->stack.last());
        QVERIFY(receipt);
        QCOMPARE(receipt->pdfPath(), m_receipts->list().value(0).pdfPath);
        // Its answer would pop up over the receipt: the look again waits.
        QCOMPARE(m_transport->requests().size(), sent);
        delete receipt; // the customer went back: its page has gone
        QCOMPARE(m_transport->requests().size(), sent + 1);
        QVERIFY(m_transport->lastRequest().body.contains("1000001"));
        QCOMPARE(screen->loadingViews().size(), 1);
    }

private:
    using Call = FakeNavigator::Call;

    ScreenServices services()
    {
        ScreenServices services;
        services.account = {&m_reachability, m_client.get(), &m_settings, nullptr, m_session.get()};
        services.notifications = &m_notifications;
        services.wallet = &m_wallet;
        services.clock = &m_clock;
        services.paymentResults = m_results.get();
        services.receipts = m_receipts.get();
        return services;
    }

    LPPayViewController *openPayScreen()
    {
        auto *screen = new LPPayViewController(m_navigator.get(), services());
        m_navigator->push(screen, false);
        screen->viewDidLoad();
        return screen;
    }

    void search(LPPayViewController *screen, const QString &account)
    {
        screen->setSeacrBar(account);
        screen->seacr();
    }

    LPPayViewController *searchedPayScreen()
    {
        LPPayViewController *screen = openPayScreen();
        search(screen, u"1000001"_s);
        m_transport->respond(m_transport->requests().size() - 1, arrearsResult());
        return screen;
    }

    LPPayDeatilViewController *openDetailScreen()
    {
        LPPayViewController *screen = searchedPayScreen();
        screen->detail();
        auto *detail = qobject_cast<LPPayDeatilViewController *>(m_navigator->stack.last());
        detail->viewDidLoad();
        return detail;
    }

    /// Taps the red packet row and picks `row` of the sheet (0 is "不使用红包").
    void choosePacket(LPPayViewController *screen, int row)
    {
        screen->didSelectRow(6);
        m_transport->respond(m_transport->requests().size() - 1, redPackets());
        auto *sheet = qobject_cast<LPHongBaoView *>(m_navigator->modals.value(0));
        QVERIFY(sheet);
        sheet->chooseRow(row);
        sheet->dismiss();
    }

    /// Pays, accepts the agreement, and returns the createOrder request it sent.
    QByteArray payAndAccept(ViewController *screen)
    {
        QMetaObject::invokeMethod(screen, "pay");
        auto *prompt = qobject_cast<LPWithholdAlertView *>(m_navigator->modals.value(0));
        if (!prompt)
            return {};
        prompt->agreenClick();
        return m_transport->lastRequest().body;
    }

    std::unique_ptr<FakeNavigator> m_navigator;
    std::unique_ptr<FakeTransport> m_transport;
    std::unique_ptr<ServiceClient> m_client;
    std::unique_ptr<ReceiptFolder> m_receipts;
    FakeSettingsStore m_settings;
    FakeReachability m_reachability;
    std::unique_ptr<SignInSession> m_session;
    NotificationCenter m_notifications;
    FakeWalletSdk m_wallet;
    FakeClock m_clock;
    std::unique_ptr<PaymentResults> m_results;
};

// Receipts are drawn with fonts: a GUI application.
QTEST_MAIN(TestPaymentScreens)
#include "tst_paymentscreens.moc"
