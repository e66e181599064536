// Settings and secrets where the disk does not cooperate: the app goes on, says why in the
// log, and never loses what it had.
#include "platform/FileSecureStore.h"
#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

/// Expects a warning that names `path`: the log says which file stands in the way.
void expectWarningAbout(const QString &path)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
}

} // namespace

class TestBadInputPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void unavailableSecureStore_data()
    {
        QTest::addColumn<Obstacle>("obstacle");

        QTest::newRow("profile folder cannot be made") << Obstacle::homeUnderAFile;
        QTest::newRow("a folder in the file's place") << Obstacle::storeIsAFolder;
        QTest::newRow("a file too large to be ours") << Obstacle::storeTooLarge;
    }

    void unavailableSecureStore()
    {
        QFETCH(Obstacle, obstacle);
        QTemporaryDir root;
        QByteArray before;
        const QString home = prepare(root, obstacle, &before);
        FileSecureStore store(home);

        expectWarningAbout(store.filePath());
        QCOMPARE(store.read(account, service), std::nullopt);
        QVERIFY(!store.write(account, service, service, u"secret"_s));

        // What the file held is still there, byte for byte.
        if (!before.isNull()) {
            QFile file(store.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        }
    }

    void settingsThatCannotBeWrittenStillHoldForTheRun()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath(u"blocker"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        IniSettingsStore store(root.filePath(u"blocker/home"_s));

        expectWarningAbout(root.filePath(u"blocker/home"_s));
        store.setValue(u"userNumber"_s, u"1000001"_s);
        QCOMPARE(store.string(u"userNumber"_s), u"1000001"_s);
    }
};

QTEST_GUILESS_MAIN(TestBadInputPlatform)
#include "tst_badinputplatform.moc"
