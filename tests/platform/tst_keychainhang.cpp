#include "platform/FileSecureStore.h"
#include "platform/KeychainSecureStore.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// A secret service that takes every call and never answers, as a hung daemon does.
class SilentSecretService final : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &, const QDBusConnection &) override { return true; }
};

} // namespace

/// The real keychain path against a secret service that hangs: start-up waits once, briefly.
/// Needs a session bus of its own (registered with dbus-run-session).
class TestKeychainHang : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (the dbus-run-session variant of this test has one)");
        if (!m_bus.registerVirtualObject(u"/"_s, &m_service, QDBusConnection::SubPath) ||
            !m_bus.registerService(u"org.freedesktop.secrets"_s))
            QSKIP("this session already has a secret service");
    }

    void hungSecretServiceIsWaitedForOnce()
    {
        QVERIFY(KeychainSecureStore::secretServiceRunning());
        QTemporaryDir home;
        QVERIFY(FileSecureStore(home.path()).write(u"QDMRVL"_s, u"LP"_s, u"LP"_s, u"ID"_s));
        KeychainSecureStore store(std::make_unique<FileSecureStore>(home.path()));
        QElapsedTimer clock;
        clock.start();

        QCOMPARE(store.read(u"QDMRVL"_s, u"LP"_s), u"ID"_s);
        QVERIFY(store.write(u"account"_s, u"LP"_s, u"LP"_s, u"secret"_s));
        QCOMPARE(store.read(u"account"_s, u"LP"_s), u"secret"_s);

        QVERIFY(store.keychainHung());
        QVERIFY2(clock.elapsed() < KeychainSecureStore::answerTimeout.count() + 500,
                 qPrintable(QString::number(clock.elapsed())));
    }

private:
    QDBusConnection m_bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"tarvo-silent-secrets"_s);
    SilentSecretService m_service;
};

QTEST_GUILESS_MAIN(TestKeychainHang)
#include "tst_keychainhang.moc"
