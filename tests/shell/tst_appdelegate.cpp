#include "FakeLocalNotifications.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "platform/SandboxWallet.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"
#include "shell/AppDelegate.h"

#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QUrl serviceUrl(u"http://127.0.0.1:7001/trvo/ws/appService"_s);
const QString storedIdentifier = u"0F8E2D4C-1B3A-4C5D-9E6F-7A8B9C0D1E2F"_s;
const QString staleIdentifier = u"11111111-2222-4333-8444-555555555555"_s;

/// The platform as the fakes give it, and a delegate over it.
struct Launch
{
    FakeSettingsStore settings;
    FakeSecureStore secureStore;
    FakeTransport transport;
    ServiceClient service{&transport, serviceUrl};
    FakeWalletSdk wallet;
    FakeLocalNotifications notifications;
    AppDelegate delegate{&settings, &secureStore, &service, &wallet, &notifications};

    QString identifierInSettings() const { return settings.string(u"UUID"_s); }
    QString identifierInSecureStore() const
    {
        return secureStore.items.value(FakeSecureStore::key(u"QDMRVL"_s, u"LP"_s));
    }
};

// A random UUID as 36 upper-case characters, hyphens at 9, 14, 19 and 24 (from 1).
bool isIdentifier(const QString &text)
{
    static const QRegularExpression form(
        u"^[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}$"_s);
    return text.size() == 36 && form.match(text).hasMatch();
}

QByteArray updateInfoBody(const QString &identifier)
{
    return Envelope::body(ServiceOperation::updateInfo, {{u"uuid"_s, identifier}});
}

// A message poll's reply, which must not be read while the launch announcement is awaited.
const QByteArray messagesReply =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
    "<ns0:updateInfoResponse xmlns:ns0=\"http://service.trvo.tarvo.cn/\"><return>"
    "&lt;info&gt;&lt;queryList&gt;&lt;titles&gt;T&lt;/titles&gt;&lt;contexts&gt;C"
    "&lt;/contexts&gt;&lt;msgid&gt;12&lt;/msgid&gt;&lt;/queryList&gt;&lt;/info&gt;"
    "</return></ns0:updateInfoResponse></soap:Body></soap:Envelope>";

} // namespace

class TestAppDelegate : public QObject
{
    Q_OBJECT

private slots:
    void deviceIdentifierAtLaunch_data()
    {
        QTest::addColumn<QString>("inSecureStore");
        QTest::addColumn<bool>("secureStoreWorks");
        QTest::addColumn<QString>("inSettings");
        QTest::addColumn<bool>("madeNew");

        QTest::newRow("first launch") << QString() << true << QString() << true;
        QTest::newRow("second launch") << storedIdentifier << true << storedIdentifier << false;
        QTest::newRow("settings cleared") << storedIdentifier << true << QString() << false;
        QTest::newRow("settings out of date")
            << storedIdentifier << true << staleIdentifier << false;
        QTest::newRow("secure store unavailable") << QString() << false << QString() << true;
        QTest::newRow("secure store unavailable, old copy in settings")
            << QString() << false << staleIdentifier << true;
    }

    void deviceIdentifierAtLaunch()
    {
        QFETCH(QString, inSecureStore);
        QFETCH(bool, secureStoreWorks);
        QFETCH(QString, inSettings);
        QFETCH(bool, madeNew);
        Launch launch;
        if (!inSecureStore.isEmpty())
            launch.secureStore.write(u"QDMRVL"_s, u"LP"_s, u"LP"_s, inSecureStore);
        launch.secureStore.writes = 0;
        launch.secureStore.available = secureStoreWorks;
        if (!inSettings.isEmpty())
            launch.settings.setValue(u"UUID"_s, inSettings);

        QVERIFY(launch.delegate.didFinishLaunchingWithOptions());

        const QString identifier = launch.identifierInSettings();
        if (madeNew) {
            QVERIFY2(isIdentifier(identifier), qPrintable(identifier));
            QVERIFY(identifier != inSettings);
            QCOMPARE(launch.secureStore.writes, 1);
            if (secureStoreWorks)
                QCOMPARE(launch.identifierInSecureStore(), identifier);
        } else {
            QCOMPARE(identifier, inSecureStore);
            QCOMPARE(launch.secureStore.writes, 0);
        }
        // Announced once, with the identifier of this launch.
        QCOMPARE(launch.transport.requests().size(), 1);
        QCOMPARE(launch.transport.lastRequest().url, serviceUrl);
        QCOMPARE(launch.transport.lastRequest().body, updateInfoBody(identifier));
    }

    void newIdentifiersAreRandomUuids()
    {
        QSet<QString> seen;
        for (int i = 0; i < 64; ++i) {
            const QString identifier = AppDelegate::uuid();
            QVERIFY2(isIdentifier(identifier), qPrintable(identifier));
            seen.insert(identifier);
        }
        QCOMPARE(seen.size(), 64);
    }

    void launchSteps()
    {
        Launch launch;
        int windowRequests = 0;
        connect(&launch.delegate, &AppDelegate::windowNeeded, this, [&] {
            ++windowRequests;
            // The window comes after the announcement and the wallet, before the permission.
            QCOMPARE(launch.transport.requests().size(), 1);
            QCOMPARE(launch.wallet.registrations.size(), 1);
            QVERIFY(launch.notifications.permissionRequests.isEmpty());
        });

        QVERIFY(launch.delegate.didFinishLaunchingWithOptions());

        QCOMPARE(windowRequests, 1);
        QCOMPARE(launch.wallet.registrations.size(), 1);
        QCOMPARE(launch.wallet.registrations[0].appId, u"wx5d0c3f1a9e7b2468"_s);
        QCOMPARE(launch.wallet.registrations[0].description, u"Morvel"_s);
        QCOMPARE(launch.notifications.permissionRequests, QList<int>{7});
        QCOMPARE(launch.delegate.flag(), 0);
        QCOMPARE(launch.delegate.msgid(), u"0"_s);
    }

    void updateInfoReplyChangesNothing()
    {
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        const QVariantMap settingsBefore = launch.settings.values;

        launch.transport.respond(0, messagesReply);

        QCOMPARE(launch.delegate.flag(), 0);
        QCOMPARE(launch.delegate.msgid(), u"0"_s);
        QVERIFY(launch.delegate.dicnory().isEmpty());
        QVERIFY(launch.delegate.sendArray().isEmpty());
        QCOMPARE(launch.delegate.pushNumber(), 0);
        QCOMPARE(launch.settings.values, settingsBefore);
        QCOMPARE(launch.transport.requests().size(), 1);
        QCOMPARE(launch.notifications.permissionRequests.size(), 1);
    }

    void urlsGoToTheWallet_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("handled");

        QTest::newRow("payment cancelled")
            << u"wx5d0c3f1a9e7b2468://pay/?returnKey=K&ret=-2"_s << true;
        QTest::newRow("another app's URL") << u"wx0000000000000000://pay/?ret=0"_s << false;
        QTest::newRow("web page") << u"http://127.0.0.1:7001/pay/?ret=0"_s << false;
    }

    void urlsGoToTheWallet()
    {
        QFETCH(QString, url);
        QFETCH(bool, handled);
        Launch launch;
        QNetworkAccessManager network;
        SandboxWallet wallet(&network, QUrl());
        AppDelegate delegate(&launch.settings, &launch.secureStore, &launch.service, &wallet,
                             &launch.notifications);
        delegate.didFinishLaunchingWithOptions();
        // The response reaches the delegate, which so far only logs it.
        if (handled)
            QTest::ignoreMessage(QtInfoMsg, "payment response: errCode -2");

        QCOMPARE(delegate.handleOpenURL(QUrl(url)), handled);
    }
};

QTEST_GUILESS_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
