// A new user against the real sandbox service: registers, signs in, is remembered at the next
// start and reaches home; the same device cannot register a second time.
#include "FakeNavigator.h"
#include "FakeReachability.h"
#include "SandboxServer.h"
#include "Store.h"
#include "account/RegisterViewController.h"
#include "account/SignViewController.h"
#include "common/SignInSession.h"
#include "home/HomeViewController.h"
#include "home/ImageCache.h"
#include "platform/FileSecureStore.h"
#include "platform/IniSettingsStore.h"
#include "platform/NetworkTransport.h"
#include "service/ServiceClient.h"

#include <QNetworkAccessManager>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAccountSandbox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void registerSignInAndComeBack()
    {
        sandbox::Store store;
        sandbox::SandboxServer server(store);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QTemporaryDir profile;
        QVERIFY(profile.isValid());

        const QString phone = u"18812345678"_s;
        const QString password = u"新密码2025"_s;
        {
            Run run(server.serviceUrl(), profile.path());
            HomeViewController *home = run.start();
            auto *signIn = qobject_cast<SignViewController *>(run.navigator.modals.value(0));
            QVERIFY(signIn);
            QVERIFY(signIn->accountText().isEmpty());

            signIn->riginBtn();
            auto *registration =
                qobject_cast<RegisterViewController *>(run.navigator.modals.value(1));
            QVERIFY(registration);
            registration->setAccountText(phone);
            registration->setPassWordText(password);
            registration->registerBtn();
            QTRY_VERIFY(run.navigator.lastAlert());
            QCOMPARE(run.navigator.lastAlert()->message,
                     u"注册成功！恭喜您获得红包，请登录后再查看，是否现在登录？"_s);
            run.navigator.press(u"登录"_s);
            QCOMPARE(run.navigator.modals, QList<ViewController *>{signIn});

            // A second registration from this device is refused, whatever the number.
            auto *again = new RegisterViewController(&run.navigator, run.services());
            again->setAccountText(u"18912345678"_s);
            again->setPassWordText(u"other"_s);
            again->registerBtn();
            QTRY_COMPARE(run.navigator.alertMessages().size(), 2);
            QCOMPARE(run.navigator.lastAlert()->message,
                     u"一台设备只能注册一次，此台设备已经注册过了！"_s);
            delete again;

            signIn->remerberPassword();
            signIn->setAccountText(phone);
            signIn->setPassWordText(password);
            signIn->loginBtn();
            QTRY_VERIFY(run.navigator.modals.isEmpty());
            QCOMPARE(run.session.account(), phone);
            QCOMPARE(run.navigator.stack, QList<ViewController *>{home});
        }
        {
            // The next start fills both fields in; one tap signs in.
            Run run(server.serviceUrl(), profile.path());
            run.start();
            auto *signIn = qobject_cast<SignViewController *>(run.navigator.modals.value(0));
            QVERIFY(signIn);
            QCOMPARE(signIn->accountText(), phone);
            QCOMPARE(signIn->passWordText(), password);
            QVERIFY(signIn->miMaKuang());
            signIn->loginBtn();
            QTRY_VERIFY(run.navigator.modals.isEmpty());
            QCOMPARE(run.session.account(), phone);
            QVERIFY(run.navigator.alertMessages().isEmpty());
        }
    }

private:
    // One start of the app: its services over the profile folder, and the home screen.
    struct Run
    {
        Run(const QUrl &serviceUrl, const QString &home)
            : transport(&network)
            , service(&transport, serviceUrl)
            , settings(home)
            , secureStore(home)
            , images(&network, home + u"/imagecache"_s)
        {
            settings.setValue(u"UUID"_s, u"0D4E93AA-1111-4222-8333-2C1B7A0D4E93"_s);
        }

        AccountServices services()
        {
            return {&reachability, &service, &settings, &secureStore, &session};
        }

        HomeViewController *start()
        {
            auto *home = new HomeViewController(
                &navigator, {services(), &images, QUrl(u"http://127.0.0.1:9/"_s)});
            navigator.push(home, false);
            home->viewDidLoad();
            // The view loads sign-in when it appears.
            for (ViewController *screen : navigator.modals)
                screen->viewDidLoad();
            return home;
        }

        QNetworkAccessManager network;
        NetworkTransport transport;
        ServiceClient service;
        IniSettingsStore settings;
        FileSecureStore secureStore;
        FakeReachability reachability;
        SignInSession session;
        ImageCache images;
        FakeNavigator navigator;
    };
};

QTEST_GUILESS_MAIN(TestAccountSandbox)
#include "tst_accountsandbox.moc"
