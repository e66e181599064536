// tarvo-sandbox serving HTTPS with a certificate made for the test, called as the app calls it.
#include "SpawnedSandbox.h"
#include "TestCertificate.h"
#include "platform/NetworkPageFetcher.h"
#include "platform/NetworkTransport.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceClient.h"

#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class TestSandboxTls : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::optional<TestCertificate> m_certificate;

private slots:
    void initTestCase()
    {
        m_certificate = TestCertificate::make(m_dir.path(), u"sandbox"_s, u"IP:127.0.0.1"_s);
        if (!m_certificate)
            QSKIP("needs a TLS backend and the openssl program");
        m_certificate->trustInThisProcess();
    }

    void serviceAndWebsiteOverHttps()
    {
        SpawnedSandbox sandbox;
        QVERIFY(sandbox.start(
            {u"--tls-cert"_s, m_certificate->certPath, u"--tls-key"_s, m_certificate->keyPath}));
        const QUrl serviceUrl(sandbox.serviceUrl());
        QCOMPARE(serviceUrl.scheme(), u"https"_s);

        QNetworkAccessManager network;
        NetworkTransport transport(&network);
        ServiceClient client(&transport, serviceUrl);
        std::optional<ServiceReply> reply;
        client.call(ServiceOperation::queryExpense, {{u"queryValue"_s, u"1000001"_s}}, &network,
                    [&reply](const ServiceReply &received) { reply = received; });
        QTRY_VERIFY_WITH_TIMEOUT(reply.has_value(), 10000);
        QVERIFY(reply->replyDocument);
        QCOMPARE(DocumentDictionary::textAt(*reply->replyDocument,
                                            {u"queryOweAmtYxResponse", u"returnMsg"}),
                 u"查询成功!"_s);

        // The WSDL names the address the tool reached, scheme included.
        NetworkPageFetcher fetcher(&network);
        std::optional<QByteArray> wsdl;
        fetcher.get(
            QUrl(sandbox.serviceUrl() + u"?wsdl"_s), 10000ms, &network,
            [&wsdl](const FetchedPage &page) { wsdl = page.body; }, [](const QString &) {});
        QTRY_VERIFY_WITH_TIMEOUT(wsdl.has_value(), 10000);
        QVERIFY(wsdl->contains("location=\"" + serviceUrl.toEncoded() + '"'));
    }

    void keyWithoutCertificateIsRefused()
    {
        const ProgramRun run =
            runProgram(QStringLiteral(TARVO_SANDBOX),
                       {u"--port"_s, u"0"_s, u"--tls-key"_s, m_certificate->keyPath});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("--tls-cert and --tls-key go together"));
    }
};

QTEST_GUILESS_MAIN(TestSandboxTls)
#include "tst_sandboxtls.moc"
