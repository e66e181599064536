#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <future>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

/// One app per profile folder: later starts hand over to the first, other folders are free.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartHandsItsArgumentsOver_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no arguments") << QStringList();
        QTest::newRow("the wallet's URL")
            << QStringList{u"wx5d0c3f1a9e7b2468://pay/?returnKey=K&ret=0"_s};
        QTest::newRow("text beyond ASCII") << QStringList{u"缴费 ?a=1&b=户号"_s};
    }

    void laterStartHandsItsArgumentsOver()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir home;
        SingleInstance first(home.path());
        QCOMPARE(first.claim({}), SingleInstance::Role::first);
        QSignalSpy startedAgain(&first, &SingleInstance::startedAgain);

        // The later start blocks while it waits for the answer, as a second process would.
        auto later = std::async(std::launch::async, [&home, arguments] {
            SingleInstance second(home.path());
            return second.claim(arguments);
        });
        QVERIFY(startedAgain.wait(5000));
        QCOMPARE(startedAgain.constFirst().constFirst().toStringList(), arguments);
        QTRY_VERIFY(later.wait_for(0s) == std::future_status::ready);
        QCOMPARE(later.get(), SingleInstance::Role::handedOver);
    }

    void foldersAreIndependent()
    {
        QTemporaryDir one, other;
        SingleInstance first(one.path());
        SingleInstance second(other.path());
        QCOMPARE(first.claim({}), SingleInstance::Role::first);
        QCOMPARE(second.claim({}), SingleInstance::Role::first);
        // One folder however it is written.
        QCOMPARE(SingleInstance::serverName(one.path() + u"/."_s),
                 SingleInstance::serverName(one.path()));
        QVERIFY(SingleInstance::serverName(one.path()) != SingleInstance::serverName(other.path()));
    }

    void scriptedRunNeverHandsOver()
    {
        QTemporaryDir home;
        SingleInstance first(home.path());
        QVERIFY(first.claimAlone());
        QSignalSpy startedAgain(&first, &SingleInstance::startedAgain);
        SingleInstance scripted(home.path());
        QVERIFY(!scripted.claimAlone());
        QCoreApplication::processEvents();
        QCOMPARE(startedAgain.size(), 0);
    }

    void holderThatDoesNotAnswerIsReported()
    {
        // A process that holds the folder but never listens: starting, or hung.
        QTemporaryDir home;
        QLockFile held(QDir(home.path()).filePath(u"instance.lock"_s));
        QVERIFY(held.tryLock(0));
        SingleInstance later(home.path());
        QCOMPARE(later.claim({u"x"_s}, 300ms), SingleInstance::Role::unreachable);
    }

    void socketLeftBehindDoesNotBlock()
    {
        // An app killed without closing leaves its socket; its lock goes with the process.
        QTemporaryDir home;
        QLocalServer leftBehind;
        QVERIFY(leftBehind.listen(SingleInstance::serverName(home.path())));
        SingleInstance next(home.path());
        QCOMPARE(next.claim({}), SingleInstance::Role::first);
    }

    void garbageOnTheSocketIsDropped()
    {
        QTemporaryDir home;
        SingleInstance first(home.path());
        QCOMPARE(first.claim({}), SingleInstance::Role::first);
        QSignalSpy startedAgain(&first, &SingleInstance::startedAgain);

        QLocalSocket stranger;
        stranger.connectToServer(SingleInstance::serverName(home.path()));
        QVERIFY(stranger.waitForConnected(2000));
        QByteArray garbage;
        {
            QDataStream stream(&garbage, QIODevice::WriteOnly);
            stream << QByteArray("\xff\xff\xff\x10 not a list", 16);
        }
        stranger.write(garbage);
        QVERIFY(stranger.waitForBytesWritten(2000));
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(startedAgain.size(), 0);

        // Still answers the next real start.
        auto later = std::async(std::launch::async, [&home] {
            SingleInstance second(home.path());
            return second.claim({u"again"_s});
        });
        QVERIFY(startedAgain.wait(5000));
        QTRY_VERIFY(later.wait_for(0s) == std::future_status::ready);
        QCOMPARE(later.get(), SingleInstance::Role::handedOver);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
