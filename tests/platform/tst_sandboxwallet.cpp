#include "LocalHttpServer.h"
#include "platform/AppOptions.h"
#include "platform/SandboxWallet.h"
#include "platform/WXApiDelegate.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView appId{"wx5d0c3f1a9e7b2468"};

struct RecordingDelegate final : WXApiDelegate
{
    void onResp(const PayResp &resp) override { responses.append(resp); }
    QList<PayResp> responses;
};

PayReq payment()
{
    PayReq request;
    request.partnerId = u"1298765430"_s;
    request.prepayId = u"wx20250301120000a1b2c3d4e5f6a7b8c9"_s;
    request.package = u"Sign=WXPay"_s;
    request.nonceStr = u"0C0B4D6C3D2A1B9F8E7D6C5B4A392817"_s;
    request.timeStamp = 4000000000u; // beyond a signed 32-bit number
    request.sign = u"5D41402ABC4B2A76B9719D911017C592"_s;
    return request;
}

QByteArray walletAnswer(const QString &url)
{
    return QJsonDocument(QJsonObject{{u"url"_s, url}}).toJson(QJsonDocument::Compact);
}

} // namespace

class TestSandboxWallet : public QObject
{
    Q_OBJECT

    QNetworkAccessManager network;

private slots:
    void responseUrls_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("errCode");
        QTest::addColumn<QString>("returnKey");
        QTest::addColumn<QString>("errStr");

        QTest::newRow("paid") << u"wx5d0c3f1a9e7b2468://pay/?returnKey=K1&ret=0"_s << 0 << u"K1"_s
                              << QString();
        QTest::newRow("cancelled, no path")
            << u"wx5d0c3f1a9e7b2468://pay?ret=-2"_s << -2 << QString() << QString();
        QTest::newRow("failed with an encoded reason")
            << u"wx5d0c3f1a9e7b2468://pay/?ret=-1&errStr=%E7%AD%BE%E5%90%8D%E9%94%99%E8%AF%AF"
               u"&returnKey=a%26b"_s
            << -1 << u"a&b"_s << u"签名错误"_s;
        QTest::newRow("scheme in capitals")
            << u"WX5D0C3F1A9E7B2468://pay/?ret=0"_s << 0 << QString() << QString();
    }

    void responseUrls()
    {
        QFETCH(QString, url);
        QFETCH(int, errCode);
        QFETCH(QString, returnKey);
        QFETCH(QString, errStr);
        SandboxWallet wallet(&network, QUrl());
        wallet.registerApp(appId, u"Morvel"_s);
        RecordingDelegate delegate;

        QVERIFY(wallet.handleOpenURL(QUrl(url), &delegate));
        QCOMPARE(delegate.responses.size(), 1);
        QCOMPARE(delegate.responses[0].errCode, errCode);
        QCOMPARE(delegate.responses[0].returnKey, returnKey);
        QCOMPARE(delegate.responses[0].errStr, errStr);
    }

    void foreignUrls_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("registered");

        QTest::newRow("before registration") << u"wx5d0c3f1a9e7b2468://pay/?ret=0"_s << false;
        QTest::newRow("another app's scheme") << u"wx0000000000000000://pay/?ret=0"_s << true;
        QTest::newRow("web address") << u"https://pay/?ret=0"_s << true;
        QTest::newRow("not a payment") << u"wx5d0c3f1a9e7b2468://oauth/?ret=0"_s << true;
        QTest::newRow("payment under a path") << u"wx5d0c3f1a9e7b2468://pay/x?ret=0"_s << true;
        QTest::newRow("no result") << u"wx5d0c3f1a9e7b2468://pay/?returnKey=K"_s << true;
        QTest::newRow("result not a number") << u"wx5d0c3f1a9e7b2468://pay/?ret=ok"_s << true;
        QTest::newRow("empty") << QString() << true;
    }

    void foreignUrls()
    {
        QFETCH(QString, url);
        QFETCH(bool, registered);
        SandboxWallet wallet(&network, QUrl());
        if (registered)
            wallet.registerApp(appId, u"Morvel"_s);
        RecordingDelegate delegate;

        QVERIFY(!wallet.handleOpenURL(QUrl(url), &delegate));
        QVERIFY(delegate.responses.isEmpty());
    }

    void sendsTheRequestAndOpensTheAnswer_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answeredUrl");

        QTest::newRow("paid") << 200 << u"wx5d0c3f1a9e7b2468://pay/?ret=0&returnKey=K1"_s;
        QTest::newRow("refused") << 200 << u"wx5d0c3f1a9e7b2468://pay/?ret=-1&errStr=%E7%AD%BE"_s;
        // The wallet's own answer counts even with an error status.
        QTest::newRow("refused as a bad request")
            << 400 << u"wx5d0c3f1a9e7b2468://pay/?ret=-1&errStr=bad"_s;
    }

    void sendsTheRequestAndOpensTheAnswer()
    {
        QFETCH(int, status);
        QFETCH(QString, answeredUrl);
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.setResponse({status, "application/json", walletAnswer(answeredUrl)});
        SandboxWallet wallet(&network, server.url(u"/wallet/pay"_s));
        wallet.registerApp(appId, u"Morvel"_s);
        QList<QUrl> opened;
        wallet.setUrlOpener([&opened](const QUrl &url) { opened.append(url); });

        QVERIFY(wallet.sendReq(payment()));
        QTRY_COMPARE(opened.size(), 1);
        QCOMPARE(opened.first(), QUrl(answeredUrl));

        QCOMPARE(server.requests().size(), 1);
        const LocalHttpServer::Request &request = server.requests().first();
        QCOMPARE(request.method, "POST");
        QCOMPARE(request.path, "/wallet/pay");
        QCOMPARE(request.headers.value("content-type"), "application/json");
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        const PayReq sent = payment();
        QCOMPARE(body.value(u"appid"_s).toString(), QString(appId));
        QCOMPARE(body.value(u"partnerId"_s).toString(), sent.partnerId);
        QCOMPARE(body.value(u"prepayId"_s).toString(), sent.prepayId);
        QCOMPARE(body.value(u"package"_s).toString(), sent.package);
        QCOMPARE(body.value(u"nonceStr"_s).toString(), sent.nonceStr);
        QCOMPARE(body.value(u"timeStamp"_s).toInteger(), qint64(sent.timeStamp));
        QCOMPARE(body.value(u"sign"_s).toString(), sent.sign);
        QCOMPARE(body.size(), 7);

        // Exactly one answer per request, however long the app keeps running.
        QTest::qWait(50);
        QCOMPARE(opened.size(), 1);
    }

    void noAnswerStillEndsThePayment_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<LocalHttpServer::Response>("response");

        LocalHttpServer::Response silent;
        silent.silent = true;
        QTest::newRow("silent wallet") << true << silent;
        QTest::newRow("nobody listening") << false << LocalHttpServer::Response();
        QTest::newRow("a web page instead")
            << true
            << LocalHttpServer::Response{502, "text/html", "<html>Bad Gateway</html>", 1, 0, false};
        QTest::newRow("JSON without a URL")
            << true
            << LocalHttpServer::Response{200, "application/json", "{\"ok\":true}", 1, 0, false};
    }

    void noAnswerStillEndsThePayment()
    {
        QFETCH(bool, listening);
        QFETCH(LocalHttpServer::Response, response);
        QUrl walletUrl;
        auto server = std::make_unique<LocalHttpServer>();
        QVERIFY(server->listen());
        server->setResponse(response);
        walletUrl = server->url(u"/wallet/pay"_s);
        if (!listening)
            server.reset();

        SandboxWallet wallet(&network, walletUrl);
        wallet.registerApp(appId, u"Morvel"_s);
        wallet.setTimeout(std::chrono::milliseconds(300));
        QList<QUrl> opened;
        wallet.setUrlOpener([&opened](const QUrl &url) { opened.append(url); });

        QVERIFY(wallet.sendReq(payment()));
        QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, 3000);
        RecordingDelegate delegate;
        QVERIFY(wallet.handleOpenURL(opened.first(), &delegate));
        QCOMPARE(delegate.responses.size(), 1);
        QVERIFY(delegate.responses.first().errCode != 0);
        QCOMPARE(delegate.responses.first().errStr, u"钱包无响应"_s);
    }

    void availability_data()
    {
        QTest::addColumn<WalletAvailability>("availability");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("supportsApi");

        QTest::newRow("installed") << WalletAvailability::installed << true << true;
        QTest::newRow("missing") << WalletAvailability::missing << false << false;
        QTest::newRow("unsupported") << WalletAvailability::unsupported << true << false;
    }

    void availability()
    {
        QFETCH(WalletAvailability, availability);
        QFETCH(bool, installed);
        QFETCH(bool, supportsApi);
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.setResponse(
            {200, "application/json", walletAnswer(u"wx5d0c3f1a9e7b2468://pay/?ret=0"_s)});
        SandboxWallet wallet(&network, server.url(u"/wallet/pay"_s), availability);
        wallet.registerApp(appId, u"Morvel"_s);
        QList<QUrl> opened;
        wallet.setUrlOpener([&opened](const QUrl &url) { opened.append(url); });

        QCOMPARE(wallet.isWXAppInstalled(), installed);
        QCOMPARE(wallet.isWXAppSupportApi(), supportsApi);
        const bool canPay = installed && supportsApi;
        QCOMPARE(wallet.sendReq(payment()), canPay);
        if (canPay)
            QTRY_COMPARE(opened.size(), 1);
        QTest::qWait(50);
        QCOMPARE(server.requests().size(), canPay ? 1 : 0);
        QCOMPARE(opened.size(), canPay ? 1 : 0);
    }

    void walletOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<WalletAvailability>("availability");
        QTest::addColumn<bool>("refused");

        QTest::newRow("default") << QStringList() << QString() << WalletAvailability::installed
                                 << false;
        QTest::newRow("from the environment")
            << QStringList() << u"missing"_s << WalletAvailability::missing << false;
        QTest::newRow("the command line wins")
            << QStringList{u"--wallet"_s, u"unsupported"_s} << u"missing"_s
            << WalletAvailability::unsupported << false;
        QTest::newRow("unknown state") << QStringList{u"--wallet=absent"_s} << QString()
                                       << WalletAvailability::installed << true;
    }

    void walletOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(WalletAvailability, availability);
        QFETCH(bool, refused);
        if (environment.isEmpty())
            qunsetenv("TARVO_WALLET");
        else
            qputenv("TARVO_WALLET", environment.toUtf8());

        QCommandLineParser parser;
        AppOptions::addTo(parser);
        QVERIFY(parser.parse(QStringList{u"tarvo"_s} + arguments));
        const AppOptions options = AppOptions::from(parser);
        qunsetenv("TARVO_WALLET");
        QCOMPARE(options.walletAvailability, availability);
        QCOMPARE(!options.error.isEmpty(), refused);
    }

    void walletUrl_data()
    {
        QTest::addColumn<QString>("website");
        QTest::addColumn<QString>("walletUrl");

        QTest::newRow("site at the root")
            << u"http://127.0.0.1:7001"_s << u"http://127.0.0.1:7001/wallet/pay"_s;
        QTest::newRow("site under a path, trailing slash")
            << u"http://example.test/site/"_s << u"http://example.test/site/wallet/pay"_s;
    }

    void walletUrl()
    {
        QFETCH(QString, website);
        QFETCH(QString, walletUrl);
        AppOptions options;
        options.websiteUrl = QUrl(website);
        QCOMPARE(options.walletUrl(), QUrl(walletUrl));
    }
};

QTEST_GUILESS_MAIN(TestSandboxWallet)
#include "tst_sandboxwallet.moc"
