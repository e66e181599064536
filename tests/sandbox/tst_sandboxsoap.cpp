// The SOAP side over HTTP: how requests are read, how bad ones are refused, the WSDL.
#include "BadRequests.h"
#include "SandboxHarness.h"
#include "TestData.h"
#include "service/DocumentDictionary.h"
#include "service/Envelope.h"
#include "service/XMLReader.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString soap11 = QString(Envelope::soapNamespace);
const QString service = QString(Envelope::serviceNamespace);

using BadRequests::envelopeAround;

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
        // As other SOAP clients write it.
        QTest::newRow("other prefixes")
            << TestData::file(u"sandbox/checkUser-other-prefixes.xml"_s);
        QTest::newRow("default namespaces")
            << TestData::file(u"sandbox/checkUser-default-namespaces.xml"_s);
        QTest::newRow("declaration, white space and a header")
            << TestData::file(u"sandbox/checkUser-declaration-white-space-header.xml"_s);
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

        for (const BadReplies::Case &bad : BadRequests::all())
            QTest::newRow(bad.name.constData()) << bad.body << u"soap:Client"_s;
        const QByteArray good =
            Envelope::body(ServiceOperation::queryHbxx, {{u"useraccount"_s, u"13912345678"_s}});
        QTest::newRow("not an envelope") << QByteArray("<info/>") << u"soap:Client"_s;
        QTest::newRow("SOAP 1.2 envelope")
            << QByteArray(good).replace(Envelope::soapNamespace.latin1(),
                                        "http://www.w3.org/2003/05/soap-envelope")
            << u"soap:VersionMismatch"_s;
        QTest::newRow("no Body")
            << (u"<s:Envelope xmlns:s=\""_s + soap11 + u"\"><s:Header/></s:Envelope>"_s).toUtf8()
            << u"soap:Client"_s;
        QTest::newRow("external entity")
            << (u"<!DOCTYPE s:Envelope [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"_s).toUtf8() +
                   QByteArray(good).replace("13912345678", "&x;")
            << u"soap:Client"_s;
        const auto argument = [](const QString &document) {
            return envelopeAround(u"queryHbxx"_s, Envelope::escapeText(document));
        };
        QTest::newRow("entity bomb in the argument")
            << argument(QString::fromLatin1(BadReplies::billionLaughs()) +
                        u"<info><useraccount>&lol9;</useraccount></info>"_s)
            << u"soap:Client"_s;
        QTest::newRow("undeclared entity in the argument")
            << argument(u"<info><useraccount>&nbsp;</useraccount></info>"_s) << u"soap:Client"_s;
        QTest::newRow("argument root not info")
            << argument(u"<data><useraccount>1</useraccount></data>"_s) << u"soap:Client"_s;
        QTest::newRow("field holding elements")
            << argument(u"<info><useraccount><b>1</b></useraccount></info>"_s) << u"soap:Client"_s;
        QTest::newRow("oversized") << good + QByteArray(2 * 1024 * 1024, ' ') << u"soap:Client"_s;
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
