#include "FakeWalletSdk.h"
#include "LocalHttpServer.h"
#include "platform/AppOptions.h"
#include "platform/SandboxWallet.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView appId{"wx5d0c3f1a9e7b2468"};

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
    // Answers the wallet hands back, and URLs that are not answers for this app.
    void openedUrls_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<std::optional<PayResp>>("answer"); // none: not handled

        const auto resp = [](int errCode, const QString &returnKey, const QString &errStr) {
            PayResp answer;
            answer.errCode = errCode;
            answer.returnKey = returnKey;
            answer.errStr = errStr;
            return std::optional(answer);
        };
        const QString app = u"wx5d0c3f1a9e7b2468"_s;
        QTest::newRow("paid") << app + u"://pay/?returnKey=K1&ret=0"_s << true
                              << resp(0, u"K1"_s, {});
        QTest::newRow("cancelled, no path") << app + u"://pay?ret=-2"_s << true << resp(-2, {}, {});
        QTest::newRow("failed with an encoded reason")
            << app + u"://pay/?ret=-1&errStr=%E7%AD%BE%E5%90%8D%E9%94%99%E8%AF%AF&returnKey=a%26b"_s
            << true << resp(-1, u"a&b"_s, u"签名错误"_s);
        QTest::newRow("scheme in capitals")
            << u"WX5D0C3F1A9E7B2468://pay/?ret=0"_s << true << resp(0, {}, {});
        const std::optional<PayResp> none;
        QTest::newRow("before registration") << app + u"://pay/?ret=0"_s << false << none;
        QTest::newRow("another app's scheme")
            << u"wx0000000000000000://pay/?ret=0"_s << true << none;
        QTest::newRow("web address") << u"https://pay/?ret=0"_s << true << none;
        QTest::newRow("not a payment") << app + u"://oauth/?ret=0"_s << true << none;
        QTest::newRow("payment under a path") << app + u"://pay/x?ret=0"_s << true << none;
        QTest::newRow("no result") << app + u"://pay/?returnKey=K"_s << true << none;
        QTest::newRow("result not a number") << app + u"://pay/?ret=ok"_s << true << none;
        QTest::newRow("empty") << QString() << true << none;
    }

    void openedUrls()
    {
        QFETCH(QString, url);
        QFETCH(bool, registered);
        QFETCH(std::optional<PayResp>, answer);
        SandboxWallet wallet(&network, QUrl());
        if (registered)
            wallet.registerApp(appId, u"Morvel"_s);
        RecordingWalletDelegate delegate;

        QCOMPARE(wallet.handleOpenURL(QUrl(url), &delegate), answer.has_value());
        QCOMPARE(delegate.responses.size(), answer ? 1 : 0);
        if (answer) {
            QCOMPARE(delegate.responses[0].errCode, answer->errCode);
            QCOMPARE(delegate.responses[0].returnKey, answer->returnKey);
            QCOMPARE(delegate.responses[0].errStr, answer->errStr);
        }
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
        const PayReq sent = payment();
        QCOMPARE(QJsonDocument::fromJson(request.body).object(),
                 (QJsonObject{{u"appid"_s, QString(appId)},
                              {u"partnerId"_s, sent.partnerId},
                              {u"prepayId"_s, sent.prepayId},
                              {u"package"_s, sent.package},
                              {u"nonceStr"_s, sent.nonceStr},
                              {u"timeStamp"_s, qint64(sent.timeStamp)},
                              {u"sign"_s, sent.sign}}));

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
        RecordingWalletDelegate delegate;
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
