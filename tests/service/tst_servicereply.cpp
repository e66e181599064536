#include "service/DocumentDictionary.h"
#include "service/Envelope.h"
#include "service/ServiceReply.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray soapReply(const QString &operation, const QString &returnContent,
                     const QString &soapPrefix = u"soap"_s, const QString &nsPrefix = u"ns0"_s)
{
    const QString response = nsPrefix + u':' + operation + u"Response"_s;
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><"_s + soapPrefix + u":Envelope xmlns:"_s +
            soapPrefix + u"=\"http://schemas.xmlsoap.org/soap/envelope/\"><"_s + soapPrefix +
            u":Body><"_s + response + u" xmlns:"_s + nsPrefix + u"=\""_s +
            Envelope::serviceNamespace + u"\"><return>"_s + returnContent + u"</return></"_s +
            response + u"></"_s + soapPrefix + u":Body></"_s + soapPrefix + u":Envelope>"_s)
        .toUtf8();
}

const QString expenseDocument =
    u"&lt;queryOweAmtYxResponse&gt;&lt;returnMsg&gt;查询成功!&lt;/returnMsg&gt;"
    u"&lt;consName&gt;王 &amp;amp; 李&lt;/consName&gt;&lt;/queryOweAmtYxResponse&gt;"_s;

} // namespace

class TestServiceReply : public QObject
{
    Q_OBJECT

private slots:
    void unwrap_data()
    {
        QTest::addColumn<ServiceOperation>("operation");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("hasReturnText");
        QTest::addColumn<QString>("returnText");
        QTest::addColumn<bool>("hasReplyDocument");

        QTest::newRow("checkUser answer is the return text itself")
            << ServiceOperation::checkUser << soapReply(u"checkUser"_s, u"1"_s) << true << u"1"_s
            << false;
        QTest::newRow("inner document read again")
            << ServiceOperation::queryExpense << soapReply(u"queryExpense"_s, expenseDocument)
            << true
            << u"<queryOweAmtYxResponse><returnMsg>查询成功!</returnMsg><consName>王 &amp; "
               u"李</consName></queryOweAmtYxResponse>"_s
            << true;
        QTest::newRow("white space only gives an empty text")
            << ServiceOperation::checkUser << soapReply(u"checkUser"_s, u" \n\t "_s) << true
            << u""_s << false;
        QTest::newRow("return text that is not XML has no document")
            << ServiceOperation::queryHbxx << soapReply(u"queryHbxx"_s, u"error"_s) << true
            << u"error"_s << false;
        QTest::newRow("other envelope prefix")
            << ServiceOperation::checkUser << soapReply(u"checkUser"_s, u"1"_s, u"env"_s) << false
            << QString() << false;
        QTest::newRow("other operation prefix")
            << ServiceOperation::checkUser << soapReply(u"checkUser"_s, u"1"_s, u"soap"_s, u"tns"_s)
            << false << QString() << false;
        QTest::newRow("reply of another operation")
            << ServiceOperation::checkUser << soapReply(u"queryHbxx"_s, u"1"_s) << false
            << QString() << false;
        QTest::newRow("empty body")
            << ServiceOperation::checkUser << QByteArray() << false << QString() << false;
        QTest::newRow("HTML error page")
            << ServiceOperation::checkUser
            << QByteArray("<html><body><h1>502 Bad Gateway</h1><hr></body></html>") << false
            << QString() << false;
        QTest::newRow("SOAP fault")
            << ServiceOperation::checkUser
            << QByteArray("<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                          "<soap:Body><soap:Fault><faultcode>soap:Client</faultcode>"
                          "<faultstring>bad</faultstring></soap:Fault></soap:Body></soap:Envelope>")
            << false << QString() << false;
        QTest::newRow("cut short")
            << ServiceOperation::checkUser << soapReply(u"checkUser"_s, u"1"_s).chopped(9) << false
            << QString() << false;
        QByteArray latin1 = soapReply(u"checkUser"_s, u"Xé"_s);
        latin1.replace("X\xc3\xa9", "X\xe9");
        QTest::newRow("not UTF-8")
            << ServiceOperation::checkUser << latin1 << false << QString() << false;
    }

    void unwrap()
    {
        QFETCH(ServiceOperation, operation);
        QFETCH(QByteArray, body);
        QFETCH(bool, hasReturnText);
        QFETCH(QString, returnText);
        QFETCH(bool, hasReplyDocument);

        const ServiceReply reply = ServiceReply::unwrap(operation, body);
        QCOMPARE(reply.returnText.has_value(), hasReturnText);
        if (hasReturnText)
            QCOMPARE(*reply.returnText, returnText);
        QCOMPARE(reply.replyDocument.has_value(), hasReplyDocument);
    }

    void replyDocumentIsWalkable()
    {
        const ServiceReply reply = ServiceReply::unwrap(
            ServiceOperation::queryExpense, soapReply(u"queryExpense"_s, expenseDocument));
        QVERIFY(reply.replyDocument);
        QCOMPARE(DocumentDictionary::textAt(*reply.replyDocument,
                                            {u"queryOweAmtYxResponse", u"consName"}),
                 u"王 & 李"_s);
        QCOMPARE(DocumentDictionary::textAt(*reply.replyDocument,
                                            {u"queryOweAmtYxResponse", u"missing", u"deeper"}),
                 std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestServiceReply)
#include "tst_servicereply.moc"
