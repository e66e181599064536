#include "platform/FileSecureStore.h"
#include "platform/SecureStoreFactory.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString account = u"QDMRVL"_s;
const QString service = u"LP"_s;
const QString identifier = u"0F8E2D4C-1B3A-4C5D-9E6F-7A8B9C0D1E2F"_s;

QString storePath(const QTemporaryDir &home)
{
    return home.filePath(u"secure-store.json"_s);
}

/// The file's permission bits, as the kernel has them.
mode_t modeOf(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

} // namespace

class TestFileSecureStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void secretOutlivesTheStore_data()
    {
        QTest::addColumn<QString>("secret");

        QTest::newRow("device identifier") << identifier;
        QTest::newRow("markup and quotes") << u"<a href=\"x\">&amp;'</a>"_s;
        QTest::newRow("control characters") << u"a\tb\nc\rd\u0001"_s;
        QTest::newRow("100 k characters") << u"<&\"'密码"_s.repeated(20'000);
    }

    void secretOutlivesTheStore()
    {
        QFETCH(QString, secret);
        QTemporaryDir home;
        QVERIFY(FileSecureStore(home.path()).write(account, service, service, secret));
        QCOMPARE(FileSecureStore(home.path()).read(account, service), secret);
    }

    void writeReplacesOnlyItsOwnItem()
    {
        QTemporaryDir home;
        FileSecureStore store(home.path());
        QVERIFY(store.write(account, service, service, u"first"_s));
        QVERIFY(store.write(u"other"_s, service, service, u"kept"_s));
        QVERIFY(store.write(account, u"other service"_s, u"x"_s, u"also kept"_s));
        QVERIFY(store.write(account, service, service, u"second"_s));

        FileSecureStore reopened(home.path());
        QCOMPARE(reopened.read(account, service), u"second"_s);
        QCOMPARE(reopened.read(u"other"_s, service), u"kept"_s);
        QCOMPARE(reopened.read(account, u"other service"_s), u"also kept"_s);
        QCOMPARE(reopened.read(service, account), std::nullopt);
    }

    void fileIsPrivateToItsOwner()
    {
        QTemporaryDir home;
        // With no mask at all, anything the store does not set itself would show.
        const mode_t previousMask = ::umask(0);
        const bool written =
            FileSecureStore(home.path()).write(account, service, service, identifier);
        const bool rewritten =
            FileSecureStore(home.path()).write(account, service, service, u"x"_s);
        ::umask(previousMask);

        QVERIFY(written && rewritten);
        QCOMPARE(modeOf(storePath(home)), mode_t(0600));
    }

    void missingFileHoldsNothing()
    {
        QTemporaryDir home;
        FileSecureStore store(home.filePath(u"not yet made"_s));
        QCOMPARE(store.read(account, service), std::nullopt);
        QVERIFY(!QFile::exists(home.filePath(u"not yet made"_s)));

        // The first write makes the folder as well.
        QVERIFY(store.write(account, service, service, identifier));
        QCOMPARE(store.read(account, service), identifier);
    }

    void damagedFileHoldsNothingAndIsReplaced_data()
    {
        QTest::addColumn<QByteArray>("content");

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("\x00\xff{{{ secret", 10);
        QTest::newRow("cut short") << QByteArray("{\"LP\":{\"QDMRVL\":{\"secret\":\"0F8E");
        QTest::newRow("array at the top") << QByteArray("[{\"LP\":\"x\"}]");
        QTest::newRow("service not an object") << QByteArray("{\"LP\":\"QDMRVL\"}");
        QTest::newRow("item not an object") << QByteArray("{\"LP\":{\"QDMRVL\":\"0F8E\"}}");
        QTest::newRow("secret not a text") << QByteArray("{\"LP\":{\"QDMRVL\":{\"secret\":42}}}");
    }

    void damagedFileHoldsNothingAndIsReplaced()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir home;
        QFile file(storePath(home));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        FileSecureStore store(home.path());
        QCOMPARE(store.read(account, service), std::nullopt);
        QVERIFY(store.write(account, service, service, identifier));
        QCOMPARE(FileSecureStore(home.path()).read(account, service), identifier);
    }

    void factoryHonoursTheFileSwitch()
    {
        QTemporaryDir home;
        qputenv("TARVO_SECURE_STORE", "file");
        const std::unique_ptr<SecureStore> store = makeSecureStore(home.path());
        qunsetenv("TARVO_SECURE_STORE");

        QVERIFY(store->write(account, service, service, identifier));
        QCOMPARE(FileSecureStore(home.path()).read(account, service), identifier);
    }
};

QTEST_GUILESS_MAIN(TestFileSecureStore)
#include "tst_filesecurestore.moc"
