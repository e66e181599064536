#include "FakeKeychainBackend.h"
#include "FakeSecureStore.h"
#include "platform/KeychainSecureStore.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString account = u"QDMRVL"_s;
const QString service = u"LP"_s;
using Mode = FakeKeychainBackend::Mode;

/// A keychain store over fakes that the test can still look into.
struct Stores
{
    FakeKeychainBackend *keychain = new FakeKeychainBackend;
    FakeSecureStore *fallback = new FakeSecureStore;
    KeychainSecureStore store{std::unique_ptr<SecureStore>(fallback),
                              std::unique_ptr<KeychainBackend>(keychain)};

    Stores(Mode mode, const QString &inKeychain, const QString &inFallback)
    {
        keychain->mode = mode;
        if (!inKeychain.isEmpty())
            keychain->items.insert(FakeKeychainBackend::key(account, service), inKeychain);
        if (!inFallback.isEmpty())
            fallback->items.insert(FakeSecureStore::key(account, service), inFallback);
    }
    QString inKeychain() const
    {
        return keychain->items.value(FakeKeychainBackend::key(account, service));
    }
    QString inFallback() const
    {
        return fallback->items.value(FakeSecureStore::key(account, service));
    }
};

} // namespace

/// The keychain and its fallback file hold the same item whichever of them serves a run.
class TestKeychainCopies : public QObject
{
    Q_OBJECT

private slots:
    void readBringsCopiesInLine_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("inKeychain");
        QTest::addColumn<QString>("inFallback");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("keychainAfter");
        QTest::addColumn<QString>("fallbackAfter");

        QTest::newRow("keychain only: nothing new in the file")
            << Mode::Answers << u"A"_s << QString() << u"A"_s << u"A"_s << QString();
        QTest::newRow("written during an outage: copied into the keychain")
            << Mode::Answers << QString() << u"B"_s << u"B"_s << u"B"_s << u"B"_s;
        QTest::newRow("both, different: the file follows the keychain")
            << Mode::Answers << u"A"_s << u"B"_s << u"A"_s << u"A"_s << u"A"_s;
        QTest::newRow("keychain unusable: the file serves")
            << Mode::Unusable << u"A"_s << u"B"_s << u"B"_s << u"A"_s << u"B"_s;
        QTest::newRow("keychain hangs: the file serves")
            << Mode::Hangs << u"A"_s << u"B"_s << u"B"_s << u"A"_s << u"B"_s;
        QTest::newRow("nowhere") << Mode::Answers << QString() << QString() << QString()
                                 << QString() << QString();
    }

    void readBringsCopiesInLine()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, inKeychain);
        QFETCH(QString, inFallback);
        QFETCH(QString, read);
        QFETCH(QString, keychainAfter);
        QFETCH(QString, fallbackAfter);
        Stores stores(mode, inKeychain, inFallback);

        QCOMPARE(stores.store.read(account, service).value_or(QString()), read);

        QCOMPARE(stores.inKeychain(), keychainAfter);
        QCOMPARE(stores.inFallback(), fallbackAfter);
    }

    void writeKeepsTheFileInLine_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("inFallback");
        QTest::addColumn<QString>("keychainAfter");
        QTest::addColumn<QString>("fallbackAfter");

        QTest::newRow("no copy in the file: none made")
            << Mode::Answers << QString() << u"new"_s << QString();
        QTest::newRow("old copy in the file: replaced")
            << Mode::Answers << u"old"_s << u"new"_s << u"new"_s;
        QTest::newRow("keychain unusable") << Mode::Unusable << QString() << QString() << u"new"_s;
        QTest::newRow("keychain hangs") << Mode::Hangs << u"old"_s << QString() << u"new"_s;
    }

    void writeKeepsTheFileInLine()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, inFallback);
        QFETCH(QString, keychainAfter);
        QFETCH(QString, fallbackAfter);
        Stores stores(mode, {}, inFallback);

        QVERIFY(stores.store.write(account, service, service, u"new"_s));

        QCOMPARE(stores.inKeychain(), keychainAfter);
        QCOMPARE(stores.inFallback(), fallbackAfter);
    }

    void hungKeychainIsWaitedForOnce()
    {
        Stores stores(Mode::Hangs, {}, u"B"_s);
        QElapsedTimer clock;
        clock.start();

        QCOMPARE(stores.store.read(account, service), u"B"_s);
        QVERIFY(stores.store.write(account, service, service, u"C"_s));
        QCOMPARE(stores.store.read(account, service), u"C"_s);

        // One wait for the first question; the rest of the run goes straight to the file.
        const qint64 limit = KeychainSecureStore::answerTimeout.count();
        QVERIFY2(clock.elapsed() < limit + 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(clock.elapsed() >= limit - 50);
        QCOMPARE(stores.keychain->questions, 1);
        QVERIFY(stores.store.keychainHung());
    }
};

QTEST_GUILESS_MAIN(TestKeychainCopies)
#include "tst_keychaincopies.moc"
