// Sign-in and registration driven through their controllers, with fakes around them.
#include "AccountFixture.h"
#include "BadReplies.h"
#include "account/MobileNumber.h"
#include "account/RegisterViewController.h"
#include "account/RememberedCredentials.h"
#include "account/SignViewController.h"
#include "common/DataMD5.h"
#include "service/Envelope.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString notice = u"温馨提示"_s;
const QString formatMessage = u"密码或账号输入格式错误!"_s;
const QString networkMessage = u"网络异常!"_s;
} // namespace

class TestAccount : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<AccountFixture>(); }

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

    // Both screens check the network first, then the fields, and send only what passes; the
    // number rule itself is pinned by isMobile.
    void whatIsSent_data()
    {
        QTest::addColumn<bool>("registration");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message"); // empty: sent

        for (const bool registration : {false, true}) {
            const char *screen = registration ? "register" : "sign-in";
            QTest::addRow("%s: no network, empty fields", screen)
                << registration << false << QString() << QString() << networkMessage;
            QTest::addRow("%s: empty account", screen)
                << registration << true << QString() << u"123456"_s << formatMessage;
            QTest::addRow("%s: empty password", screen)
                << registration << true << u"13912345678"_s << QString() << formatMessage;
            QTest::addRow("%s: not a mobile number", screen)
                << registration << true << u"14712345678"_s << u"123456"_s << formatMessage;
            QTest::addRow("%s: sent", screen)
                << registration << true << u"18112345678"_s << u"密码 123"_s << QString();
        }
    }
    void whatIsSent()
    {
        QFETCH(bool, registration);
        QFETCH(bool, reachable);
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(QString, message);
        m->reachability.reachable = reachable;

        if (registration) {
            RegisterViewController screen(&m->navigator, m->services());
            screen.setAccountText(account);
            screen.setPassWordText(password);
            screen.registerBtn();
        } else {
            SignViewController screen(&m->navigator, m->services());
            screen.setAccountText(account);
            screen.setPassWordText(password);
            screen.loginBtn();
        }
        if (!message.isEmpty()) {
            QVERIFY(m->transport.requests().isEmpty());
            QCOMPARE(m->navigator.alertMessages(), QStringList{message});
            QCOMPARE(m->navigator.lastAlert()->title, notice);
            QCOMPARE(m->navigator.lastAlert()->buttonTitles(), QStringList{u"确定"_s});
            return;
        }
        // The password travels only as its digest; registration adds the device.
        QHash<QString, QString> fields{{u"password"_s, DataMD5::accountMd5(password)},
                                       {u"useraccount"_s, account}};
        if (registration)
            fields.insert(u"uuid"_s, AccountFixture::device);
        QCOMPARE(m->transport.requests().size(), 1);
        QCOMPARE(m->transport.lastRequest().body,
                 Envelope::body(registration ? ServiceOperation::registerUser
                                             : ServiceOperation::checkUser,
                                fields));
        QVERIFY(m->navigator.calls.isEmpty());
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
        m->settings.values.insert(u"isRember"_s, remember);

        SignViewController screen(&m->navigator, m->services());
        m->navigator.present(&screen, false);
        screen.setParent(nullptr);
        screen.setAccountText(u"13912345678"_s);
        screen.setPassWordText(u"123456"_s);
        screen.loginBtn();
        // Edited while the service checks: the reply is about the pair that was sent.
        screen.setAccountText(u"15012345678"_s);
        screen.setPassWordText(u"654321"_s);
        m->transport.respond(0, BadReplies::documentReply(u"checkUser"_s, answer));

        QCOMPARE(m->navigator.modals.isEmpty(), dismissed);
        QCOMPARE(m->navigator.alertMessages(), alerts);
        QCOMPARE(m->session.account(),
                 dismissed ? std::optional(u"13912345678"_s) : std::optional<QString>());
        QCOMPARE(m->settings.values.contains(u"account"_s), stored);
        QVERIFY(!m->settings.values.contains(u"passWord"_s));
        if (stored) {
            QCOMPARE(m->settings.values.value(u"account"_s).toString(), u"13912345678"_s);
            QCOMPARE(RememberedCredentials(&m->settings, &m->secureStore).password(), u"123456"_s);
        } else {
            QCOMPARE(m->secureStore.writes, 0);
        }
    }

    // Restoring after a successful sign-in is followed through a real sandbox in
    // tst_accountsandbox; here, that turning the toggle off stops it without erasing.
    void rememberToggleOff()
    {
        m->settings.values.insert(u"isRember"_s, true);
        m->settings.values.insert(u"account"_s, u"13912345678"_s);
        {
            SignViewController screen(&m->navigator, m->services());
            screen.viewDidLoad();
            QVERIFY(screen.miMaKuang());
            QCOMPARE(screen.accountText(), u"13912345678"_s);
            screen.remerberPassword();
            QCOMPARE(m->settings.values.value(u"isRember"_s), QVariant(false));
        }
        SignViewController screen(&m->navigator, m->services());
        screen.viewDidLoad();
        QVERIFY(!screen.miMaKuang());
        QVERIFY(screen.accountText().isEmpty());
        QCOMPARE(m->settings.values.value(u"account"_s).toString(), u"13912345678"_s);
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
        m->secureStore.available = storeAvailable;
        m->settings.values.insert(u"isRember"_s, true);
        m->settings.values.insert(u"account"_s, u"13912345678"_s);
        m->settings.values.insert(u"passWord"_s, u"old secret"_s);

        SignViewController screen(&m->navigator, m->services());
        screen.viewDidLoad();

        // A failing store keeps the old copy rather than lose the password.
        QCOMPARE(m->settings.values.contains(u"passWord"_s), !storeAvailable);
        if (storeAvailable) {
            QCOMPARE(m->secureStore.items.value(FakeSecureStore::key(u"passWord"_s, u"LP"_s)),
                     u"old secret"_s);
            QCOMPARE(screen.passWordText(), u"old secret"_s);
        }
        QCOMPARE(screen.accountText(), u"13912345678"_s);
    }

    void registerOpensOverSignInAndClosesWithoutSending()
    {
        SignViewController signIn(&m->navigator, m->services());
        signIn.riginBtn();
        QCOMPARE(m->navigator.kinds(), QStringList{u"present"_s});
        auto *screen = qobject_cast<RegisterViewController *>(m->navigator.calls.at(0).screen);
        QVERIFY(screen);
        QVERIFY(m->navigator.calls.at(0).animated);
        screen->loginBtn();
        QVERIFY(m->transport.requests().isEmpty());
        QCOMPARE(m->navigator.kinds(), (QStringList{u"present"_s, u"dismiss"_s}));
        QVERIFY(m->navigator.calls.last().animated);
    }

    // The service down or unreachable: the customer is told, not left waiting for nothing.
    void noReplySaysNetworkError_data()
    {
        QTest::addColumn<bool>("registration");
        QTest::newRow("sign-in") << false;
        QTest::newRow("registration") << true;
    }
    void noReplySaysNetworkError()
    {
        QFETCH(bool, registration);
        auto *signIn = new SignViewController(&m->navigator, m->services());
        m->navigator.present(signIn, false);
        signIn->setAccountText(u"13912345678"_s);
        signIn->setPassWordText(u"123456"_s);
        if (registration) {
            signIn->riginBtn();
            auto *screen = qobject_cast<RegisterViewController *>(m->navigator.modals.last());
            QVERIFY(screen);
            screen->setAccountText(u"15012345678"_s);
            screen->setPassWordText(u"abc"_s);
            screen->registerBtn();
        } else {
            signIn->loginBtn();
        }
        const qsizetype screens = m->navigator.modals.size();

        m->transport.fail(0);

        QCOMPARE(m->navigator.alertMessages(), QStringList{networkMessage});
        QCOMPARE(m->navigator.lastAlert()->title, notice);
        QCOMPARE(m->navigator.lastAlert()->buttonTitles(), QStringList{u"确定"_s});
        QCOMPARE(m->navigator.modals.size(), screens);
        QVERIFY(!m->session.account());
    }

    // Replies that are not one of these end silently: see tst_badreplies.
    void registrationReply_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("dismissedOnButton");

        const QString withPacket = u"注册成功！恭喜您获得红包，请登录后再查看，是否现在登录？"_s;
        QTest::newRow("1 with hb")
            << u"<info><flag>1</flag><hb></hb></info>"_s << withPacket << true;
        QTest::newRow("1 with a full hb")
            << u"<info><flag>1</flag><hb><hbje>3.00</hbje></hb></info>"_s << withPacket << true;
        QTest::newRow("1 without hb")
            << u"<info><flag>1</flag></info>"_s << u"注册成功！是否现在登录？"_s << true;
        QTest::newRow("3") << u"<info><flag>3</flag></info>"_s
                           << u"一台设备只能注册一次，此台设备已经注册过了！"_s << false;
        QTest::newRow("2") << u"<info><flag>2</flag></info>"_s
                           << u"此号码已经被注册，不能重复注册!"_s << false;
        QTest::newRow("0") << u"<info><flag>0</flag></info>"_s << QString() << false;
        QTest::newRow("no flag") << u"<info/>"_s << QString() << false;
    }
    void registrationReply()
    {
        QFETCH(QString, info);
        QFETCH(QString, message);
        QFETCH(bool, dismissedOnButton);

        auto *screen = new RegisterViewController(&m->navigator, m->services());
        m->navigator.present(screen, true);
        screen->setAccountText(u"15012345678"_s);
        screen->setPassWordText(u"abc"_s);
        screen->registerBtn();
        m->transport.respond(0, BadReplies::documentReply(u"registerUser"_s, info));

        if (message.isEmpty()) {
            QVERIFY(m->navigator.alertMessages().isEmpty());
            return;
        }
        QCOMPARE(m->navigator.alertMessages(), QStringList{message});
        QCOMPARE(m->navigator.lastAlert()->title, notice);
        QCOMPARE(m->navigator.lastAlert()->buttonTitles(), QStringList{u"登录"_s});
        QVERIFY(!m->navigator.kinds().contains(u"dismiss"_s));
        m->navigator.press(u"登录"_s);
        QCOMPARE(m->navigator.modals.isEmpty(), dismissedOnButton);
        QCOMPARE(screen->accountText(), u"15012345678"_s);
        QVERIFY(m->settings.values.keys() == QStringList{u"UUID"_s});
    }

private:
    std::unique_ptr<AccountFixture> m;
};

QTEST_GUILESS_MAIN(TestAccount)
#include "tst_account.moc"
