// tarvo-cli against a local server that answers with hand-made replies: real-shaped
// documents, and a reply that drips in.
#include "LocalHttpServer.h"
#include "TestData.h"
#include "billing/PaymentRows.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray dataFile(const QString &name)
{
    return TestData::file(u"billing/"_s + name + u".xml"_s);
}

} // namespace

class TestCliReplies : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    /// Runs `tarvo-cli query ACCOUNT --json` against the server while the event loop serves it.
    struct QueryRun
    {
        int status = -1;
        QJsonObject json;
        qint64 elapsedMs = -1;
    };

    QueryRun query(const LocalHttpServer &server)
    {
        QProcess cli;
        QSignalSpy finished(&cli, &QProcess::finished);
        QElapsedTimer clock;
        clock.start();
        cli.start(QStringLiteral(TARVO_CLI),
                  {u"query"_s, u"2000017"_s, u"--json"_s, u"--service"_s,
                   server.url(u"/trvo/ws/appService"_s).toString(), u"--home"_s, m_home.path()});
        if (!finished.wait(30000)) {
            cli.kill();
            cli.waitForFinished();
            return {};
        }
        return {cli.exitCode(), QJsonDocument::fromJson(cli.readAllStandardOutput()).object(),
                clock.elapsed()};
    }

private slots:
    void realShapedReplies_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("indented") << u"arrears-indented"_s;
        QTest::newRow("attributes") << u"arrears-attributes"_s;
        QTest::newRow("in GBK") << u"arrears-gbk"_s;
    }

    void realShapedReplies()
    {
        QFETCH(QString, file);
        LocalHttpServer server;
        QVERIFY(server.listen());
        LocalHttpServer::Response reply;
        reply.body = dataFile(file);
        QVERIFY(!reply.body.isEmpty());
        server.setResponse(reply);

        const QueryRun run = query(server);
        QCOMPARE(run.status, 0);
        const QJsonArray rows = run.json.value(u"rows"_s).toArray();
        QCOMPARE(rows.size(), qsizetype(PaymentRows::count));
        QCOMPARE(rows[PaymentRows::water].toString(), u"52.00元"_s);
        QCOMPARE(rows[PaymentRows::electricity].toString(), u"176.00元"_s);
        QCOMPARE(rows[PaymentRows::gas].toString(), u"30.00元"_s);
        QCOMPARE(rows[PaymentRows::amountDue].toString(), u"258.00元"_s);
        const QJsonArray bills =
            run.json.value(u"model"_s).toObject().value(u"queryList"_s).toArray();
        QCOMPARE(bills.size(), 12);
        QCOMPARE(bills.last().toObject().value(u"rcvblAmtId"_s).toString(), u"G204"_s);
    }

    void drippingReplyIsNoReply()
    {
        LocalHttpServer server;
        QVERIFY(server.listen());
        LocalHttpServer::Response drip;
        drip.body = dataFile(u"arrears-indented"_s);
        drip.pieces = int(drip.body.size()); // a byte every 200 ms: far beyond any deadline
        drip.pieceDelayMs = 200;
        server.setResponse(drip);

        const QueryRun run = query(server);
        QCOMPARE(run.status, 3);
        QCOMPARE_LT(run.elapsedMs, 20000);
    }
};

QTEST_GUILESS_MAIN(TestCliReplies)
#include "tst_clireplies.moc"
