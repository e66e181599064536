#include "records/PayRecordQuery.h"
#include "records/PayRecordReply.h"
#include "service/XMLReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString start = PayRecordQuery::startPrompt.toString();
const QString end = PayRecordQuery::endPrompt.toString();

std::optional<QVariantMap> document(const QString &xml)
{
    return XMLReader::dictionaryForXMLString(xml);
}

QString entry(const QString &account, const QString &date, const QString &amount)
{
    return u"<queryList><userbh>%1</userbh><jfrq>%2</jfrq><jfje>%3</jfje></queryList>"_s.arg(
        account, date, amount);
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QVariantMap>)

/// The payment record query: which dates may be sent, and how the reply is read.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message"); // empty: sent

        const QString afterEnd = PayRecordQuery::startAfterEndMessage.toString();
        const QString missing = PayRecordQuery::missingDateMessage.toString();
        QTest::newRow("same day") << u"2016-03-05"_s << u"2016-03-05"_s << QString();
        QTest::newRow("a day apart") << u"2016-03-05"_s << u"2016-03-06"_s << QString();
        QTest::newRow("start a day after end") << u"2016-03-06"_s << u"2016-03-05"_s << afterEnd;
        QTest::newRow("start a year after end") << u"2017-01-01"_s << u"2016-12-31"_s << afterEnd;
        QTest::newRow("only the end chosen") << start << u"2016-03-05"_s << missing;
        QTest::newRow("only the start chosen") << u"2016-03-05"_s << end << missing;
        QTest::newRow("neither chosen") << start << end << missing;
    }

    void refusal()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QCOMPARE(PayRecordQuery::refusal(start, end).value_or(QString()), message);
    }

    void fieldsKeepTheDashes()
    {
        const QHash<QString, QString> expected{
            {u"ksrq"_s, u"2016-03-05"_s}, {u"jsrq"_s, u"2016-04-01"_s}, {u"uuid"_s, u"U"_s}};
        QCOMPARE(PayRecordQuery::fields(u"2016-03-05"_s, u"2016-04-01"_s, u"U"_s), expected);
    }

    void reply_data()
    {
        QTest::addColumn<std::optional<QVariantMap>>("reply");
        QTest::addColumn<bool>("noRecords");
        QTest::addColumn<QStringList>("accounts");

        QTest::newRow("one entry")
            << document(u"<info><resultCode>1</resultCode>"_s +
                        entry(u"1000001"_s, u"2016-03-05"_s, u"120.50"_s) + u"</info>"_s)
            << false << QStringList{u"1000001"_s};
        QTest::newRow("a list, in reply order")
            << document(u"<info><resultCode>1</resultCode>"_s + entry(u"B"_s, u"d"_s, u"1"_s) +
                        entry(u"A"_s, u"d"_s, u"2"_s) + entry(u"C"_s, u"d"_s, u"3"_s) +
                        u"</info>"_s)
            << false << QStringList{u"B"_s, u"A"_s, u"C"_s};
        QTest::newRow("result code 0")
            << document(u"<info><resultCode>0</resultCode></info>"_s) << true << QStringList{};
        QTest::newRow("result code 0 wins over entries")
            << document(u"<info><resultCode>0</resultCode>"_s + entry(u"A"_s, u"d"_s, u"1"_s) +
                        u"</info>"_s)
            << true << QStringList{};
        QTest::newRow("other code, no entries")
            << document(u"<info><resultCode>9</resultCode></info>"_s) << false << QStringList{};
        QTest::newRow("no code") << document(u"<info>"_s + entry(u"A"_s, u"d"_s, u"1"_s) +
                                             u"</info>"_s)
                                 << false << QStringList{u"A"_s};
        QTest::newRow("not XML") << std::optional<QVariantMap>() << false << QStringList{};
    }

    void reply()
    {
        QFETCH(std::optional<QVariantMap>, reply);
        QFETCH(bool, noRecords);
        QFETCH(QStringList, accounts);
        const PayRecordOutcome outcome = PayRecordReply::read(reply);
        QCOMPARE(outcome.noRecords, noRecords);
        QStringList read;
        for (const PayRecord &record : outcome.records)
            read.append(record.userbh);
        QCOMPARE(read, accounts);
    }

    void recordKeepsItsTexts()
    {
        const PayRecordOutcome outcome = PayRecordReply::read(document(
            u"<info>"_s + entry(u"1000001"_s, u"2016-03-05"_s, u"120.50"_s) + u"</info>"_s));
        QCOMPARE(outcome.records.size(), 1);
        const PayRecord &record = outcome.records.first();
        QCOMPARE(record, (PayRecord{u"1000001"_s, u"2016-03-05"_s, u"120.50"_s}));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
