#include "FakeClock.h"
#include "FakeKeychainBackend.h"
#include "FakeLocalNotifications.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "MessageReplies.h"
#include "platform/KeychainSecureStore.h"
#include "platform/SandboxWallet.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"
#include "shell/AppDelegate.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using MessageReplies::Message;

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
    FakeClock clock;

    Launch() { delegate.setClock(&clock); }

    /// Goes into the background and answers the poll with `reply`.
    void poll(const QByteArray &reply)
    {
        delegate.applicationDidEnterBackground();
        transport.respond(transport.requests().size() - 1, reply);
    }
    QStringList bodies() const
    {
        QStringList result;
        for (const LocalNotification &notification : notifications.scheduled)
            result.append(notification.alertBody);
        return result;
    }
    QList<qint64> badges() const
    {
        QList<qint64> result;
        for (const LocalNotification &notification : notifications.scheduled)
            result.append(notification.applicationIconBadgeNumber);
        return result;
    }

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

QByteArray backMessageBody(const QString &msgid)
{
    return Envelope::body(ServiceOperation::backMessage, {{u"msgid"_s, msgid}});
}

QList<qint64> oneTo(qint64 n)
{
    QList<qint64> numbers;
    for (qint64 i = 1; i <= n; ++i)
        numbers.append(i);
    return numbers;
}

// A message poll's reply, which must not be read while the launch announcement is awaited.
const QByteArray messagesReply = BadReplies::documentReply(
    u"updateInfo"_s,
    u"<info><queryList><titles>T</titles><contexts>C</contexts><msgid>12</msgid></queryList></info>"_s);

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
        QTest::addColumn<QString>("kept"); ///< empty: a new one is made
        QTest::addColumn<bool>("writesSecureStore");

        QTest::newRow("first launch") << QString() << true << QString() << QString() << true;
        QTest::newRow("second launch")
            << storedIdentifier << true << storedIdentifier << storedIdentifier << false;
        QTest::newRow("settings cleared")
            << storedIdentifier << true << QString() << storedIdentifier << false;
        // A settings file from a copied or restored profile does not take over the device.
        QTest::newRow("both, different: the secure store's")
            << storedIdentifier << true << staleIdentifier << storedIdentifier << false;
        QTest::newRow("secure store lost its copy: the settings' goes back")
            << QString() << true << storedIdentifier << storedIdentifier << true;
        QTest::newRow("secure store unavailable")
            << QString() << false << QString() << QString() << true;
        QTest::newRow("secure store unavailable, copy in settings")
            << QString() << false << storedIdentifier << storedIdentifier << true;
    }

    void deviceIdentifierAtLaunch()
    {
        QFETCH(QString, inSecureStore);
        QFETCH(bool, secureStoreWorks);
        QFETCH(QString, inSettings);
        QFETCH(QString, kept);
        QFETCH(bool, writesSecureStore);
        Launch launch;
        if (!inSecureStore.isEmpty())
            launch.secureStore.write(u"QDMRVL"_s, u"LP"_s, u"LP"_s, inSecureStore);
        launch.secureStore.writes = 0;
        launch.secureStore.available = secureStoreWorks;
        if (!inSettings.isEmpty())
            launch.settings.setValue(u"UUID"_s, inSettings);

        QVERIFY(launch.delegate.didFinishLaunchingWithOptions());

        const QString identifier = launch.identifierInSettings();
        if (kept.isEmpty())
            QVERIFY2(isIdentifier(identifier), qPrintable(identifier));
        else
            QCOMPARE(identifier, kept);
        QCOMPARE(launch.secureStore.writes, writesSecureStore ? 1 : 0);
        if (secureStoreWorks)
            QCOMPARE(launch.identifierInSecureStore(), identifier);
        // Announced once, with the identifier of this launch.
        QCOMPARE(launch.transport.requests().size(), 1);
        QCOMPARE(launch.transport.lastRequest().url, serviceUrl);
        QCOMPARE(launch.transport.lastRequest().body, updateInfoBody(identifier));
    }

    void identifierOutlivesASecretServiceThatComesAndGoes()
    {
        // The keychain answers at the first launch, is gone at the second (its file fallback
        // is empty) and back at the third: the device keeps one identifier throughout.
        FakeSettingsStore settings;
        FakeKeychainBackend *keychain = nullptr;
        FakeSecureStore *file = nullptr;
        const auto launchWith = [&](FakeKeychainBackend::Mode mode) {
            auto fallback = std::make_unique<FakeSecureStore>();
            if (file)
                fallback->items = file->items;
            auto backend = std::make_unique<FakeKeychainBackend>();
            if (keychain)
                backend->items = keychain->items;
            backend->mode = mode;
            file = fallback.get();
            keychain = backend.get();
            return std::make_unique<KeychainSecureStore>(std::move(fallback), std::move(backend));
        };
        QStringList identifiers;
        std::unique_ptr<KeychainSecureStore> store;
        for (const FakeKeychainBackend::Mode mode :
             {FakeKeychainBackend::Mode::Answers, FakeKeychainBackend::Mode::Unusable,
              FakeKeychainBackend::Mode::Answers, FakeKeychainBackend::Mode::Hangs}) {
            store = launchWith(mode);
            FakeTransport transport;
            ServiceClient service(&transport, serviceUrl);
            FakeWalletSdk wallet;
            FakeLocalNotifications notifications;
            AppDelegate delegate(&settings, store.get(), &service, &wallet, &notifications);
            QElapsedTimer clock;
            clock.start();
            delegate.didFinishLaunchingWithOptions();
            // A hung secret service holds the launch up once, and only briefly.
            QVERIFY2(clock.elapsed() < KeychainSecureStore::answerTimeout.count() + 500,
                     qPrintable(QString::number(clock.elapsed())));
            identifiers.append(settings.string(u"UUID"_s));
        }

        QVERIFY(isIdentifier(identifiers.constFirst()));
        QCOMPARE(identifiers, QStringList(4, identifiers.constFirst()));
        // Both homes of the lasting copy hold it now.
        QCOMPARE(keychain->items.value(FakeKeychainBackend::key(u"QDMRVL"_s, u"LP"_s)),
                 identifiers.constFirst());
        QCOMPARE(file->items.value(FakeSecureStore::key(u"QDMRVL"_s, u"LP"_s)),
                 identifiers.constFirst());
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
    }

    void updateInfoReplyChangesNothing()
    {
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        const QVariantMap settingsBefore = launch.settings.values;

        launch.transport.respond(0, messagesReply);

        QCOMPARE(launch.settings.values, settingsBefore);
        QCOMPARE(launch.transport.requests().size(), 1);
        QCOMPARE(launch.notifications.permissionRequests.size(), 1);
        QVERIFY(launch.notifications.scheduled.isEmpty());
        // The message id it carried is not taken as seen.
        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(u"0"_s));
    }

    void pollReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("bodies");
        QTest::addColumn<QString>("msgid");

        QTest::newRow("one message")
            << MessageReplies::messages({{u"停水通知"_s, u"周六停水"_s, u"12"_s}})
            << QStringList{u"停水通知\n周六停水"_s} << u"12"_s;
        QTest::newRow("three messages, greatest id in the middle")
            << MessageReplies::messages({{u"A"_s, u"a"_s, u"12"_s},
                                         {u"B"_s, u"b"_s, u"15"_s},
                                         {u"C"_s, u"c"_s, u"14"_s}})
            << QStringList{u"A\na"_s, u"B\nb"_s, u"C\nc"_s} << u"15"_s;
        QTest::newRow("message without a title")
            << MessageReplies::messages({{{}, u"text only"_s, u"3"_s}})
            << QStringList{u"text only"_s} << u"3"_s;
        // Nothing to show: skipped, yet seen, so the next poll does not ask for it again.
        QTest::newRow("blank message")
            << MessageReplies::messages({{{}, {}, u"9"_s}}) << QStringList() << u"9"_s;
        QTest::newRow("empty title and text")
            << MessageReplies::messages({{u""_s, u" "_s, u"9"_s}}) << QStringList() << u"9"_s;
        QTest::newRow("blank message among others, greatest id")
            << MessageReplies::messages(
                   {{u"A"_s, u"a"_s, u"5"_s}, {{}, {}, u"7"_s}, {u"B"_s, u"b"_s, u"6"_s}})
            << QStringList{u"A\na"_s, u"B\nb"_s} << u"7"_s;
        QTest::newRow("message without an id")
            << MessageReplies::messages({{u"A"_s, u"a"_s, {}}, {u"B"_s, u"b"_s, {}}})
            << QStringList{u"A\na"_s, u"B\nb"_s} << u"0"_s;
        QTest::newRow("no queryList") << MessageReplies::messages({}) << QStringList() << u"0"_s;
        QTest::newRow("no reply document")
            << MessageReplies::envelope(u"no messages"_s) << QStringList() << u"0"_s;
        QTest::newRow("not XML") << QByteArray("Service Unavailable") << QStringList() << u"0"_s;
    }

    void pollReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, bodies);
        QFETCH(QString, msgid);
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        launch.clock.now = 1700000000.25;

        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(u"0"_s));
        launch.transport.respond(1, reply);

        QCOMPARE(launch.bodies(), bodies);
        QCOMPARE(launch.badges(), oneTo(bodies.size()));
        for (const LocalNotification &notification : launch.notifications.scheduled) {
            QCOMPARE(notification.fireDate.toMSecsSinceEpoch(), 1700000001250);
            QCOMPARE(notification.alertAction, u"打开应用"_s);
        }
        QVERIFY(launch.notifications.badgeNumbers.isEmpty());

        // The next poll asks after the id seen last.
        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(msgid));
    }

    void lastSeenId_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("after");

        QTest::newRow("10 after 9: numbers, not texts") << u"9"_s << u"10"_s << u"10"_s;
        QTest::newRow("9 after 10") << u"10"_s << u"9"_s << u"10"_s;
        QTest::newRow("same number") << u"12"_s << u"012"_s << u"12"_s;
        QTest::newRow("leading digits, text kept") << u"9"_s << u"12abc"_s << u"12abc"_s;
        QTest::newRow("compared by leading digits") << u"12abc"_s << u"13"_s << u"13"_s;
        QTest::newRow("empty") << u"0"_s << QString() << u"0"_s;
        QTest::newRow("no digits") << u"0"_s << u"abc"_s << u"0"_s;
        QTest::newRow("sign") << u"9"_s << u"+15"_s << u"+15"_s;
        QTest::newRow("negative") << u"0"_s << u"-5"_s << u"0"_s;
        QTest::newRow("beyond 64 bits")
            << u"9223372036854775806"_s << u"99999999999999999999"_s << u"99999999999999999999"_s;
    }

    void lastSeenId()
    {
        QFETCH(QString, before);
        QFETCH(QString, received);
        QFETCH(QString, after);
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        if (before != u"0"_s)
            launch.poll(MessageReplies::messages({{u"T"_s, u"C"_s, before}}));

        launch.poll(MessageReplies::messages({{u"T"_s, u"C"_s, received}}));
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(before));

        // The next poll asks after the id kept.
        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(after));
        // Notified whether or not the id was greater.
        QCOMPARE(launch.notifications.scheduled.size(), before != u"0"_s ? 2 : 1);
        QCOMPARE(launch.notifications.scheduled.constLast().applicationIconBadgeNumber, 1);
    }

    void singleMessageIsRecordedAfresh()
    {
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        launch.poll(MessageReplies::messages({{u"旧标题"_s, u"旧内容"_s, u"1"_s}}));

        launch.poll(MessageReplies::messages({{{}, u"新内容"_s, u"2"_s}}));

        // The earlier message's title does not show up over the new text.
        QCOMPARE(launch.bodies(), (QStringList{u"旧标题\n旧内容"_s, u"新内容"_s}));
    }

    void overlappingPollsNotifyEach()
    {
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        launch.delegate.applicationDidEnterBackground();
        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.requests().at(1).body, backMessageBody(u"0"_s));
        QCOMPARE(launch.transport.requests().at(2).body, backMessageBody(u"0"_s));

        // The later poll answers first; each reply starts its own count.
        launch.transport.respond(
            2, MessageReplies::messages({{u"A"_s, u"a"_s, u"20"_s}, {u"B"_s, u"b"_s, u"21"_s}}));
        launch.transport.respond(1, MessageReplies::messages({{u"C"_s, u"c"_s, u"15"_s}}));

        QCOMPARE(launch.bodies(), (QStringList{u"A\na"_s, u"B\nb"_s, u"C\nc"_s}));
        QCOMPARE(launch.badges(), (QList<qint64>{1, 2, 1}));
        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(u"21"_s));
    }

    void foregroundClearsTheBadgeOnly()
    {
        Launch launch;
        launch.delegate.didFinishLaunchingWithOptions();
        launch.poll(MessageReplies::messages({{u"A"_s, u"a"_s, u"7"_s}, {u"B"_s, u"b"_s, u"8"_s}}));
        const QList<LocalNotification> scheduled = launch.notifications.scheduled;

        launch.delegate.applicationWillEnterForeground();

        QCOMPARE(launch.notifications.badgeNumbers, QList<qint64>{0});
        QCOMPARE(launch.notifications.scheduled, scheduled);
        QCOMPARE(launch.transport.requests().size(), 2);
        // Polling goes on from the messages seen.
        launch.delegate.applicationDidEnterBackground();
        QCOMPARE(launch.transport.lastRequest().body, backMessageBody(u"8"_s));
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
