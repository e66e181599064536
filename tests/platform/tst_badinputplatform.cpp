// Settings and secrets where the disk does not cooperate: the app goes on, says why in the
// log, and never loses what it had.
#include "platform/FileSecureStore.h"
#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString account = u"QDMRVL"_s;
const QString service = u"LP"_s;

enum class Obstacle {
    homeUnderAFile, ///< the profile folder cannot be made: a file stands in its path
    storeIsAFolder, ///< a folder holds the file's name
    storeTooLarge,  ///< a file far larger than any secrets file
};

/// A home where the secure store meets the obstacle; the previous file content, if any.
QString prepare(const QTemporaryDir &root, Obstacle obstacle, QByteArray *content)
{
    switch (obstacle) {
    case Obstacle::homeUnderAFile: {
        QFile blocker(root.filePath(u"blocker"_s));
        blocker.open(QIODevice::WriteOnly);
        return root.filePath(u"blocker/home"_s);
    }
    case Obstacle::storeIsAFolder:
        QDir(root.path()).mkpath(FileSecureStore::fileName);
        return root.path();
    case Obstacle::storeTooLarge: {
        *content = "{\"LP\":{\"other\":{\"secret\":\"kept\",\"label\":\"" +
                   QByteArray(2 * 1024 * 1024, 'x') + "\"}}}";
        QFile file(QDir(root.path()).filePath(FileSecureStore::fileName));
        file.open(QIODevice::WriteOnly);
        file.write(*content);
        return root.path();
    }
    }
    return {};
}

/// Collects the warnings logged while it lives.
class WarningLog
{
public:
    WarningLog() { m_previous = qInstallMessageHandler(&WarningLog::collect); }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        lines().clear();
    }
    QString text() const { return lines().join(u'\n'); }

private:
    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg)
            lines().append(message);
    }

    QtMessageHandler m_previous = nullptr;
};

} // namespace

class TestBadInputPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void unavailableSecureStore_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<QString>("logged");

        QTest::newRow("profile folder cannot be made")
            << Obstacle::homeUnderAFile << u"cannot create the folder"_s;
        QTest::newRow("a folder in the file's place")
            << Obstacle::storeIsAFolder << u"cannot read"_s;
        QTest::newRow("a file too large to be ours") << Obstacle::storeTooLarge << u"cannot read"_s;
    }

    void unavailableSecureStore()
    {
        QFETCH(Obstacle, obstacle);
        QFETCH(QString, logged);
        QTemporaryDir root;
        QByteArray before;
        const QString home = prepare(root, obstacle, &before);
        FileSecureStore store(home);

        const WarningLog log;
        QCOMPARE(store.read(account, service), std::nullopt);
        QVERIFY(!store.write(account, service, service, u"secret"_s));
        QVERIFY2(log.text().contains(logged), qPrintable(log.text()));
        QVERIFY(log.text().contains(store.filePath()));

        // What the file held is still there, byte for byte.
        if (!before.isNull()) {
            QFile file(store.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        }
    }

    void awkwardSecretRoundTrip_data()
    {
        QTest::addColumn<QString>("secret");

        QTest::newRow("markup and quotes") << u"<a href=\"x\">&amp;'</a>"_s;
        QTest::newRow("control characters") << u"a\tb\nc\rd\u0001"_s;
        QTest::newRow("100 k characters") << u"<&\"'密码"_s.repeated(20'000);
    }

    void awkwardSecretRoundTrip()
    {
        QFETCH(QString, secret);
        QTemporaryDir home;
        QVERIFY(FileSecureStore(home.path()).write(account, service, service, secret));
        QCOMPARE(FileSecureStore(home.path()).read(account, service), secret);
    }

    void settingsThatCannotBeWrittenStillHoldForTheRun()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath(u"blocker"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        IniSettingsStore store(root.filePath(u"blocker/home"_s));

        const WarningLog log;
        store.setValue(u"userNumber"_s, u"1000001"_s);
        QCOMPARE(store.string(u"userNumber"_s), u"1000001"_s);
        QVERIFY2(log.text().contains(u"cannot write the settings file"_s), qPrintable(log.text()));
    }
};

QTEST_GUILESS_MAIN(TestBadInputPlatform)
#include "tst_badinputplatform.moc"
