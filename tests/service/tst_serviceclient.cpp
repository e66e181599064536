#include "BadReplies.h"
#include "FakeTransport.h"
#include "LocalHttpServer.h"
#include "platform/NetworkTransport.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QByteArray checkUserReply = BadReplies::soapReply(u"checkUser"_s, u"1"_s);

/// Counts what reaches a sender.
struct Outcome
{
    int replies = 0;
    int failures = 0;
    std::optional<QString> returnText;
};

void send(ServiceClient &client, QObject *receiver, Outcome &outcome)
{
    client.call(
        ServiceOperation::checkUser, {{u"useraccount"_s, u"13912345678"_s}}, receiver,
        [&outcome](const ServiceReply &reply) {
            ++outcome.replies;
            outcome.returnText = reply.returnText;
        },
        [&outcome] { ++outcome.failures; });
}

/// A service client over real HTTP to `url`, and what reached its one call.
struct WireCall
{
    QNetworkAccessManager manager;
    NetworkTransport transport;
    ServiceClient client;
    QObject receiver;
    Outcome outcome;

    explicit WireCall(const QUrl &url, std::chrono::milliseconds timeout = 1500ms)
        : transport(&manager, timeout)
        , client(&transport, url)
    {
        send(client, &receiver, outcome);
    }
    int ends() const { return outcome.replies + outcome.failures; }
};

} // namespace

class TestServiceClient : public QObject
{
    Q_OBJECT

private slots:
    void sendsOnePostPerCall()
    {
        FakeTransport transport;
        const QUrl url(u"http://127.0.0.1:7001/trvo/ws/appService"_s);
        ServiceClient client(&transport, url);
        QObject receiver;
        Outcome first, second;
        send(client, &receiver, first);
        send(client, &receiver, second);

        QCOMPARE(transport.requests().size(), 2);
        QCOMPARE(transport.lastRequest().url, url);
        QCOMPARE(transport.lastRequest().contentType, "text/xml;charset=utf-8");
        QCOMPARE(
            transport.lastRequest().body,
            Envelope::body(ServiceOperation::checkUser, {{u"useraccount"_s, u"13912345678"_s}}));

        // Replies are handled in the order they complete, each by its own handler.
        transport.respond(1, checkUserReply);
        QCOMPARE(second.replies, 1);
        QCOMPARE(first.replies, 0);
        transport.fail(0);
        QCOMPARE(first.failures, 1);
        QCOMPARE(first.replies, 0);
    }

    void valueXmlCannotCarryIsNotSent()
    {
        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:1/x"_s));
        QObject receiver;
        Outcome outcome;
        client.call(
            ServiceOperation::queryExpense, {{u"queryValue"_s, u"1000\u0001001"_s}}, &receiver,
            [&outcome](const ServiceReply &) { ++outcome.replies; },
            [&outcome] { ++outcome.failures; });
        QVERIFY(transport.requests().isEmpty());
        // Later, like any failure, so that a sender is never called back before call() returns.
        QCOMPARE(outcome.failures, 0);
        QTRY_COMPARE(outcome.failures, 1);
        QCOMPARE(outcome.replies, 0);
    }

    void goneReceiverIsNotCalled()
    {
        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:1/x"_s));
        Outcome outcome;
        {
            QObject receiver;
            send(client, &receiver, outcome);
        }
        transport.respond(0, checkUserReply);
        QCOMPARE(outcome.replies, 0);
    }

    void overTheWire_data()
    {
        QTest::addColumn<LocalHttpServer::Response>("response");
        QTest::addColumn<int>("replies");
        QTest::addColumn<bool>("hasReturnText");

        LocalHttpServer::Response whole;
        whole.body = checkUserReply;
        QTest::newRow("whole reply") << whole << 1 << true;

        LocalHttpServer::Response pieces = whole;
        pieces.pieces = 5;
        pieces.pieceDelayMs = 20;
        QTest::newRow("reply in pieces is read once, after the last") << pieces << 1 << true;

        QTest::newRow("error status still delivers the body")
            << LocalHttpServer::Response{500, "text/xml", BadReplies::soapFault()} << 1 << false;

        LocalHttpServer::Response empty;
        QTest::newRow("empty body") << empty << 1 << false;

        LocalHttpServer::Response huge;
        huge.body = QByteArray(NetworkTransport::maximumReplySize + 1024, 'x');
        QTest::newRow("oversized reply is no reply") << huge << 0 << false;

        LocalHttpServer::Response silent;
        silent.silent = true;
        QTest::newRow("silent peer times out") << silent << 0 << false;

        LocalHttpServer::Response hangUp = whole;
        hangUp.declaredLength = whole.body.size() + 100;
        hangUp.closeAfterBody = true;
        QTest::newRow("connection closed mid-body is no reply") << hangUp << 0 << false;

        LocalHttpServer::Response stalled = hangUp;
        stalled.closeAfterBody = false;
        QTest::newRow("body shorter than its length, then silence") << stalled << 0 << false;
    }

    void overTheWire()
    {
        QFETCH(LocalHttpServer::Response, response);
        QFETCH(int, replies);
        QFETCH(bool, hasReturnText);

        LocalHttpServer server;
        QVERIFY(server.listen());
        server.setResponse(response);
        WireCall call(server.url(u"/trvo/ws/appService"_s));
        QTRY_COMPARE_WITH_TIMEOUT(call.ends(), 1, 10000);
        QCOMPARE(call.outcome.replies, replies);
        QCOMPARE(call.outcome.returnText.has_value(), hasReturnText);

        QCOMPARE(server.requests().size(), 1);
        const LocalHttpServer::Request &request = server.requests().constFirst();
        QCOMPARE(request.method, "POST");
        QCOMPARE(request.path, "/trvo/ws/appService");
        QCOMPARE(request.headers.value("content-type"), "text/xml;charset=utf-8");
        QCOMPARE(request.body, Envelope::body(ServiceOperation::checkUser,
                                              {{u"useraccount"_s, u"13912345678"_s}}));
        // Only once: nothing more arrives later.
        QTest::qWait(50);
        QCOMPARE(call.ends(), 1);
    }

    void badRepliesOverTheWire_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");

        for (const int status : {200, 500}) {
            for (const BadReplies::Case &bad :
                 BadReplies::forOperation(ServiceOperation::checkUser))
                QTest::addRow("%d %s", status, bad.name.constData()) << status << bad.body;
        }
    }

    void badRepliesOverTheWire()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);

        LocalHttpServer server;
        QVERIFY(server.listen());
        server.setResponse({status, "text/html", body});

        // Whatever the status, the body arrives whole, once, and reads as it would from memory.
        WireCall call(server.url(u"/trvo/ws/appService"_s));
        QTRY_COMPARE_WITH_TIMEOUT(call.ends(), 1, 10000);
        QCOMPARE(call.outcome.replies, 1);
        QCOMPARE(call.outcome.returnText,
                 ServiceReply::unwrap(ServiceOperation::checkUser, body).returnText);
        QVERIFY(call.outcome.returnText != u"1"_s);
    }

    void hugeReplyIsDroppedAtItsFirstBytes()
    {
        constexpr qint64 size = 50 * 1024 * 1024;
        LocalHttpServer server;
        QVERIFY(server.listen());
        LocalHttpServer::Response huge;
        huge.body = QByteArray(size, 'x');
        huge.pieces = 50;
        huge.pieceDelayMs = 50;
        server.setResponse(huge);

        WireCall call(server.url(u"/trvo/ws/appService"_s), NetworkTransport::defaultTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(call.outcome.failures, 1, 10000);
        QCOMPARE(call.outcome.replies, 0);
        // The announced length is refused at the first bytes: the client hangs up before
        // even the limit's worth of the body has been sent.
        QCOMPARE_LT(server.bodyBytesWritten(), NetworkTransport::maximumReplySize);
    }

    void refusedConnectionIsSilentToTheReplyHandler()
    {
        // Port 1 on loopback: nothing listens there.
        WireCall call(QUrl(u"http://127.0.0.1:1/trvo/ws/appService"_s));
        QTRY_COMPARE(call.outcome.failures, 1);
        QCOMPARE(call.outcome.replies, 0);
    }
};

QTEST_GUILESS_MAIN(TestServiceClient)
#include "tst_serviceclient.moc"
