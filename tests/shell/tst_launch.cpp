#include "LocalHttpServer.h"
#include "platform/FileSecureStore.h"
#include "service/Envelope.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

/// Starts the real app offscreen against a local service and checks what it announces.
class TestLaunch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(QFile::exists(QStringLiteral(TARVO_APP_PATH)), TARVO_APP_PATH);
        QVERIFY(m_server.listen());
    }

    void deviceIdentifierSurvivesRelaunchAndLostCopies()
    {
        QTemporaryDir scratch;
        const QString home = scratch.filePath(u"home"_s);
        const QString settingsFile = QDir(home).filePath(u"settings.ini"_s);

        run(scratch, home);
        if (QTest::currentTestFailed())
            return;
        const QString identifier =
            QSettings(settingsFile, QSettings::IniFormat).value(u"UUID"_s).toString();
        static const QRegularExpression form(
            u"^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"_s);
        QVERIFY2(form.match(identifier).hasMatch(), qPrintable(identifier));

        // A URL on the command line is the wallet returning to the app.
        const QByteArray output =
            run(scratch, home, {u"wx5d0c3f1a9e7b2468://pay/?returnKey=K&ret=-2"_s});
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(output.contains("payment response: errCode -2"), output.constData());
        QVERIFY(QFile::remove(settingsFile));
        run(scratch, home);
        if (QTest::currentTestFailed())
            return;
        // Restored from the secure store.
        QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value(u"UUID"_s).toString(),
                 identifier);

        // The secure store's file lost (or unreadable at one start): the settings' copy stays
        // and goes back into the store.
        const QString secretsFile = QDir(home).filePath(FileSecureStore::fileName);
        QVERIFY(QFile::remove(secretsFile));
        run(scratch, home);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value(u"UUID"_s).toString(),
                 identifier);
        QCOMPARE(FileSecureStore(home).read(u"QDMRVL"_s, u"LP"_s), identifier);

        // Announced by all four launches.
        const QByteArray announcement =
            Envelope::body(ServiceOperation::updateInfo, {{u"uuid"_s, identifier}});
        QCOMPARE(m_server.requests().size(), 4);
        for (const LocalHttpServer::Request &request : m_server.requests()) {
            QCOMPARE(request.method, "POST");
            QCOMPARE(request.path, "/trvo/ws/appService");
            QCOMPARE(request.body, announcement);
        }
    }

    void laterStartRaisesTheRunningApp()
    {
        QTemporaryDir scratch;
        const QString home = scratch.filePath(u"home"_s);
        QProcess first;
        start(first, scratch, home, {u"--quit-after"_s, u"20"_s});
        QVERIFY(waitForLine(first, "home folder:"));

        // The wallet returning to the app starts it again with its URL.
        const QByteArray later =
            run(scratch, home, {u"wx5d0c3f1a9e7b2468://pay/?returnKey=K&ret=-2"_s});
        QVERIFY2(later.contains("already runs"), later.constData());
        QVERIFY(waitForLine(first, "payment response: errCode -2"));
        first.kill();
        first.waitForFinished();

        // Killed without a chance to tidy up: the next start is the app again.
        const QByteArray next = run(scratch, home);
        QVERIFY2(!next.contains("already runs"), next.constData());
        QVERIFY2(next.contains("quitting after"), next.constData());
    }

    void careModeFromTheSettingsOrForOneRun_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("announced");

        QTest::newRow("never switched")
            << QVariant() << QStringList() << QByteArray("care mode off, text at 1x");
        QTest::newRow("switched on before")
            << QVariant(true) << QStringList() << QByteArray("care mode on, text at 1.3x");
        QTest::newRow("switched off before")
            << QVariant(false) << QStringList() << QByteArray("care mode off, text at 1x");
        QTest::newRow("--care") << QVariant() << QStringList{u"--care"_s}
                                << QByteArray("care mode on, text at 1.3x");
        QTest::newRow("--care over off") << QVariant(false) << QStringList{u"--care"_s}
                                         << QByteArray("care mode on, text at 1.3x");
    }

    void careModeFromTheSettingsOrForOneRun()
    {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, announced);
        QTemporaryDir scratch;
        const QString home = scratch.filePath(u"home"_s);
        const QString settingsFile = QDir(home).filePath(u"settings.ini"_s);
        if (stored.isValid())
            QSettings(settingsFile, QSettings::IniFormat).setValue(u"careMode"_s, stored);

        const QByteArray output = run(scratch, home, arguments);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(output.contains(announced), output.constData());
        // --care leaves the remembered choice as it was.
        QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value(u"careMode"_s).toString(),
                 stored.toString());
    }

private:
    void start(QProcess &app, const QTemporaryDir &scratch, const QString &home,
               const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"TARVO_SECURE_STORE"_s, u"file"_s);
        environment.insert(u"QT_LOGGING_RULES"_s, u"tarvo.*.info=true"_s);
        environment.insert(u"HOME"_s, scratch.filePath(u"user"_s));
        environment.insert(u"XDG_CONFIG_HOME"_s, scratch.filePath(u"user/config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, scratch.filePath(u"user/data"_s));
        environment.insert(u"XDG_CACHE_HOME"_s, scratch.filePath(u"user/cache"_s));
        app.setProcessEnvironment(environment);
        app.setProcessChannelMode(QProcess::MergedChannels);
        app.start(QStringLiteral(TARVO_APP_PATH),
                  QStringList{u"--home"_s, home, u"--service"_s,
                              m_server.url(u"/trvo/ws/appService"_s).toString()} +
                      arguments);
    }

    // Waits, with the event loop running, until the app has logged `text`.
    static bool waitForLine(QProcess &app, const QByteArray &text)
    {
        QByteArray seen;
        return QTest::qWaitFor(
            [&] {
                seen += app.readAll();
                return seen.contains(text);
            },
            30000);
    }

    // Runs the app once to its scripted end, with a profile of its own in `scratch`;
    // gives what it logged.
    QByteArray run(const QTemporaryDir &scratch, const QString &home,
                   const QStringList &arguments = {})
    {
        QProcess app;
        QSignalSpy finished(&app, &QProcess::finished);
        start(app, scratch, home, QStringList{u"--quit-after"_s, u"1"_s} + arguments);
        // The event loop must run meanwhile: the server answers from it.
        if (!finished.wait(30000)) {
            app.kill();
            app.waitForFinished();
            QTest::qFail("the app did not quit by itself", __FILE__, __LINE__);
            return {};
        }
        const QByteArray output = app.readAll();
        if (app.exitStatus() != QProcess::NormalExit || app.exitCode() != 0)
            QTest::qFail(output.constData(), __FILE__, __LINE__);
        return output;
    }

    LocalHttpServer m_server;
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
