#include "platform/FileSecureStore.h"
#include "platform/KeychainSecureStore.h"

#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace {

// Items of this test live under their own service, never under the app's.
const QString service = u"tarvo-test"_s;

} // namespace

/// Runs against the desktop's real keychain; skipped where no secret service runs.
/// run-with-private-keyring.sh gives it a keyring of its own.
class TestKeychainSecureStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (KeychainSecureStore::secretServiceRunning())
            return;
        if (qEnvironmentVariableIsSet("TARVO_REQUIRE_KEYCHAIN"))
            QFAIL("TARVO_REQUIRE_KEYCHAIN is set but no secret service runs");
        QSKIP("no secret service (org.freedesktop.secrets) on the session bus; "
              "run-with-private-keyring.sh provides one");
    }

    void init() { m_account = u"item-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces); }

    void cleanup()
    {
        auto *job = new QKeychain::DeletePasswordJob(service);
        job->setKey(m_account);
        QEventLoop loop;
        connect(job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
        job->start();
        loop.exec();
    }

    void secretLivesInTheKeychain()
    {
        QTemporaryDir home;
        KeychainSecureStore store(std::make_unique<FileSecureStore>(home.path()));
        QVERIFY(store.write(m_account, service, service, u"first"_s));
        QVERIFY(store.write(m_account, service, service, u"second"_s));

        // Another store with an empty fallback can only have it from the keychain.
        QTemporaryDir otherHome;
        KeychainSecureStore reader(std::make_unique<FileSecureStore>(otherHome.path()));
        QCOMPARE(reader.read(m_account, service), u"second"_s);
        QVERIFY(!QFile::exists(home.filePath(FileSecureStore::fileName)));
    }

    void missingItemIsLookedForInTheFallback()
    {
        QTemporaryDir home;
        KeychainSecureStore store(std::make_unique<FileSecureStore>(home.path()));
        QCOMPARE(store.read(m_account, service), std::nullopt);

        // Written while no keychain answered.
        QVERIFY(FileSecureStore(home.path()).write(m_account, service, service, u"kept"_s));
        QCOMPARE(store.read(m_account, service), u"kept"_s);
    }

private:
    QString m_account;
};

QTEST_GUILESS_MAIN(TestKeychainSecureStore)
#include "tst_keychainsecurestore.moc"
