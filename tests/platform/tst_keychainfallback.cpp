#include "platform/FileSecureStore.h"
#include "platform/KeychainSecureStore.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

/// A keychain whose session bus cannot be reached: items go to the fallback file.
class TestKeychainFallback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Before anything connects: every bus connection of this process now fails, so no
        // keyring of the user's is ever reached.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tarvo-test-bus");
    }

    void unreachableKeychainUsesTheFile()
    {
        QTemporaryDir home;
        KeychainSecureStore store(std::make_unique<FileSecureStore>(home.path()));
        QVERIFY(!KeychainSecureStore::secretServiceRunning());

        QCOMPARE(store.read(u"QDMRVL"_s, u"LP"_s), std::nullopt);
        QVERIFY(store.write(u"QDMRVL"_s, u"LP"_s, u"LP"_s, u"ID"_s));
        QCOMPARE(FileSecureStore(home.path()).read(u"QDMRVL"_s, u"LP"_s), u"ID"_s);
        QCOMPARE(store.read(u"QDMRVL"_s, u"LP"_s), u"ID"_s);
    }
};

QTEST_GUILESS_MAIN(TestKeychainFallback)
#include "tst_keychainfallback.moc"
