// The app's service client with a thousand exchanges in flight: each ends exactly once.
#include "BadReplies.h"
#include "LocalHttpServer.h"
#include "platform/NetworkTransport.h"
#include "service/ServiceClient.h"

#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Which exchanges the server spoils, by the account number asked about.
bool faulted(int index)
{
    return index % 7 == 3;
}

bool cutShort(int index, bool cuts)
{
    return cuts && !faulted(index) && index % 10 == 9;
}

} // namespace

class TestLoadServiceClient : public QObject
{
    Q_OBJECT

private slots:
    void thousandExchangesEachEndOnce_data()
    {
        QTest::addColumn<bool>("cuts");
        QTest::newRow("answers and faults") << false;
        QTest::newRow("some connections lost mid-reply") << true;
    }

    void thousandExchangesEachEndOnce()
    {
        QFETCH(bool, cuts);
        constexpr int exchanges = 1000;
        LocalHttpServer server;
        QVERIFY(server.listen());
        // The answer names the account asked about; some exchanges meet a fault or a
        // connection that drops mid-body.
        const QByteArray fault = BadReplies::soapFault();
        server.setResponder([cuts, fault](const LocalHttpServer::Request &request) {
            static const QRegularExpression account(u"useraccount&gt;(\\d+)&lt;"_s);
            const QString number = account.match(QString::fromUtf8(request.body)).captured(1);
            LocalHttpServer::Response response;
            response.body = BadReplies::soapReply(u"checkUser"_s, number);
            if (faulted(number.toInt())) {
                response.status = 500;
                response.body = fault;
            } else if (cutShort(number.toInt(), cuts)) {
                response.declaredLength = response.body.size() + 10;
                response.closeAfterBody = true;
            }
            return response;
        });

        QNetworkAccessManager manager;
        NetworkTransport transport(&manager);
        ServiceClient client(&transport, server.url(u"/trvo/ws/appService"_s));
        QObject receiver;
        QList<int> ends(exchanges);
        int wrongAnswers = 0;
        int failures = 0;
        for (int i = 0; i < exchanges; ++i) {
            client.call(
                ServiceOperation::checkUser, {{u"useraccount"_s, QString::number(i)}}, &receiver,
                [&, i](const ServiceReply &reply) {
                    ++ends[i];
                    const std::optional<QString> expected =
                        faulted(i) ? std::nullopt : std::optional(QString::number(i));
                    if (reply.returnText != expected || cutShort(i, cuts))
                        ++wrongAnswers;
                },
                // Qt fails the requests still queued for the host along with a connection
                // lost mid-reply, so any exchange may fail; none may hear a wrong answer.
                [&, i] {
                    ++ends[i];
                    ++failures;
                });
        }

        QTRY_VERIFY_WITH_TIMEOUT(std::ranges::count(ends, 0) == 0, 60000);
        QTest::qWait(100);
        QCOMPARE(std::ranges::count(ends, 1), exchanges);
        QCOMPARE(wrongAnswers, 0);
        if (!cuts)
            QCOMPARE(failures, 0);
    }
};

QTEST_GUILESS_MAIN(TestLoadServiceClient)
#include "tst_loadserviceclient.moc"
