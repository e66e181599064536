#include "BadReplies.h"
#include "FakeTransport.h"
#include "TestData.h"
#include "billing/ArrearsReply.h"
#include "billing/LPPayInfoTool.h"
#include "billing/OrderRequest.h"
#include "billing/PaymentRows.h"
#include "platform/NotificationCenter.h"
#include "service/DocumentDictionary.h"
#include "service/Envelope.h"
#include "service/ModelMapping.h"
#include "service/ServiceClient.h"
#include "service/XMLReader.h"

#include <QSignalSpy>
#include <QTest>
#include <random>

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

// The outcome as the whole document dictionary gives it, walked the plain way: what
// ArrearsReply::read must agree with however a reply is written, though it reads the bill
// entries without making their dictionaries.
ArrearsReply::Outcome fromDictionary(const QString &returnText)
{
    const QString root = u"queryOweAmtYxResponse"_s;
    const std::optional<QVariantMap> document = XMLReader::dictionaryForXMLString(returnText);
    if (!document)
        return {ArrearsReply::noData, {}};
    const std::optional<QString> message =
        DocumentDictionary::textAt(*document, {root, u"returnMsg"});
    if (!message)
        return {ArrearsReply::noData, {}};
    if (*message != u"查询成功!"_s) {
        const ArrearsReply::Outcome known = ArrearsReply::read(returnText);
        return {known.notification, {}};
    }
    const QVariantMap response = document->value(root).toMap();
    ArrearsReply::Outcome outcome;
    assignChildTexts(outcome.model, response);
    const QVariant wrapper = response.value(u"queryList"_s);
    if (wrapper.typeId() != QMetaType::QVariantMap)
        return outcome;
    for (const QVariantMap &entry :
         DocumentDictionary::elements(wrapper.toMap().value(u"queryList"_s))) {
        queryListModel record;
        if (assignChildTexts(record, entry) == 12)
            outcome.model.queryList.append(record);
    }
    return outcome;
}

// Every text property of a gadget, named, for comparing two of them in one go.
template<typename Gadget> QStringList texts(const Gadget &gadget)
{
    QStringList values;
    const QMetaObject &meta = Gadget::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        values.append(QString::fromLatin1(meta.property(i).name()) + u'=' +
                      meta.property(i).readOnGadget(&gadget).toString());
    return values;
}

QStringList described(const ArrearsReply::Outcome &outcome)
{
    QStringList description{u"notification="_s + outcome.notification};
    description += texts(outcome.model);
    for (const queryListModel &bill : outcome.model.queryList)
        description += u"bill: "_s + texts(bill).join(u", "_s);
    return description;
}

// Bill entries written every way a reply might write them: the reader takes the plain ones
// straight into records and reads the others from their dictionaries.
const QStringList entryVariants{
    u"<queryList><oweAmt>2</oweAmt><rcvType>P</rcvType><rcvblAmt>2</rcvblAmt>"
    "<rcvblAmtId>B</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202611</rcvblYm>"
    "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><a>1</a><b>2</b><c>3</c><d/></queryList>"_s,
    u"<queryList>\n  <oweAmt> 3 </oweAmt>\n  <rcvType>\tG</rcvType><rcvblAmt>3</rcvblAmt>"
    "<rcvblAmtId>C</rcvblAmtId><rcvblPenAlty/><rcvblYm>  </rcvblYm><rcvedAmt>0</rcvedAmt>"
    "<tpq><!-- none --></tpq><a/><b/><c/><d/>\n</queryList>"_s,
    u"<queryList id=\"7\"><oweAmt>4</oweAmt><rcvType>W</rcvType><rcvblAmt>4</rcvblAmt>"
    "<rcvblAmtId>D</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202610</rcvblYm>"
    "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/><c/><d/></queryList>"_s,
    u"<queryList><oweAmt unit=\"yuan\">5</oweAmt><rcvType>W</rcvType><rcvblAmt>5</rcvblAmt>"
    "<rcvblAmtId>E</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202610</rcvblYm>"
    "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/><c/><d/></queryList>"_s,
    u"<queryList><oweAmt><v>6</v></oweAmt><rcvType>W</rcvType><rcvblAmt>6</rcvblAmt>"
    "<rcvblAmtId>F</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202610</rcvblYm>"
    "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/><c/><d/></queryList>"_s,
    u"<queryList>own<oweAmt>7</oweAmt><rcvType>W</rcvType><rcvblAmt>7</rcvblAmt>"
    "<rcvblAmtId>G</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202610</rcvblYm>"
    "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/><text>t</text><d/>tail</queryList>"_s,
    u"<queryList><oweAmt>8</oweAmt><oweAmt>9</oweAmt><rcvType>W</rcvType><rcvblAmt>8</rcvblAmt>"
    "<rcvblAmtId>H</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202610</rcvblYm>"
    "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/><c/></queryList>"_s,
    u"<queryList><oweAmt>1&amp;0</oweAmt><rcvType><![CDATA[W]]>W</rcvType><rcvblAmt>&#49;0"
    "</rcvblAmt><rcvblAmtId>I<?pi x?></rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty>"
    "<rcvblYm>202610</rcvblYm><rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/><c/></queryList>"_s,
    u"<queryList><oweAmt>9</oweAmt><queryList><x>1</x></queryList><rcvType>W</rcvType>"
    "<rcvblAmt>9</rcvblAmt><rcvblAmtId>J</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty>"
    "<rcvblYm>202610</rcvblYm><rcvedAmt>0</rcvedAmt><tpq>1</tpq><a/><b/></queryList>"_s,
    u"<other>not a bill</other>"_s,
    u"before the entry "_s,
};

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
        const ArrearsReply::Outcome outcome = ArrearsReply::read(
            QString::fromUtf8(TestData::file(u"billing/arrears-water-electricity-gas.xml"_s)));
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
        const ArrearsReply::Outcome outcome =
            ArrearsReply::read(expenseDocument(u"查询成功!"_s, bills));
        QCOMPARE(outcome.model.queryList.size(), records);
    }

    // Replies that mix every way of writing an entry and every place a bill list may sit; each
    // gives the outcome its whole dictionary gives. The combinations come from a fixed seed.
    void sameAsTheDictionary_data()
    {
        QTest::addColumn<QString>("returnText");

        const QString ok = u"<returnMsg>查询成功!</returnMsg><consName>王</consName>"_s;
        const auto reply = [](const QString &inside, const QString &rootAttributes = {}) {
            return u"<queryOweAmtYxResponse"_s + rootAttributes + u">"_s + inside +
                   u"</queryOweAmtYxResponse>"_s;
        };
        const auto list = [](const QString &entries, const QString &attributes = {}) {
            return u"<queryList"_s + attributes + u">"_s + entries + u"</queryList>"_s;
        };
        QString allEntries;
        for (const QString &entry : entryVariants)
            allEntries += entry;
        QTest::newRow("every kind of entry") << reply(ok + list(allEntries));
        QTest::newRow("two bill lists") << reply(ok + list(allEntries) + list(entryVariants[0]));
        QTest::newRow("a queryList attribute on the response")
            << reply(ok + list(allEntries), u" queryList=\"x\""_s);
        QTest::newRow("a queryList attribute on the list")
            << reply(ok + list(allEntries, u" queryList=\"x\""_s));
        QTest::newRow("entries outside the list") << reply(ok + allEntries);
        QTest::newRow("a message that is no result") << reply(u"<returnMsg>用户欠费数据为0!"
                                                              "</returnMsg>"_s +
                                                              list(allEntries));
        QTest::newRow("refused after some entries")
            << reply(ok + list(entryVariants[0] + u"<queryList><oweAmt>&bad;</oweAmt>"
                                                  "</queryList>"_s));
        QTest::newRow("nested too deeply below an entry")
            << reply(ok + list(u"<queryList>"_s + QString(u"<n>"_s).repeated(260) +
                               QString(u"</n>"_s).repeated(260) + u"</queryList>"_s));

        std::mt19937 random(20261208);
        for (int row = 0; row < 200; ++row) {
            QString entries;
            const int count = int(random() % 6);
            for (int i = 0; i < count; ++i)
                entries += entryVariants[random() % entryVariants.size()];
            const int lists = int(random() % 3);
            QString inside = ok;
            for (int i = 0; i < lists; ++i)
                inside += list(entries, random() % 4 == 0 ? u" n=\"1\""_s : QString());
            QTest::addRow("mixed %d", row) << reply(inside);
        }
    }

    void sameAsTheDictionary()
    {
        QFETCH(QString, returnText);
        QCOMPARE(described(ArrearsReply::read(returnText)), described(fromDictionary(returnText)));
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
                                 TestData::file(u"billing/"_s + file + u".xml"_s),
                                 ServiceReply::Reading::textOnly)
                .returnText);
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
