// What each sender does with replies that are broken, hostile or of an unexpected shape:
// a defined message or notification, or nothing, never a crash and never a wait.
#include "AccountFixture.h"
#include "BadReplies.h"
#include "FakeLocalNotifications.h"
#include "FakeWalletSdk.h"
#include "TestData.h"
#include "account/RegisterViewController.h"
#include "account/SignViewController.h"
#include "billing/ArrearsReply.h"
#include "billing/LPPayInfoTool.h"
#include "platform/NotificationCenter.h"
#include "records/PayRecordReply.h"
#include "redpackets/RedPacketReply.h"
#include "shell/AppDelegate.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QUrl serviceUrl(u"http://service.test/trvo/ws/appService"_s);

/// Every bad reply of the operation, expecting `outcome`, then the rows of odd shapes.
template<typename Outcome>
void addRows(ServiceOperation operation, const Outcome &outcome,
             const QList<std::pair<const char *, std::pair<QString, Outcome>>> &shapes = {})
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Outcome>("expected");
    for (const BadReplies::Case &bad : BadReplies::forOperation(operation))
        QTest::newRow(bad.name.constData()) << bad.body << outcome;
    const QString name = operationInfo(operation).name;
    for (const auto &[row, shape] : shapes)
        QTest::newRow(row) << BadReplies::documentReply(name, shape.first) << shape.second;
}

/// A bill entry with `fields` of its 12 fields; the reply wraps the entries in a list element.
QString bill(int fields)
{
    static const QStringList names{u"oweAmt"_s,       u"rcvType"_s, u"rcvblAmt"_s, u"rcvblAmtId"_s,
                                   u"rcvblPenAlty"_s, u"rcvblYm"_s, u"rcvedAmt"_s, u"tpq"_s,
                                   u"mrId"_s,         u"dueDate"_s, u"cycle"_s,    u"remark"_s};
    QString entry;
    for (int i = 0; i < fields; ++i)
        entry += u"<%1>1</%1>"_s.arg(names[i]);
    return u"<queryList>"_s + entry + u"</queryList>"_s;
}

QString bills(const QString &entries)
{
    return u"<queryList>"_s + entries + u"</queryList>"_s;
}

QString expense(const QString &inside)
{
    return u"<queryOweAmtYxResponse>"_s + inside + u"</queryOweAmtYxResponse>"_s;
}

} // namespace

/// The arrears query's notification (empty for a result) and the bills of a result.
using ArrearsOutcome = std::pair<QString, int>;
/// The record reply: whether "no records" is said, and how many rows the list gets.
using RecordsOutcome = std::pair<bool, int>;

Q_DECLARE_METATYPE(ArrearsOutcome)
Q_DECLARE_METATYPE(RecordsOutcome)

class TestBadReplies : public QObject
{
    Q_OBJECT

private slots:
    void arrearsQuery_data()
    {
        const QString ok = u"<returnMsg>查询成功!</returnMsg>"_s;
        addRows<ArrearsOutcome>(
            ServiceOperation::queryExpense, {ArrearsReply::noData, 0},
            {{"message twice", {expense(ok + ok), {ArrearsReply::noData, 0}}},
             {"bills as one element", {expense(ok + bills(bill(12))), {QString(), 1}}},
             {"bills as a list", {expense(ok + bills(bill(12) + bill(12))), {QString(), 2}}},
             {"bill lists twice", {expense(ok + bills(bill(12)) + bills({})), {QString(), 0}}},
             {"a name given twice",
              {expense(ok + u"<consName>A</consName><consName>B</consName>"_s), {QString(), 0}}},
             {"bill cut short", {expense(ok + bills(bill(5))), {QString(), 0}}}});
    }

    void arrearsQuery()
    {
        QFETCH(QByteArray, body);
        QFETCH(ArrearsOutcome, expected);
        FakeTransport transport;
        ServiceClient client(&transport, serviceUrl);
        NotificationCenter center;
        QSignalSpy posted(&center, &NotificationCenter::posted);
        QObject screen;
        QList<PayModel> results;
        new LPPayInfoTool(
            &client, &center, u"1000001"_s,
            [&results](const PayModel &model) { results.append(model); }, &screen);
        transport.respond(0, body);

        // Exactly one outcome: a result, or one notification that ends the screen's wait.
        const auto &[notification, records] = expected;
        QCOMPARE(results.size() + posted.size(), 1);
        if (notification.isEmpty()) {
            QCOMPARE(results.first().queryList.size(), records);
        } else {
            QCOMPARE(posted.first().first().toString(), notification);
        }
    }

    void recordReply_data()
    {
        const auto entry = [](const QString &inside) {
            return u"<queryList>"_s + inside + u"</queryList>"_s;
        };
        const QString one = entry(u"<userbh>1000001</userbh><jfrq>2025-01-02</jfrq>"_s);
        addRows<RecordsOutcome>(
            ServiceOperation::queryPayList, {false, 0},
            {{"one record as an element", {u"<info>"_s + one + u"</info>"_s, {false, 1}}},
             {"records as a list", {u"<info>"_s + one + one + one + u"</info>"_s, {false, 3}}},
             {"result code twice",
              {u"<info><resultCode>0</resultCode><resultCode>0</resultCode></info>"_s, {false, 0}}},
             {"field twice",
              {u"<info>"_s + entry(u"<jfje>1</jfje><jfje>2</jfje>"_s) + u"</info>"_s, {false, 1}}},
             {"text where records go", {u"<info><queryList>x</queryList></info>"_s, {false, 1}}}});
    }

    void recordReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(RecordsOutcome, expected);
        const PayRecordOutcome outcome = PayRecordReply::read(
            ServiceReply::unwrap(ServiceOperation::queryPayList, body).replyDocument);
        QCOMPARE(outcome.noRecords, expected.first);
        QCOMPARE(outcome.records.size(), expected.second);
    }

    void redPacketReply_data()
    {
        const QString packet = u"<hb><hbid>HB1</hbid><hbje>5.00</hbje></hb>"_s;
        addRows<int>(
            ServiceOperation::queryHbxx, 0,
            {{"one packet", {u"<info>"_s + packet + u"</info>"_s, 1}},
             {"packets as a list", {u"<info>"_s + packet + packet + u"</info>"_s, 2}},
             {"amount twice", {u"<info><hb><hbje>1</hbje><hbje>2</hbje></hb></info>"_s, 1}},
             {"text only", {u"<info>no packets</info>"_s, 0}}});
    }

    void redPacketReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, expected);
        QCOMPARE(RedPacketReply::records(
                     ServiceReply::unwrap(ServiceOperation::queryHbxx, body).replyDocument)
                     .size(),
                 expected);
    }

    // Indented documents with attributes, as a service may well write them: white space and
    // attributes are no records and no fields.
    void realShapedLists()
    {
        const auto read = [](const QString &file) {
            return TestData::file(u"service/"_s + file);
        };
        const QList<RedPacketRecord> packets = RedPacketReply::records(
            ServiceReply::unwrap(ServiceOperation::queryHbxx, read(u"hongbao-indented.xml"_s))
                .replyDocument);
        QCOMPARE(packets.size(), 2);
        QCOMPARE(packets[1].hbid, u"HB000002"_s);
        QCOMPARE(packets[1].hbmc, u"缴费红包"_s);
        QCOMPARE(packets[1].hbje, u"2.5"_s);

        const PayRecordOutcome records = PayRecordReply::read(
            ServiceReply::unwrap(ServiceOperation::queryPayList, read(u"paylist-indented.xml"_s))
                .replyDocument);
        QVERIFY(!records.noRecords);
        QCOMPARE(records.records.size(), 2);
        QCOMPARE(records.records[0].userbh, u"1000001"_s);
        QCOMPARE(records.records[1].jfje, u"12.00"_s);
    }

    void signInReply_data() { addRows<bool>(ServiceOperation::checkUser, false); }

    void signInReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, expected);
        AccountFixture account;
        SignViewController screen(&account.navigator, account.services());
        account.navigator.present(&screen, false);
        screen.setParent(nullptr);
        screen.setAccountText(u"13912345678"_s);
        screen.setPassWordText(u"123456"_s);
        screen.loginBtn();
        account.transport.respond(0, body);

        // Not signed in, nothing said, nothing stored: the customer can simply try again.
        QCOMPARE(account.session.account().has_value(), expected);
        QCOMPARE(account.navigator.modals.size(), 1);
        QVERIFY(account.navigator.alertMessages().isEmpty());
        QCOMPARE(account.secureStore.writes, 0);
    }

    void registrationReply_data()
    {
        addRows<bool>(ServiceOperation::registerUser, false,
                      {{"flag twice", {u"<info><flag>1</flag><flag>1</flag></info>"_s, false}},
                       {"flag holding elements", {u"<info><flag><a>1</a></flag></info>"_s, false}},
                       {"hb as a list", {u"<info><flag>1</flag><hb/><hb/></info>"_s, true}}});
    }

    void registrationReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, expected);
        AccountFixture account;
        auto *screen = new RegisterViewController(&account.navigator, account.services());
        account.navigator.present(screen, true);
        screen->setAccountText(u"15012345678"_s);
        screen->setPassWordText(u"abc"_s);
        screen->registerBtn();
        account.transport.respond(0, body);
        QCOMPARE(account.navigator.alertMessages().size(), expected ? 1 : 0);
    }

    void messagePollReply_data()
    {
        const QString message = u"<queryList><titles>T</titles><contexts>C</contexts><msgid>7"
                                u"</msgid></queryList>"_s;
        // Messages with neither title nor text are not notified.
        addRows<int>(
            ServiceOperation::backMessage, 0,
            {{"one message", {u"<info>"_s + message + u"</info>"_s, 1}},
             {"messages as a list", {u"<info>"_s + message + message + u"</info>"_s, 2}},
             {"other element names",
              {u"<info><queryList><title>T</title><content>C</content></queryList></info>"_s, 0}},
             {"text where messages go", {u"<info><queryList>x</queryList></info>"_s, 0}},
             {"id twice",
              {u"<info><queryList><msgid>1</msgid><msgid>2</msgid></queryList></info>"_s, 0}}});
    }

    void messagePollReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, expected);
        FakeSettingsStore settings;
        FakeSecureStore secureStore;
        FakeTransport transport;
        ServiceClient service(&transport, serviceUrl);
        FakeWalletSdk wallet;
        FakeLocalNotifications notifications;
        AppDelegate delegate(&settings, &secureStore, &service, &wallet, &notifications);
        delegate.didFinishLaunchingWithOptions();
        delegate.applicationDidEnterBackground();
        transport.respond(transport.requests().size() - 1, body);

        QCOMPARE(notifications.scheduled.size(), expected);
        // The next poll is sent as usual, whatever came before.
        delegate.applicationDidEnterBackground();
        QCOMPARE(transport.requests().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestBadReplies)
#include "tst_badreplies.moc"
