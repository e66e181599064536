#pragma once

#include "BadReplies.h"
#include "FakeClock.h"
#include "FakePageFetcher.h"
#include "FakeReachability.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "MainWindowFixture.h"
#include "account/SignInSession.h"
#include "billing/PaymentResults.h"
#include "billing/ReceiptFolder.h"
#include "platform/NotificationCenter.h"
#include "service/ServiceClient.h"
#include "shell/CareMode.h"
#include "shell/HomeViewController.h"
#include "shell/ImageCache.h"
#include "shell/ImageCacheProvider.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>

/// The whole app in its real main window, offscreen, with every outside service faked: home on
/// the stack and sign-in over it, as at launch. For the tests that use the app by hand.
class AppWindowFixture
{
public:
    /// Loads the window at this size and opens home; false when the window did not come up.
    bool start(QSize size)
    {
        window.engine.addImageProvider(ImageCacheProvider::name, new ImageCacheProvider(&images));
        careMode.serve(window.engine);
        if (!window.load())
            return false;
        window.window->resize(size);
        ScreenServices services{{&reachability, &service, &settings, &secureStore, &session},
                                &images,
                                QUrl(QStringLiteral("http://127.0.0.1:9")),
                                &notifications,
                                &wallet,
                                &clock,
                                &pages,
                                &results,
                                {},
                                &careMode,
                                &receipts};
        home = new HomeViewController(&window.navigator, services);
        window.navigator.push(home, false);
        return QTest::qWaitFor([this] { return window.navigator.modals().size() == 1; });
    }

    /// Signs in the way a successful sign-in leaves the app: home, nothing over it, once the
    /// sign-in screen has gone from the window.
    bool skipSignIn()
    {
        session.signIn(QStringLiteral("13912345678"));
        window.navigator.dismiss(window.navigator.modals().constFirst(), false);
        const ViewProbe probe = window.probe();
        const bool gone =
            QTest::qWaitFor([&probe] { return !probe.visibleText(QStringLiteral("记住密码")); });
        QTest::qWait(100);
        return gone;
    }

    /// The service's answer to `operation` whose return document is the file under tests/data.
    static QByteArray reply(const QString &operation, const QString &dataFile)
    {
        QFile file(QStringLiteral(TARVO_TEST_DATA "/") + dataFile);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return BadReplies::documentReply(operation, QString::fromUtf8(file.readAll()));
    }

    /// One point of the 375-point design, in window pixels.
    qreal pt() const { return std::min(window.window->width() / 375.0, 1.25); }

    ViewProbe probe() const { return window.probe(); }
    QmlNavigator &navigator() { return window.navigator; }

    FakeTransport transport;
    ServiceClient service{&transport, QUrl(QStringLiteral("http://service.test/ws"))};
    FakeSettingsStore settings;
    FakeSecureStore secureStore;
    FakeReachability reachability;
    SignInSession session;
    NotificationCenter notifications;
    FakeWalletSdk wallet;
    FakeClock clock;
    FakePageFetcher pages;
    PaymentResults results;
    CareMode careMode{&settings};
    QTemporaryDir profile;
    ReceiptFolder receipts{profile.filePath(QStringLiteral("收据")), nullptr};
    QNetworkAccessManager network;
    ImageCache images{&network, profile.path()};
    MainWindowFixture window;
    QSignalSpy alerts{&window.navigator, &QmlNavigator::alertRequested};
    HomeViewController *home = nullptr;
};
