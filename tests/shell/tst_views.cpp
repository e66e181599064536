// The QML views rendered offscreen in the real main window, driven through their controllers.
#include "FakeReachability.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "account/SignInSession.h"
#include "account/SignViewController.h"
#include "service/ServiceClient.h"
#include "shell/HomeViewController.h"
#include "shell/ImageCache.h"
#include "shell/ImageCacheProvider.h"
#include "shell/KTLoadingView.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenTypes.h"

#include <QNetworkAccessManager>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        registerScreenTypes(&m_navigator);
        m_engine.addImageProvider(ImageCacheProvider::name, new ImageCacheProvider(&m_images));
        m_engine.load(QUrl::fromLocalFile(QStringLiteral(TARVO_MAIN_QML)));
        QCOMPARE(m_engine.rootObjects().size(), 1);
        m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().constFirst());
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));

        m_home = new HomeViewController(
            &m_navigator, {{&m_reachability, &m_service, &m_settings, &m_secureStore, &m_session},
                           &m_images,
                           QUrl(u"http://127.0.0.1:9"_s)});
        m_navigator.push(m_home, false);
    }

    void signInCoversHomeAtLoad()
    {
        QCOMPARE(m_navigator.modals().size(), 1);
        QTRY_VERIFY(visibleText(u"记住密码"_s));
        QVERIFY(visibleText(u"注册新用户"_s));
        QVERIFY(visibleText(u"请输入手机号码"_s));
    }

    void alertShowsAndCloses()
    {
        auto *signIn = qobject_cast<SignViewController *>(m_navigator.modals().value(0));
        QVERIFY(signIn);
        signIn->loginBtn();
        QTRY_VERIFY(visibleText(u"密码或账号输入格式错误!"_s));
        QVERIFY(visibleText(u"温馨提示"_s));
        QQuickItem *button = visibleText(u"确定"_s);
        QVERIFY(button);
        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre(button));
        QTRY_VERIFY(!visibleText(u"密码或账号输入格式错误!"_s));
    }

    void registrationOverSignIn()
    {
        auto *signIn = qobject_cast<SignViewController *>(m_navigator.modals().value(0));
        signIn->riginBtn();
        QTRY_VERIFY(visibleText(u"用户注册"_s));
        QTRY_VERIFY(visibleText(u"已有账号？返回登录"_s));
    }

    void homeAfterSignIn()
    {
        m_navigator.dismiss(m_navigator.modals().value(0), false);
        QTRY_VERIFY(!visibleText(u"记住密码"_s));
        for (const QString &caption :
             {u"水电气缴费"_s, u"缴费记录"_s, u"我的红包"_s, u"公告通知"_s, u"服务指南"_s,
              u"水电气宣传"_s, u"营业网点"_s, u"常见问题"_s, u"关于我们"_s, u"Tarvo在线缴费"_s})
            QVERIFY2(visibleText(caption), qPrintable(caption));
    }

    // While the indicator is up a tap on the menu reaches the cover, not the button.
    void loadingIndicatorTakesTouches()
    {
        QQuickItem *pay = visibleText(u"水电气缴费"_s);
        QVERIFY(pay);
        auto *loading = new KTLoadingView(m_home);
        loading->startAnimation();
        loading->setType(0);
        QTRY_COMPARE(findAll(m_window->contentItem(), "loadingDot").size(), 15);
        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre(pay));
        QCOMPARE(m_navigator.stack().size(), 1);
        loading->endAnimation();
        QTRY_COMPARE(findAll(m_window->contentItem(), "loadingDot").size(), 0);

        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre(pay));
        QCOMPARE(m_navigator.stack().size(), 2);
        QTRY_VERIFY(whiteBackVisible());
    }

    void progressOverlay()
    {
        m_navigator.showProgress(u"正在创建订单"_s);
        QTRY_VERIFY(visibleText(u"正在创建订单"_s));
        m_navigator.hideProgress();
        QTRY_VERIFY(!visibleText(u"正在创建订单"_s));
    }

private:
    static QPoint centre(QQuickItem *item)
    {
        return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    }
    static bool shown(QQuickItem *item)
    {
        for (QQuickItem *it = item; it; it = it->parentItem()) {
            if (!it->isVisible() || it->opacity() == 0)
                return false;
        }
        return true;
    }
    static QList<QQuickItem *> findAll(QQuickItem *root, const char *objectName)
    {
        QList<QQuickItem *> found;
        for (QQuickItem *child : root->childItems()) {
            if (child->objectName() == QLatin1StringView(objectName) && shown(child))
                found.append(child);
            found += findAll(child, objectName);
        }
        return found;
    }
    QQuickItem *visibleText(const QString &text, QQuickItem *root = nullptr) const
    {
        root = root ? root : m_window->contentItem();
        for (QQuickItem *child : root->childItems()) {
            if (child->property("text").toString() == text && shown(child) &&
                QRectF(QPointF(), m_window->size()).contains(centre(child)))
                return child;
            if (QQuickItem *found = visibleText(text, child))
                return found;
        }
        return nullptr;
    }
    bool whiteBackVisible() const
    {
        return !findAll(m_window->contentItem(), "whiteBack").isEmpty();
    }

    QTemporaryDir m_profile;
    QNetworkAccessManager m_network;
    ImageCache m_images{&m_network, m_profile.path()};
    FakeTransport m_transport;
    ServiceClient m_service{&m_transport, QUrl(u"http://service.test/ws"_s)};
    FakeSettingsStore m_settings;
    FakeSecureStore m_secureStore;
    FakeReachability m_reachability;
    SignInSession m_session;
    QmlNavigator m_navigator;
    QQmlApplicationEngine m_engine;
    QQuickWindow *m_window = nullptr;
    HomeViewController *m_home = nullptr;
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
