// Sign-in and registration driven through their controllers, with fakes around them.
#include "AccountReplies.h"
#include "FakeNavigator.h"
#include "FakeReachability.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "account/MobileNumber.h"
#include "account/RegisterViewController.h"
#include "account/RememberedCredentials.h"
#include "account/SignInSession.h"
#include "account/SignViewController.h"
#include "billing/DataMD5.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString notice = u"温馨提示"_s;
const QString formatMessage = u"密码或账号输入格式错误!"_s;
const QString networkMessage = u"网络异常!"_s;
const QString device = u"5F0C2A8E-3B71-4D9A-9E64-2C1B7A0D4E93"_s;
} // namespace

class TestAccount : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_transport = std::make_unique<FakeTransport>();
        m_service =
            std::make_unique<ServiceClient>(m_transport.get(), QUrl(u"http://service.test/ws"_s));
        m_settings = {};
        m_settings.values.insert(u"UUID"_s, device);
        m_secureStore = {};
        m_reachability = {};
        m_navigator = std::make_unique<FakeNavigator>();
        m_session = std::make_unique<SignInSession>();
    }

    void isMobile_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("accepted");
        // Every prefix from 100 to 199, with its neighbours on both sides.
        const QList<int> accepted{130, 131, 132, 133, 134, 135, 136, 137, 138, 139,
                                  150, 151, 152, 153, 155, 156, 157, 158, 159, 180,
                                  181, 182, 183, 185, 186, 187, 188, 189};
        for (int prefix = 100; prefix <= 199; ++prefix) {
            const QString account = QString::number(prefix) + u"12345678"_s;
            QTest::addRow("%d", prefix) << account << accepted.contains(prefix);
        }
        QTest::newRow("1340 four digits") << u"13401234567"_s << true;
        QTest::newRow("1349 four digits") << u"13491234567"_s << true;
        QTest::newRow("10 digits") << u"1391234567"_s << false;
        QTest::newRow("12 digits") << u"139123456789"_s << false;
        QTest::newRow("spaces inside") << u"139 1234 5678"_s << false;
        QTest::newRow("leading space") << u" 13912345678"_s << false;
        QTest::newRow("trailing space") << u"13912345678 "_s << false;
        QTest::newRow("trailing line break") << u"13912345678\n"_s << false;
        QTest::newRow("country code") << u"+8613912345678"_s << false;
        QTest::newRow("separators") << u"139-1234-5678"_s << false;
        QTest::newRow("full-width digits") << u"１３９１２３４５６７８"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void isMobile()
    {
        QFETCH(QString, account);
        QFETCH(bool, accepted);
        QCOMPARE(::isMobile(account), accepted);
    }

    // Both screens check the network first, then the fields, and only then send.
    void refusalsBeforeTheRequest_data()
    {
        QTest::addColumn<bool>("registration");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");

        for (const bool registration : {false, true}) {
            const char *screen = registration ? "register" : "sign-in";
            QTest::addRow("%s: no network, empty fields", screen)
                << registration << false << QString() << QString() << networkMessage;
            QTest::addRow("%s: no network, valid fields", screen)
                << registration << false << u"13912345678"_s << u"123456"_s << networkMessage;
            QTest::addRow("%s: empty account", screen)
                << registration << true << QString() << u"123456"_s << formatMessage;
            QTest::addRow("%s: empty password", screen)
                << registration << true << u"13912345678"_s << QString() << formatMessage;
            QTest::addRow("%s: refused prefix 147", screen)
                << registration << true << u"14712345678"_s << u"123456"_s << formatMessage;
            QTest::addRow("%s: refused prefix 184", screen)
                << registration << true << u"18412345678"_s << u"123456"_s << formatMessage;
        }
    }
    void refusalsBeforeTheRequest()
    {
        QFETCH(bool, registration);
        QFETCH(bool, reachable);
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(QString, message);
        m_reachability.reachable = reachable;
        m_settings.values.remove(u"UUID"_s);

        if (registration) {
            RegisterViewController screen(m_navigator.get(), services());
            screen.setAccountText(account);
            screen.setPassWordText(password);
            screen.registerBtn();
        } else {
            SignViewController screen(m_navigator.get(), services());
            screen.setAccountText(account);
            screen.setPassWordText(password);
            screen.loginBtn();
        }
        QVERIFY(m_transport->requests().isEmpty());
        QCOMPARE(m_navigator->alertMessages(), QStringList{message});
        QCOMPARE(m_navigator->lastAlert()->title, notice);
        QCOMPARE(m_navigator->lastAlert()->buttonTitles(), QStringList{u"确定"_s});
    }

    void signInSendsTheDigest()
    {
        SignViewController screen(m_navigator.get(), services());
        screen.setAccountText(u"18112345678"_s);
        screen.setPassWordText(u"密码 123"_s);
        screen.loginBtn();

        QCOMPARE(m_transport->requests().size(), 1);
        QCOMPARE(m_transport->lastRequest().body,
                 Envelope::body(ServiceOperation::checkUser,
                                {{u"password"_s, DataMD5::accountMd5(u"密码 123"_s)},
                                 {u"useraccount"_s, u"18112345678"_s}}));
        QVERIFY(!m_transport->lastRequest().body.contains("密码 123"));
        QVERIFY(m_navigator->calls.isEmpty());
    }

    void signInReply_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("remember");
        QTest::addColumn<bool>("dismissed");
        QTest::addColumn<QStringList>("alerts");
        QTest::addColumn<bool>("stored");

        QTest::newRow("1, remembering") << u"1"_s << true << true << QStringList() << true;
        QTest::newRow("1, not remembering") << u"1"_s << false << true << QStringList() << false;
        QTest::newRow("X") << u"X"_s << true << false << QStringList{u"密码或账号错误!"_s} << false;
        QTest::newRow("empty") << QString() << true << false << QStringList() << false;
        QTest::newRow("lower-case x") << u"x"_s << true << false << QStringList() << false;
        QTest::newRow("0") << u"0"_s << true << false << QStringList() << false;
    }
    void signInReply()
    {
        QFETCH(QString, answer);
        QFETCH(bool, remember);
        QFETCH(bool, dismissed);
        QFETCH(QStringList, alerts);
        QFETCH(bool, stored);
        m_settings.values.insert(u"isRember"_s, remember);

        SignViewController screen(m_navigator.get(), services());
        m_navigator->present(&screen, false);
        screen.setParent(nullptr);
        screen.setAccountText(u"13912345678"_s);
        screen.setPassWordText(u"123456"_s);
        screen.loginBtn();
        // The fields at the moment of the reply are the ones remembered.
        screen.setPassWordText(u"654321"_s);
        m_transport->respond(0, AccountReplies::checkUser(answer));

        QCOMPARE(m_navigator->modals.isEmpty(), dismissed);
        QCOMPARE(m_navigator->alertMessages(), alerts);
        QCOMPARE(m_session->account().has_value(), dismissed);
        QCOMPARE(m_settings.values.contains(u"account"_s), stored);
        QVERIFY(!m_settings.values.contains(u"passWord"_s));
        if (stored) {
            QCOMPARE(m_settings.values.value(u"account"_s).toString(), u"13912345678"_s);
            QCOMPARE(RememberedCredentials(&m_settings, &m_secureStore).password(), u"654321"_s);
        } else {
            QCOMPARE(m_secureStore.writes, 0);
        }
    }

    void rememberToggleAndRestore()
    {
        {
            SignViewController screen(m_navigator.get(), services());
            screen.viewDidLoad();
            QVERIFY(!screen.miMaKuang());
            QVERIFY(screen.accountText().isEmpty());
            screen.remerberPassword();
            QVERIFY(screen.miMaKuang());
            QCOMPARE(m_settings.values.value(u"isRember"_s), QVariant(true));
            screen.setAccountText(u"13912345678"_s);
            screen.setPassWordText(u"123456"_s);
            screen.loginBtn();
            m_transport->respond(0, AccountReplies::checkUser(u"1"_s));
        }
        {
            // Next start: both fields filled and the toggle on.
            SignViewController screen(m_navigator.get(), services());
            screen.viewDidLoad();
            QVERIFY(screen.miMaKuang());
            QCOMPARE(screen.accountText(), u"13912345678"_s);
            QCOMPARE(screen.passWordText(), u"123456"_s);
            // Turning it off erases nothing; it only stops the restore.
            screen.remerberPassword();
            QCOMPARE(m_settings.values.value(u"isRember"_s), QVariant(false));
        }
        SignViewController screen(m_navigator.get(), services());
        screen.viewDidLoad();
        QVERIFY(!screen.miMaKuang());
        QVERIFY(screen.accountText().isEmpty());
        QVERIFY(screen.passWordText().isEmpty());
        QCOMPARE(m_settings.values.value(u"account"_s).toString(), u"13912345678"_s);
    }

    void legacyPasswordMovesToTheSecureStore_data()
    {
        QTest::addColumn<bool>("storeAvailable");
        QTest::newRow("store available") << true;
        QTest::newRow("store failing") << false;
    }
    void legacyPasswordMovesToTheSecureStore()
    {
        QFETCH(bool, storeAvailable);
        m_secureStore.available = storeAvailable;
        m_settings.values.insert(u"isRember"_s, true);
        m_settings.values.insert(u"account"_s, u"13912345678"_s);
        m_settings.values.insert(u"passWord"_s, u"old secret"_s);

        SignViewController screen(m_navigator.get(), services());
        screen.viewDidLoad();

        // A failing store keeps the old copy rather than lose the password.
        QCOMPARE(m_settings.values.contains(u"passWord"_s), !storeAvailable);
        if (storeAvailable) {
            QCOMPARE(m_secureStore.items.value(FakeSecureStore::key(u"passWord"_s, u"LP"_s)),
                     u"old secret"_s);
            QCOMPARE(screen.passWordText(), u"old secret"_s);
        }
        QCOMPARE(screen.accountText(), u"13912345678"_s);
    }

    void registerOpensOverSignIn()
    {
        SignViewController screen(m_navigator.get(), services());
        screen.riginBtn();
        QCOMPARE(m_navigator->kinds(), QStringList{u"present"_s});
        QVERIFY(qobject_cast<RegisterViewController *>(m_navigator->calls.at(0).screen));
        QVERIFY(m_navigator->calls.at(0).animated);
    }

    void registrationSendsDigestAccountAndDevice()
    {
        RegisterViewController screen(m_navigator.get(), services());
        screen.setAccountText(u"15012345678"_s);
        screen.setPassWordText(u"abc"_s);
        screen.registerBtn();
        QCOMPARE(m_transport->requests().size(), 1);
        QCOMPARE(m_transport->lastRequest().body,
                 Envelope::body(ServiceOperation::registerUser,
                                {{u"password"_s, DataMD5::accountMd5(u"abc"_s)},
                                 {u"useraccount"_s, u"15012345678"_s},
                                 {u"uuid"_s, device}}));
    }

    void registrationReply_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("dismissedOnButton");

        QTest::newRow("1 with hb")
            << u"<info><flag>1</flag><hb></hb></info>"_s
            << u"注册成功！恭喜您获得红包，请登录后再查看，是否现在登录？"_s << true;
        QTest::newRow("1 with a full hb")
            << u"<info><flag>1</flag><hb><hbje>3.00</hbje></hb></info>"_s
            << u"注册成功！恭喜您获得红包，请登录后再查看，是否现在登录？"_s << true;
        QTest::newRow("1 without hb")
            << u"<info><flag>1</flag></info>"_s << u"注册成功！是否现在登录？"_s << true;
        QTest::newRow("3") << u"<info><flag>3</flag></info>"_s
                           << u"一台设备只能注册一次，此台设备已经注册过了！"_s << false;
        QTest::newRow("2") << u"<info><flag>2</flag></info>"_s
                           << u"此号码已经被注册，不能重复注册!"_s << false;
        QTest::newRow("0") << u"<info><flag>0</flag></info>"_s << QString() << false;
        QTest::newRow("no flag") << u"<info/>"_s << QString() << false;
        QTest::newRow("not a document") << u"1"_s << QString() << false;
    }
    void registrationReply()
    {
        QFETCH(QString, info);
        QFETCH(QString, message);
        QFETCH(bool, dismissedOnButton);

        auto *screen = new RegisterViewController(m_navigator.get(), services());
        m_navigator->present(screen, true);
        screen->setAccountText(u"15012345678"_s);
        screen->setPassWordText(u"abc"_s);
        screen->registerBtn();
        m_transport->respond(0, AccountReplies::registerUser(info));

        if (message.isEmpty()) {
            QVERIFY(m_navigator->alertMessages().isEmpty());
            return;
        }
        QCOMPARE(m_navigator->alertMessages(), QStringList{message});
        QCOMPARE(m_navigator->lastAlert()->title, notice);
        QCOMPARE(m_navigator->lastAlert()->buttonTitles(), QStringList{u"登录"_s});
        QVERIFY(!m_navigator->kinds().contains(u"dismiss"_s));
        m_navigator->press(u"登录"_s);
        QCOMPARE(m_navigator->modals.isEmpty(), dismissedOnButton);
        QCOMPARE(screen->accountText(), u"15012345678"_s);
        QVERIFY(m_settings.values.keys() == QStringList{u"UUID"_s});
    }

    void backToSignInSendsNothing()
    {
        auto *screen = new RegisterViewController(m_navigator.get(), services());
        m_navigator->present(screen, true);
        screen->loginBtn();
        QVERIFY(m_transport->requests().isEmpty());
        QCOMPARE(m_navigator->kinds(), (QStringList{u"present"_s, u"dismiss"_s}));
        QVERIFY(m_navigator->calls.last().animated);
    }

private:
    AccountServices services()
    {
        return {&m_reachability, m_service.get(), &m_settings, &m_secureStore, m_session.get()};
    }

    std::unique_ptr<FakeTransport> m_transport;
    std::unique_ptr<ServiceClient> m_service;
    FakeSettingsStore m_settings;
    FakeSecureStore m_secureStore;
    FakeReachability m_reachability;
    std::unique_ptr<FakeNavigator> m_navigator;
    std::unique_ptr<SignInSession> m_session;
};

QTEST_GUILESS_MAIN(TestAccount)
#include "tst_account.moc"
