#include "SpawnedSandbox.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Run = ProgramRun;

} // namespace

/// Leaving a message in a running sandbox and reading it back as the app would.
class TestCliMessages : public QObject
{
    Q_OBJECT

private:
    SpawnedSandbox m_sandbox;
    QTemporaryDir m_home;

    Run addMessage(const QStringList &arguments)
    {
        return runProgram(QStringLiteral(TARVO_SANDBOX),
                          QStringList{u"message"_s, u"add"_s} + arguments +
                              QStringList{u"--port"_s, m_sandbox.port()});
    }

    Run messages(const QStringList &arguments)
    {
        return runProgram(
            QStringLiteral(TARVO_CLI),
            QStringList{u"messages"_s} + arguments +
                QStringList{u"--service"_s, m_sandbox.serviceUrl(), u"--home"_s, m_home.path()});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(m_sandbox.start());
    }

    void addThenReadBack()
    {
        const Run added = addMessage({u"停气通知"_s, u"周日停气"_s});
        QCOMPARE(added.status, 0);
        QCOMPARE(added.out, "message 4 added\n");

        // One message: a single element on the wire, still a list of one here.
        const Run one = messages({u"--since"_s, u"3"_s, u"--json"_s});
        QCOMPARE(one.status, 0);
        QCOMPARE(QJsonDocument::fromJson(one.out).array(),
                 (QJsonArray{QJsonObject{{u"titles"_s, u"停气通知"_s},
                                         {u"contexts"_s, u"周日停气"_s},
                                         {u"msgid"_s, u"4"_s}}}));

        const Run text = messages({u"--since"_s, u"3"_s});
        QCOMPARE(text.status, 0);
        QCOMPARE(QString::fromUtf8(text.out), u"4  停气通知\n    周日停气\n"_s);

        const Run none = messages({u"--since"_s, u"4"_s, u"--json"_s});
        QCOMPARE(none.status, 0);
        QCOMPARE(QJsonDocument::fromJson(none.out).array(), QJsonArray());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");

        QTest::newRow("no text") << QStringList{u"message"_s, u"add"_s, u"title"_s} << 2
                                 << QByteArray("message add TITLE TEXT");
        QTest::newRow("unknown command") << QStringList{u"message"_s, u"remove"_s, u"t"_s, u"x"_s}
                                         << 2 << QByteArray("message add TITLE TEXT");
        // Port 1 is privileged: no sandbox runs there.
        QTest::newRow("no sandbox at the port")
            << QStringList{u"message"_s, u"add"_s, u"t"_s, u"x"_s, u"--port"_s, u"1"_s} << 1
            << QByteArray("message not added");
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, message);

        const Run refused = runProgram(QStringLiteral(TARVO_SANDBOX), arguments);

        QCOMPARE(refused.status, status);
        QVERIFY2(refused.err.contains(message), refused.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliMessages)
#include "tst_climessages.moc"
