// The SOAP side over HTTP: how requests are read, how bad ones are refused, the WSDL.
#include "SandboxHarness.h"
#include "SoapRequest.h"
#include "service/DocumentDictionary.h"
#include "service/Envelope.h"
#include "service/XMLReader.h"

#include <QTest>
#include <QUrlQuery>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString soap11 = QString(Envelope::soapNamespace);
const QString service = QString(Envelope::serviceNamespace);

// The escaped argument of a sign-in with the seeded user's right password.
QString signInArgument()
{
    return Envelope::escapeText(Envelope::argumentDocument(
        ServiceOperation::checkUser, {{u"password"_s, u"e10adc3949ba59abbe56e057f20f883e"_s},
                                      {u"useraccount"_s, u"13912345678"_s}}));
}

QByteArray envelopeAround(const QString &operationElement, const QString &argument)
{
    return (u"<s:Envelope xmlns:s=\""_s + soap11 + u"\"><s:Body><"_s + operationElement +
            u" xmlns=\""_s + service + u"\"><arg0 xmlns=\"\">"_s + argument + u"</arg0></"_s +
            operationElement + u"></s:Body></s:Envelope>"_s)
        .toUtf8();
}

QString billionLaughs()
{
    QString doctype = u"<!DOCTYPE lolz [<!ENTITY lol0 \"lol\">"_s;
    for (int i = 1; i < 10; ++i) {
        doctype += u"<!ENTITY lol%1 \""_s.arg(i);
        for (int j = 0; j < 10; ++j)
            doctype += u"&lol%1;"_s.arg(i - 1);
        doctype += u"\">"_s;
    }
    return doctype + u"]>"_s;
}

} // namespace

class SandboxSoapTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SandboxHarness> sandbox;

private slots:
    void initTestCase()
    {
        sandbox = std::make_unique<SandboxHarness>();
        QVERIFY(sandbox->isListening());
    }
    void cleanupTestCase() { sandbox.reset(); }

    void readsAnyWayOfWritingTheEnvelope_data()
    {
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("as the app writes it") << Envelope::body(
            ServiceOperation::checkUser, {{u"password"_s, u"e10adc3949ba59abbe56e057f20f883e"_s},
                                          {u"useraccount"_s, u"13912345678"_s}});
        QTest::newRow("other prefixes")
            << (u"<SOAP-ENV:Envelope xmlns:SOAP-ENV=\""_s + soap11 +
                u"\"><SOAP-ENV:Body><tns:checkUser xmlns:tns=\""_s + service + u"\"><arg0>"_s +
                signInArgument() + u"</arg0></tns:checkUser></SOAP-ENV:Body></SOAP-ENV:Envelope>"_s)
                   .toUtf8();
        QTest::newRow("default namespaces")
            << (u"<Envelope xmlns=\""_s + soap11 + u"\"><Body><checkUser xmlns=\""_s + service +
                u"\"><arg0 xmlns=\"\">"_s + signInArgument() +
                u"</arg0></checkUser></Body></Envelope>"_s)
                   .toUtf8();
        QTest::newRow("declaration, white space and a header")
            << (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<soapenv:Envelope "
                "xmlns:soapenv=\""_s +
                soap11 + u"\" xmlns:svc=\""_s + service +
                u"\">\n  <soapenv:Header><svc:trace>1</svc:trace></soapenv:Header>\n"
                "  <soapenv:Body>\n    <svc:checkUser>\n      <arg0>"_s +
                signInArgument() +
                u"</arg0>\n    </svc:checkUser>\n  </soapenv:Body>\n</soapenv:Envelope>\n"_s)
                   .toUtf8();
        QTest::newRow("argument as CDATA") << envelopeAround(
            u"checkUser"_s,
            u"<![CDATA["_s +
                Envelope::argumentDocument(ServiceOperation::checkUser,
                                           {{u"password"_s, u"e10adc3949ba59abbe56e057f20f883e"_s},
                                            {u"useraccount"_s, u"13912345678"_s}}) +
                u"]]>"_s);
    }

    void readsAnyWayOfWritingTheEnvelope()
    {
        QFETCH(QByteArray, body);
        const SandboxHarness::Exchange exchange = sandbox->post(body);
        QCOMPARE(exchange.status, 200);
        QCOMPARE(ServiceReply::unwrap(ServiceOperation::checkUser, exchange.body)
                     .returnText.value_or(u"<absent>"_s),
                 u"1"_s);
    }

    void refusesWithAFault_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("faultcode");

        const QByteArray good =
            Envelope::body(ServiceOperation::queryHbxx, {{u"useraccount"_s, u"13912345678"_s}});
        QTest::newRow("unknown operation")
            << QByteArray(good).replace("queryHbxx", "dropTables") << u"soap:Client"_s;
        QTest::newRow("truncated envelope") << good.chopped(30) << u"soap:Client"_s;
        QTest::newRow("not XML") << QByteArray("queryHbxx 13912345678") << u"soap:Client"_s;
        QTest::newRow("not an envelope") << QByteArray("<info/>") << u"soap:Client"_s;
        QTest::newRow("SOAP 1.2 envelope")
            << QByteArray(good).replace(Envelope::soapNamespace.latin1(),
                                        "http://www.w3.org/2003/05/soap-envelope")
            << u"soap:VersionMismatch"_s;
        QTest::newRow("no Body")
            << (u"<s:Envelope xmlns:s=\""_s + soap11 + u"\"><s:Header/></s:Envelope>"_s).toUtf8()
            << u"soap:Client"_s;
        QTest::newRow("no arg0") << QByteArray(good).replace("arg0", "arg1") << u"soap:Client"_s;
        QTest::newRow("entity bomb") << (u"<?xml version=\"1.0\"?>"_s + billionLaughs()).toUtf8() +
                                            QByteArray(good).replace("13912345678", "&lol9;")
                                     << u"soap:Client"_s;
        QTest::newRow("external entity")
            << (u"<!DOCTYPE s:Envelope [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"_s).toUtf8() +
                   QByteArray(good).replace("13912345678", "&x;")
            << u"soap:Client"_s;
        QTest::newRow("entity bomb in the argument")
            << envelopeAround(
                   u"queryHbxx"_s,
                   Envelope::escapeText(billionLaughs() +
                                        u"<info><useraccount>&lol9;</useraccount></info>"_s))
            << u"soap:Client"_s;
        QTest::newRow("undeclared entity in the argument")
            << envelopeAround(
                   u"queryHbxx"_s,
                   Envelope::escapeText(u"<info><useraccount>&nbsp;</useraccount></info>"_s))
            << u"soap:Client"_s;
        QTest::newRow("argument not XML")
            << envelopeAround(u"queryHbxx"_s, u"13912345678"_s) << u"soap:Client"_s;
        QTest::newRow("argument root not info")
            << envelopeAround(u"queryHbxx"_s,
                              Envelope::escapeText(u"<data><useraccount>1</useraccount></data>"_s))
            << u"soap:Client"_s;
        QTest::newRow("field holding elements")
            << envelopeAround(
                   u"queryHbxx"_s,
                   Envelope::escapeText(u"<info><useraccount><b>1</b></useraccount></info>"_s))
            << u"soap:Client"_s;
        QTest::newRow("oversized") << good + QByteArray(2 * 1024 * 1024, ' ') << u"soap:Client"_s;
        QTest::newRow("50 MiB") << good + QByteArray(50 * 1024 * 1024, ' ') << u"soap:Client"_s;
        QTest::newRow("empty") << QByteArray() << u"soap:Client"_s;
        QTest::newRow("not UTF-8")
            << QByteArray(good).replace("13912345678", "1391234\xff\xfe") << u"soap:Client"_s;
        QTest::newRow("operation of another namespace")
            << QByteArray(good).replace(Envelope::serviceNamespace.latin1(),
                                        "http://other.example/")
            << u"soap:Client"_s;
        QTest::newRow("operation without a namespace")
            << QByteArray(good).replace(" xmlns=\"http://service.trvo.tarvo.cn/\"", "")
            << u"soap:Client"_s;
    }

    void refusesWithAFault()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, faultcode);

        const SandboxHarness::Exchange exchange = sandbox->post(body);
        QVERIFY(exchange.answered);
        QCOMPARE(exchange.status, 500);
        QVERIFY(exchange.contentType.startsWith("text/xml"));
        const std::optional<QVariantMap> fault = XMLReader::dictionaryForXMLData(exchange.body);
        QVERIFY2(fault, exchange.body.constData());
        QCOMPARE(DocumentDictionary::textAt(
                     *fault, {u"soap:Envelope", u"soap:Body", u"soap:Fault", u"faultcode"})
                     .value_or(u"<absent>"_s),
                 faultcode);
        QVERIFY(!DocumentDictionary::textAt(
                     *fault, {u"soap:Envelope", u"soap:Body", u"soap:Fault", u"faultstring"})
                     .value_or(QString())
                     .isEmpty());
    }

    void valuesArriveIntact_data()
    {
        QTest::addColumn<QString>("value");

        QTest::newRow("less-than") << u"a<b"_s;
        QTest::newRow("ampersand") << u"A&B"_s;
        QTest::newRow("looks escaped") << u"&lt;&amp;"_s;
        QTest::newRow("CDATA end") << u"]]>"_s;
        QTest::newRow("quotes") << u"'\"'"_s;
        QTest::newRow("blanks kept") << u"  1000001 "_s;
        QTest::newRow("Chinese") << u"青禾市东城区"_s;
    }

    void valuesArriveIntact()
    {
        QFETCH(QString, value);
        const auto reading = sandbox::readSoapCall(
            Envelope::body(ServiceOperation::queryExpense, {{u"queryValue"_s, value}}));
        const auto *call = std::get_if<sandbox::SoapCall>(&reading);
        QVERIFY(call);
        QCOMPARE(call->operation, u"queryExpense"_s);
        QCOMPARE(call->fields.value(u"queryValue"_s), value);
        QVERIFY(call->fields.contains(u"queryType"_s));
    }

    void publishesItsWsdl()
    {
        QUrl url = sandbox->serviceUrl();
        url.setQuery(u"wsdl"_s);
        const SandboxHarness::Exchange exchange = sandbox->get(url);
        QCOMPARE(exchange.status, 200);
        QVERIFY(exchange.contentType.contains("xml"));

        const QString wsdl = u"http://schemas.xmlsoap.org/wsdl/"_s;
        const QString xsd = u"http://www.w3.org/2001/XMLSchema"_s;
        QXmlStreamReader xml(exchange.body);
        QString targetNamespace, location, element;
        QStringList operations, parts;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            const auto attribute = [&](const QString &name) {
                return xml.attributes().value(name).toString();
            };
            if (xml.namespaceUri() == wsdl && xml.name() == u"definitions")
                targetNamespace = attribute(u"targetNamespace"_s);
            else if (xml.namespaceUri() == wsdl && xml.name() == u"portType")
                element = u"portType"_s;
            else if (xml.namespaceUri() == wsdl && xml.name() == u"binding")
                element.clear();
            else if (element == u"portType" && xml.name() == u"operation")
                operations.append(attribute(u"name"_s));
            else if (xml.namespaceUri() == xsd && xml.name() == u"element" &&
                     attribute(u"type"_s) == u"xsd:string")
                parts.append(attribute(u"name"_s));
            else if (xml.name() == u"address")
                location = attribute(u"location"_s);
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        QStringList expected;
        for (const ServiceOperationInfo &operation : serviceOperations())
            expected.append(operation.name);
        QCOMPARE(targetNamespace, service);
        QCOMPARE(operations, expected);
        QCOMPARE(parts.count(u"arg0"_s), expected.size());
        QCOMPARE(parts.count(u"return"_s), expected.size());
        QCOMPARE(location, sandbox->serviceUrl().toString());
    }
};

QTEST_GUILESS_MAIN(SandboxSoapTest)
#include "tst_sandboxsoap.moc"
