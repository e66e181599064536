#include "platform/IniSettingsStore.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Byte literals that may hold NULs.
template<std::size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void valuesOutliveTheStore_data()
    {
        QTest::addColumn<QString>("value");

        QTest::newRow("device identifier") << u"0F8E2D4C-1B3A-4C5D-9E6F-7A8B9C0D1E2F"_s;
        QTest::newRow("Chinese text") << u"张三 13912345678"_s;
        QTest::newRow("INI syntax in the value") << u"a=b;[c]\n\"d\"\\e"_s;
    }

    void valuesOutliveTheStore()
    {
        QFETCH(QString, value);
        QTemporaryDir home;

        {
            IniSettingsStore store(home.path());
            store.setValue(u"UUID"_s, value);
            // Written through at once, so a process killed now keeps it.
            QFile file(home.filePath(u"settings.ini"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains("UUID="));
        }
        QCOMPARE(IniSettingsStore(home.path()).string(u"UUID"_s), value);
    }

    void removedKeyIsGone()
    {
        QTemporaryDir home;
        {
            IniSettingsStore store(home.path());
            store.setValue(u"UUID"_s, u"X"_s);
            store.setValue(u"userNumber"_s, u"1000001"_s);
            store.remove(u"UUID"_s);
        }
        const IniSettingsStore reopened(home.path());
        QVERIFY(!reopened.value(u"UUID"_s).isValid());
        QCOMPARE(reopened.string(u"userNumber"_s), u"1000001"_s);
    }

    void damagedFileIsReadAsFarAsItGoes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("readableIdentifier");

        QTest::newRow("binary garbage")
            << bytes("\x00\x01\xff\xfe[[[=\n\x80garbage\n") << QString();
        QTest::newRow("unclosed section") << QByteArray("[General\nUUID=ABC\n") << u"ABC"_s;
        QTest::newRow("garbage after a good line")
            << bytes("[General]\nUUID=ABC\n\x00\x00\xff binary \n") << u"ABC"_s;
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("cut inside a quoted value")
            << QByteArray("[General]\nUUID=ABC\nuserNumber=\"10000") << u"ABC"_s;
        QTest::newRow("cut inside a key") << QByteArray("[General]\nUUID=ABC\nuserNu") << u"ABC"_s;
        QTest::newRow("UTF-16 file") << bytes("\xff\xfe[\0G\0]\0") << QString();
    }

    void damagedFileIsReadAsFarAsItGoes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, readableIdentifier);
        QTemporaryDir home;
        QFile file(home.filePath(u"settings.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        {
            IniSettingsStore store(home.path());
            QCOMPARE(store.string(u"UUID"_s), readableIdentifier);
            store.setValue(u"userNumber"_s, u"1000001"_s);
        }
        // The damage does not stop new values from being kept.
        QCOMPARE(IniSettingsStore(home.path()).string(u"userNumber"_s), u"1000001"_s);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
