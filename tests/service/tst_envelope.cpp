#include "TestData.h"
#include "service/DocumentDictionary.h"
#include "service/Envelope.h"
#include "service/XMLReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Fields = QHash<QString, QString>;

namespace {

QString arg0Content(const QString &envelope)
{
    const qsizetype start = envelope.indexOf(u"<arg0 xmlns=\"\">"_s);
    const qsizetype end = envelope.indexOf(u"</arg0>"_s);
    if (start < 0 || end < 0)
        return {};
    const qsizetype from = start + qsizetype(strlen("<arg0 xmlns=\"\">"));
    return envelope.mid(from, end - from);
}

const QString declaration = u"&lt;?xml version='1.0' encoding='utf-8'?&gt;"_s;

} // namespace

class TestEnvelope : public QObject
{
    Q_OBJECT

private slots:
    void wholeEnvelope()
    {
        const QString id = u"6F9619FF-8B86-D011-B42D-00C04FC964FF"_s;
        // The file ends its line; the body does not.
        QCOMPARE(Envelope::body(ServiceOperation::updateInfo, {{u"uuid"_s, id}}),
                 TestData::file(u"service/updateInfo-request.xml"_s).trimmed());
    }

    void fields_data()
    {
        QTest::addColumn<ServiceOperation>("operation");
        QTest::addColumn<Fields>("values");
        QTest::addColumn<QString>("expectedFields");

        QTest::newRow("queryExpense: queryType always empty, first")
            << ServiceOperation::queryExpense
            << Fields{{u"queryValue"_s, u"1000001"_s}, {u"queryType"_s, u"9"_s}}
            << u"&lt;queryType&gt;&lt;/queryType&gt;&lt;queryValue&gt;1000001&lt;/queryValue&gt;"_s;
        QTest::newRow("queryExpense: value sent as typed, blanks kept")
            << ServiceOperation::queryExpense << Fields{{u"queryValue"_s, u" 1000001 "_s}}
            << u"&lt;queryType&gt;&lt;/queryType&gt;&lt;queryValue&gt; 1000001 &lt;/queryValue&gt;"_s;
        QTest::newRow("createOrder: table order, drives fixed")
            << ServiceOperation::createOrder
            << Fields{{u"drives"_s, u"ANDROID"_s}, {u"hbje"_s, u"5"_s},
                      {u"hbid"_s, u"H1"_s},        {u"spay"_s, u"1000"_s},
                      {u"ypay"_s, u"1500"_s},      {u"rcvblAmtId"_s, u"R1,202601"_s},
                      {u"uuid"_s, u"U"_s},         {u"userbh"_s, u"1000001"_s}}
            << u"&lt;userbh&gt;1000001&lt;/userbh&gt;&lt;uuid&gt;U&lt;/uuid&gt;"
               u"&lt;rcvblAmtId&gt;R1,202601&lt;/rcvblAmtId&gt;&lt;ypay&gt;1500&lt;/ypay&gt;"
               u"&lt;spay&gt;1000&lt;/spay&gt;&lt;hbid&gt;H1&lt;/hbid&gt;&lt;hbje&gt;5&lt;/hbje&gt;"
               u"&lt;drives&gt;IOS1&lt;/drives&gt;"_s;
        QTest::newRow("empty and missing values written as empty elements")
            << ServiceOperation::registerUser << Fields{{u"password"_s, u""_s}}
            << u"&lt;password&gt;&lt;/password&gt;&lt;useraccount&gt;&lt;/useraccount&gt;"
               u"&lt;uuid&gt;&lt;/uuid&gt;"_s;
        QTest::newRow("markup characters escaped at both levels")
            << ServiceOperation::checkUser
            << Fields{{u"password"_s, u"a<b>&c"_s}, {u"useraccount"_s, u"\"'"_s}}
            << u"&lt;password&gt;a&amp;lt;b&amp;gt;&amp;amp;c&lt;/password&gt;"
               u"&lt;useraccount&gt;\"'&lt;/useraccount&gt;"_s;
        QTest::newRow("carriage return kept as a reference")
            << ServiceOperation::backMessage << Fields{{u"msgid"_s, u"a\rb"_s}}
            << u"&lt;msgid&gt;a&amp;#13;b&lt;/msgid&gt;"_s;
        QTest::newRow("non-ASCII text kept")
            << ServiceOperation::backMessage << Fields{{u"msgid"_s, u"水电气"_s}}
            << u"&lt;msgid&gt;水电气&lt;/msgid&gt;"_s;
    }

    void fields()
    {
        QFETCH(ServiceOperation, operation);
        QFETCH(Fields, values);
        QFETCH(QString, expectedFields);

        const QString envelope = Envelope::text(operation, values);
        QCOMPARE(arg0Content(envelope),
                 declaration + u"&lt;info&gt;"_s + expectedFields + u"&lt;/info&gt;"_s);
        const QString name = operationInfo(operation).name;
        QVERIFY(envelope.contains(u"<s:Body><"_s + name + u" xmlns=\""_s));
        QCOMPARE(Envelope::body(operation, values), envelope.toUtf8());
    }

    // What canCarry lets through must reach a conforming reader as typed; what it stops
    // would make the envelope unreadable.
    void carriedValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("carried");

        QTest::newRow("tab, line feed, carriage return") << u"1\t2\n3\r4"_s << true;
        QTest::newRow("DEL and C1 controls") << u"1\u007f2\u00853"_s << true;
        QTest::newRow("character outside the BMP") << u"1\U0001F600"_s << true;
        QTest::newRow("NUL") << (u"1000"_s + QChar(0) + u"001"_s) << false;
        QTest::newRow("escape") << u"1000\u001b001"_s << false;
        QTest::newRow("U+FFFE") << u"1000\ufffe"_s << false;
        QTest::newRow("U+FFFF") << u"1000\uffff"_s << false;
        QTest::newRow("unpaired high surrogate") << (u"1000"_s + QChar(0xD83D)) << false;
        QTest::newRow("unpaired low surrogate") << (QChar(0xDE00) + u"1000"_s) << false;
    }

    void carriedValues()
    {
        QFETCH(QString, value);
        QFETCH(bool, carried);
        QCOMPARE(Envelope::canCarry(value), carried);
        if (!carried)
            return;
        const std::optional<QVariantMap> envelope = XMLReader::dictionaryForXMLData(
            Envelope::body(ServiceOperation::backMessage, {{u"msgid"_s, value}}));
        QVERIFY(envelope);
        const std::optional<QString> argument = DocumentDictionary::textAt(
            *envelope, {u"s:Envelope", u"s:Body", u"backMessage", u"arg0"});
        QVERIFY(argument);
        const std::optional<QVariantMap> document = XMLReader::dictionaryForXMLString(*argument);
        QVERIFY(document);
        QCOMPARE(DocumentDictionary::textAt(*document, {u"info", u"msgid"}), value);
    }
};

QTEST_GUILESS_MAIN(TestEnvelope)
#include "tst_envelope.moc"
