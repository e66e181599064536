// The database: kept between runs, never mistaken for another.
#include "SandboxHarness.h"
#include "Store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class SandboxStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsDataBetweenRuns()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"sandbox.db"_s);
        const QHash<QString, QString> user = {
            {u"password"_s, u"e10adc3949ba59abbe56e057f20f883e"_s},
            {u"useraccount"_s, u"18812345678"_s},
            {u"uuid"_s, u"2C7B9E40-51D3-4A8F-B6E2-0F9A3D7C1E58"_s}};
        {
            SandboxHarness first(file);
            QVERIFY(first.isListening());
            QCOMPARE(
                replyText(first.call(ServiceOperation::registerUser, user), {u"info", u"flag"}),
                u"1"_s);
        }
        SandboxHarness second(file);
        QVERIFY(second.isListening());
        QCOMPARE(second.call(ServiceOperation::checkUser, user).returnText.value_or(QString()),
                 u"1"_s);
        // Reopening must not seed a second time.
        QCOMPARE(second.count(u"SELECT count(*) FROM accounts"_s), 5);
        QCOMPARE(second.count(u"SELECT count(*) FROM messages"_s), 3);
        QCOMPARE(second.count(u"SELECT count(*) FROM users"_s), 3);
    }

    void refusesAnotherDatabase()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"other.db"_s);
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            other.setDatabaseName(file);
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(u"CREATE TABLE ledger (entry TEXT)"_s, other).isActive());
            other.close();
        }
        QSqlDatabase::removeDatabase(u"other"_s);

        const sandbox::Store store(file);
        QVERIFY(!store.isOpen());
        QVERIFY(!store.errorText().isEmpty());
    }
};

QTEST_GUILESS_MAIN(SandboxStoreTest)
#include "tst_sandboxstore.moc"
