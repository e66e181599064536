#include "BadReplies.h"
#include "FakeTransport.h"
#include "TestData.h"
#include "billing/ArrearsReply.h"
#include "billing/LPPayInfoTool.h"
#include "billing/OrderRequest.h"
#include "billing/PaymentRows.h"
#include "platform/NotificationCenter.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"
#include "service/XMLReader.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString billEntry(const QString &kind, const QString &amount, const QString &id)
{
    return u"<queryList><oweAmt>%2</oweAmt><rcvType>%1</rcvType><rcvblAmt>%2</rcvblAmt>"
           "<rcvblAmtId>%3</rcvblAmtId><rcvblPenAlty>0.00</rcvblPenAlty><rcvblYm>202611</rcvblYm>"
           "<rcvedAmt>0.00</rcvedAmt><tpq>1</tpq><mrId>M1</mrId><dueDate>20261130</dueDate>"
           "<cycle>1</cycle><remark>x</remark></queryList>"_s.arg(kind, amount, id);
}

QString expenseDocument(const QString &message, const QString &bills = {})
{
    return u"<queryOweAmtYxResponse><returnMsg>"_s + message +
           u"</returnMsg><consName>李四</consName><addr>青山区和平路12号</addr>"
           "<totalOweAmt>85.50</totalOweAmt><unknownField>x</unknownField><orgNo></orgNo>"_s +
           (bills.isEmpty() ? QString() : u"<queryList>"_s + bills + u"</queryList>"_s) +
           u"</queryOweAmtYxResponse>"_s;
}

} // namespace

class TestArrears : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QString>("returnText"); // null: the transport fails
        QTest::addColumn<QString>("notification");

        QTest::newRow("result") << expenseDocument(u"查询成功!"_s) << QString();
        QTest::newRow("no such user")
            << expenseDocument(u"Tarvo无此用户，请检查输入用户号是否正确!"_s)
            << u"NOUserPostName"_s;
        QTest::newRow("owes nothing") << expenseDocument(u"用户欠费数据为0!"_s) << u"NoArrearage"_s;
        QTest::newRow("no information, full-width mark")
            << expenseDocument(u"Tarvo无欠费信息！"_s) << u"Nomessage"_s;
        QTest::newRow("no information with an ASCII mark is unknown")
            << expenseDocument(u"Tarvo无欠费信息!"_s) << u"NOReceiveData"_s;
        QTest::newRow("success with a full-width mark is unknown")
            << expenseDocument(u"查询成功！"_s) << u"NOReceiveData"_s;
        QTest::newRow("return text not XML") << u"Internal error"_s << u"NOReceiveData"_s;
        QTest::newRow("no returnMsg")
            << u"<queryOweAmtYxResponse><consName>x</consName></queryOweAmtYxResponse>"_s
            << u"NOReceiveData"_s;
        QTest::newRow("empty returnMsg element")
            << u"<queryOweAmtYxResponse><returnMsg/></queryOweAmtYxResponse>"_s
            << u"NOReceiveData"_s;
        QTest::newRow("other root")
            << u"<info><returnMsg>查询成功!</returnMsg></info>"_s << u"NOReceiveData"_s;
        QTest::newRow("no reply ends the wait") << QString() << u"NOReceiveData"_s;
    }

    void outcome()
    {
        QFETCH(QString, returnText);
        QFETCH(QString, notification);

        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:7001/trvo/ws/appService"_s));
        NotificationCenter center;
        QSignalSpy posted(&center, &NotificationCenter::posted);
        QObject screen;
        int results = 0;
        new LPPayInfoTool(
            &client, &center, u" 1000001 "_s, [&results](const PayModel &) { ++results; }, &screen);

        QCOMPARE(transport.lastRequest().body, Envelope::body(ServiceOperation::queryExpense,
                                                              {{u"queryValue"_s, u" 1000001 "_s}}));
        if (returnText.isNull())
            transport.fail(0);
        else
            transport.respond(0, BadReplies::documentReply(u"queryExpense"_s, returnText));

        QCOMPARE(results, notification.isEmpty() ? 1 : 0);
        QCOMPARE(posted.size(), notification.isEmpty() ? 0 : 1);
        if (!notification.isEmpty())
            QCOMPARE(posted.first().first().toString(), notification);
    }

    void screenGoneBeforeTheReply()
    {
        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:7001/x"_s));
        NotificationCenter center;
        QSignalSpy posted(&center, &NotificationCenter::posted);
        int results = 0;
        {
            QObject screen;
            new LPPayInfoTool(
                &client, &center, u"1000001"_s, [&results](const PayModel &) { ++results; },
                &screen);
        }
        transport.respond(
            0, BadReplies::documentReply(u"queryExpense"_s, expenseDocument(u"查询成功!"_s)));
        QCOMPARE(results, 0);
        QCOMPARE(posted.size(), 0);
    }

    void model()
    {
        const ArrearsReply::Outcome outcome = ArrearsReply::read(XMLReader::dictionaryForXMLData(
            TestData::file(u"billing/arrears-water-electricity-gas.xml"_s)));
        QVERIFY(outcome.notification.isEmpty());
        QCOMPARE(outcome.model.consName, u"李四"_s);
        QCOMPARE(outcome.model.totalOweAmt, u"85.50"_s);
        QCOMPARE(outcome.model.returnMsg, u"查询成功!"_s);
        QVERIFY(outcome.model.orgNo.isEmpty());
        QCOMPARE(outcome.model.queryList.size(), 3);
        QCOMPARE(outcome.model.queryList[1].rcvType, u"P"_s);
        QCOMPARE(outcome.model.queryList[1].rcvblAmtId, u"A2"_s);
        QCOMPARE(outcome.model.queryList[2].rcvblAmt, u"7.70"_s);
        QCOMPARE(outcome.model.queryList[2].rcvblYm, u"202611"_s);
    }

    void billCutting_data()
    {
        QTest::addColumn<QString>("bills");
        QTest::addColumn<int>("records");

        const QString twelve = billEntry(u"W"_s, u"1"_s, u"A"_s);
        QString eight = twelve;
        eight.remove(QRegularExpression(u"<mrId>.*</remark>"_s));
        QTest::newRow("none") << QString() << 0;
        QTest::newRow("one entry, one record") << twelve << 1;
        QTest::newRow("three entries, three records") << twelve + twelve + twelve << 3;
        QTest::newRow("entries of 8 fields are no bills, however many")
            << eight + eight + eight << 0;
        QTest::newRow("an entry of 8 fields between bills") << twelve + eight + twelve << 2;
        // A field given twice counts twice, as the fields are counted, not their names.
        QString elevenAndARepeat = twelve;
        elevenAndARepeat.replace(u"<cycle>1</cycle>"_s, u"<remark>y</remark>"_s);
        QString twelveAndARepeat = twelve;
        twelveAndARepeat.replace(u"<remark>x</remark>"_s,
                                 u"<remark>x</remark><remark>y</remark>"_s);
        QTest::newRow("eleven fields, one of them twice") << elevenAndARepeat << 1;
        QTest::newRow("twelve fields, one of them twice") << twelveAndARepeat << 0;
    }

    void billCutting()
    {
        QFETCH(QString, bills);
        QFETCH(int, records);
        const ArrearsReply::Outcome outcome = ArrearsReply::read(
            XMLReader::dictionaryForXMLString(expenseDocument(u"查询成功!"_s, bills)));
        QCOMPARE(outcome.model.queryList.size(), records);
    }

    // Whole replies as the service writes them, read as the app and the CLI read them.
    void replyFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("bills");
        QTest::addColumn<QStringList>("kindSums"); ///< water, electricity, gas as shown
        QTest::addColumn<QString>("receivables");  ///< the order's rcvblAmtId

        const QStringList twelveSums{u"52.00元"_s, u"176.00元"_s, u"30.00元"_s};
        const QString twelveIds =
            u"202601:W201|202602:W202|202603:W203|202604:W204|202601:P201|202602:P202|"
            "202603:P203|202604:P204|202601:G201|202602:G202|202603:G203|202604:G204|"_s;
        QTest::newRow("indented return document")
            << u"arrears-indented"_s << 12 << twelveSums << twelveIds;
        QTest::newRow("attributes on the root, entries and fields")
            << u"arrears-attributes"_s << 12 << twelveSums << twelveIds;
        QTest::newRow("return document declaring GBK")
            << u"arrears-inner-gbk-declared"_s << 12 << twelveSums << twelveIds;
        QTest::newRow("whole reply in GBK") << u"arrears-gbk"_s << 12 << twelveSums << twelveIds;
        QTest::newRow("entries of 11 and 13 fields are left out")
            << u"arrears-odd-entries"_s << 3 << QStringList{u"12.30元"_s, u"45.60元"_s, u"7.50元"_s}
            << u"202601:W201|202601:P201|202601:G201|"_s;
    }

    void replyFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, bills);
        QFETCH(QStringList, kindSums);
        QFETCH(QString, receivables);

        const ArrearsReply::Outcome outcome = ArrearsReply::read(
            ServiceReply::unwrap(ServiceOperation::queryExpense,
                                 TestData::file(u"billing/"_s + file + u".xml"_s))
                .replyDocument);
        QCOMPARE(outcome.notification, QString());
        QCOMPARE(outcome.model.consName, u"王五"_s);
        QCOMPARE(outcome.model.queryList.size(), bills);
        QCOMPARE(
            PaymentRows::values(outcome.model).mid(PaymentRows::titles().indexOf(u"水费:"_s), 3),
            kindSums);
        QCOMPARE(OrderRequest::make(u"2000017"_s, u"ID"_s, outcome.model).rcvblAmtId, receivables);
    }
};

QTEST_GUILESS_MAIN(TestArrears)
#include "tst_arrears.moc"
