// The limits every exchange of the app keeps, over real HTTP and HTTPS: the service call, the
// page fetch and the wallet hand-off each end within their deadline however slowly a reply
// trickles in, and each refuses a certificate that does not verify.
#include "BadReplies.h"
#include "LocalHttpServer.h"
#include "TestCertificate.h"
#include "platform/NetworkPageFetcher.h"
#include "platform/NetworkTransport.h"
#include "platform/SandboxWallet.h"
#include "service/ServiceClient.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

enum class Exchange { serviceCall, pageFetch, walletHandOff };

const QString appId = u"wxtest"_s;

QByteArray answerFor(Exchange exchange)
{
    switch (exchange) {
    case Exchange::serviceCall:
        return BadReplies::soapReply(u"checkUser"_s, u"1"_s);
    case Exchange::pageFetch:
        return "<html><body><p>notice list</p></body></html>";
    case Exchange::walletHandOff:
        return QJsonDocument(QJsonObject{{u"url"_s, appId + u"://pay/?ret=0&returnKey=k"_s}})
            .toJson(QJsonDocument::Compact);
    }
    return {};
}

/// One exchange of the given kind, as the app makes it, with its ending recorded.
class ExchangeRun
{
public:
    std::optional<bool> delivered; ///< true: the peer's answer reached the caller
    qint64 elapsedMs = -1;

    ExchangeRun(Exchange exchange, const QUrl &url, std::chrono::milliseconds deadline)
        : m_transport(&m_network, deadline)
        , m_client(&m_transport, url)
        , m_fetcher(&m_network, deadline)
        , m_wallet(&m_network, url)
    {
        m_clock.start();
        switch (exchange) {
        case Exchange::serviceCall:
            m_client.call(
                ServiceOperation::checkUser, {}, &m_context,
                [this](const ServiceReply &reply) { end(reply.returnText == u"1"_s); },
                [this] { end(false); });
            break;
        case Exchange::pageFetch:
            // The page's own time-out only bounds silence, which a drip never reaches.
            m_fetcher.get(
                url, 5s, &m_context, [this](const FetchedPage &page) { end(!page.body.isEmpty()); },
                [this](const QString &) { end(false); });
            break;
        case Exchange::walletHandOff:
            m_wallet.setTimeout(deadline);
            m_wallet.registerApp(appId, u"test"_s);
            // A wallet that did not answer hands back ret=-1, so that no screen waits.
            m_wallet.setUrlOpener([this](const QUrl &answer) {
                end(QUrlQuery(answer).queryItemValue(u"ret"_s) == u"0"_s);
            });
            m_wallet.sendReq(PayReq{});
            break;
        }
    }

private:
    void end(bool reached)
    {
        QVERIFY2(!delivered, "an exchange ended twice");
        delivered = reached;
        elapsedMs = m_clock.elapsed();
    }

    QNetworkAccessManager m_network;
    NetworkTransport m_transport;
    ServiceClient m_client;
    NetworkPageFetcher m_fetcher;
    SandboxWallet m_wallet;
    QObject m_context;
    QElapsedTimer m_clock;
};

void addExchangeRows(const char *situation)
{
    QTest::addRow("service call, %s", situation) << Exchange::serviceCall;
    QTest::addRow("page fetch, %s", situation) << Exchange::pageFetch;
    QTest::addRow("wallet hand-off, %s", situation) << Exchange::walletHandOff;
}

} // namespace

class TestExchangeLimits : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::optional<TestCertificate> m_trusted;
    std::optional<TestCertificate> m_otherHost;
    std::optional<TestCertificate> m_untrusted;

private slots:
    void initTestCase()
    {
        m_trusted = TestCertificate::make(m_dir.path(), u"trusted"_s, u"IP:127.0.0.1"_s);
        if (!m_trusted)
            return; // the certificate rows skip
        m_otherHost = TestCertificate::make(m_dir.path(), u"other-host"_s, u"DNS:tarvo.invalid"_s);
        m_untrusted = TestCertificate::make(m_dir.path(), u"untrusted"_s, u"IP:127.0.0.1"_s);
        QVERIFY(m_otherHost && m_untrusted);
        // Trusted, but made out to another host name.
        m_trusted->trustInThisProcess();
        m_otherHost->trustInThisProcess();
    }

    void drippingReplyEndsAtTheDeadline_data()
    {
        QTest::addColumn<Exchange>("exchange");
        addExchangeRows("a byte every 100 ms");
    }

    void drippingReplyEndsAtTheDeadline()
    {
        QFETCH(Exchange, exchange);
        LocalHttpServer server;
        QVERIFY(server.listen());
        LocalHttpServer::Response drip;
        drip.body = answerFor(exchange);
        drip.pieces = int(drip.body.size()); // several seconds in all, never silent for long
        drip.pieceDelayMs = 100;
        server.setResponse(drip);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"not complete after 800 ms"_s));
        ExchangeRun run(exchange, server.url(u"/x"_s), 800ms);
        QTRY_VERIFY_WITH_TIMEOUT(run.delivered.has_value(), 3000);
        QCOMPARE(*run.delivered, false);
        QCOMPARE_GE(run.elapsedMs, 750);
        QCOMPARE_LT(run.elapsedMs, 2000);
        QCOMPARE_LT(server.bodyBytesWritten(), drip.body.size());
    }

    void certificates_data()
    {
        QTest::addColumn<Exchange>("exchange");
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<bool>("delivered");

        for (const auto &[certificate, delivered] :
             {std::pair{"trusted", true}, {"other-host", false}, {"untrusted", false}}) {
            QTest::addRow("service call, %s", certificate)
                << Exchange::serviceCall << QString::fromLatin1(certificate) << delivered;
            QTest::addRow("page fetch, %s", certificate)
                << Exchange::pageFetch << QString::fromLatin1(certificate) << delivered;
            QTest::addRow("wallet hand-off, %s", certificate)
                << Exchange::walletHandOff << QString::fromLatin1(certificate) << delivered;
        }
    }

    void certificates()
    {
        QFETCH(Exchange, exchange);
        QFETCH(QString, certificate);
        QFETCH(bool, delivered);
        if (!m_trusted)
            QSKIP("needs a TLS backend and the openssl program");

        const TestCertificate &tls = certificate == u"trusted"_s    ? *m_trusted
                                     : certificate == u"other-host" ? *m_otherHost
                                                                    : *m_untrusted;
        LocalHttpServer server;
        QVERIFY(server.listenTls(tls.server));
        server.setResponse({200, "text/xml;charset=utf-8", answerFor(exchange)});
        if (!delivered)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(u"certificate of 127.0.0.1 refused: .+"_s));

        ExchangeRun run(exchange, server.url(u"/x"_s), 5000ms);
        QTRY_VERIFY_WITH_TIMEOUT(run.delivered.has_value(), 7000);
        QCOMPARE(*run.delivered, delivered);
        // A refused certificate ends the exchange before any request is read.
        QCOMPARE(server.requests().size(), delivered ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestExchangeLimits)
#include "tst_exchangelimits.moc"
