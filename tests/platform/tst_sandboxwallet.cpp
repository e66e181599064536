#include "platform/SandboxWallet.h"
#include "platform/WXApiDelegate.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView appId{"wx5d0c3f1a9e7b2468"};

struct RecordingDelegate final : WXApiDelegate
{
    void onResp(const PayResp &resp) override { responses.append(resp); }
    QList<PayResp> responses;
};

} // namespace

class TestSandboxWallet : public QObject
{
    Q_OBJECT

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
        SandboxWallet wallet;
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
        SandboxWallet wallet;
        if (registered)
            wallet.registerApp(appId, u"Morvel"_s);
        RecordingDelegate delegate;

        QVERIFY(!wallet.handleOpenURL(QUrl(url), &delegate));
        QVERIFY(delegate.responses.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSandboxWallet)
#include "tst_sandboxwallet.moc"
