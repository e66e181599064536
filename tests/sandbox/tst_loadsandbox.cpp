// The real sandbox under many concurrent keep-alive clients: nothing fails, nothing is lost.
#include "DatabaseFile.h"
#include "LoadRun.h"
#include "SpawnedSandbox.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLoadSandbox : public QObject
{
    Q_OBJECT

private slots:
    void concurrentClientsAllServed()
    {
        QTemporaryDir home;
        const QString databaseFile = home.filePath(u"sandbox.db"_s);
        LoadRun::Options options;
        options.clients = 32;
        options.requestsPerClient = 40;
        LoadRun::Result result;
        {
            SpawnedSandbox sandbox;
            QVERIFY(sandbox.start({u"--db"_s, databaseFile}));
            options.serviceUrl = QUrl(sandbox.serviceUrl());
            result = LoadRun::run(options);
            QVERIFY(sandbox.isRunning());
        }

        QVERIFY2(result.failed == 0, qPrintable(result.failureSamples.join(u", ")));
        QCOMPARE(result.sent, options.clients * options.requestsPerClient);
        QCOMPARE(result.succeeded, result.sent);
        // Every accepted order is in the database, once.
        QCOMPARE(result.ordersAccepted, result.sent / 2);
        QCOMPARE(queryDatabaseFile(databaseFile, u"SELECT count(*) FROM orders"_s),
                 QString::number(result.ordersAccepted));
        QCOMPARE(queryDatabaseFile(databaseFile, u"PRAGMA integrity_check"_s), u"ok"_s);
    }
};

QTEST_GUILESS_MAIN(TestLoadSandbox)
#include "tst_loadsandbox.moc"
