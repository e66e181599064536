// Messages left for the app while the sandbox runs, and what backMessage then hands out.
#include "MessageAdmin.h"
#include "SandboxHarness.h"
#include "service/DocumentDictionary.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QUrl adminUrl(const SandboxHarness &sandbox)
{
    QUrl url = sandbox.serviceUrl();
    url.setPath(QString(sandbox::MessageAdmin::path));
    return url;
}

QStringList idsAfter(SandboxHarness &sandbox, const QString &msgid)
{
    const ServiceReply reply = sandbox.call(ServiceOperation::backMessage, {{u"msgid"_s, msgid}});
    QStringList ids;
    if (!reply.replyDocument)
        return {u"<no reply document>"_s};
    for (const QVariantMap &message : DocumentDictionary::elements(
             DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"queryList"})))
        ids.append(DocumentDictionary::textAt(message, {u"msgid"}).value_or(QString()));
    return ids;
}

} // namespace

class SandboxMessagesTest : public QObject
{
    Q_OBJECT

private slots:
    void addOverHttp_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("added"); // title and text read back

        QTest::newRow("title and text")
            << QByteArray("{\"title\":\"停气 & <通知>\",\"text\":\"第一行\\n第二行 &amp;\"}") << 201
            << QStringList{u"停气 & <通知>"_s, u"第一行\n第二行 &amp;"_s};
        QTest::newRow("not JSON") << QByteArray("title=x") << 400 << QStringList();
        QTest::newRow("no text") << QByteArray("{\"title\":\"x\"}") << 400 << QStringList();
        QTest::newRow("text not a string")
            << QByteArray("{\"title\":\"x\",\"text\":5}") << 400 << QStringList();
    }

    void addOverHttp()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QStringList, added);
        SandboxHarness sandbox;
        QVERIFY(sandbox.isListening());

        const SandboxHarness::Exchange answer =
            sandbox.post(adminUrl(sandbox), "application/json", body);

        QCOMPARE(answer.status, status);
        if (status == 201)
            QCOMPARE(QJsonDocument::fromJson(answer.body).object().value(u"msgid"_s).toInteger(),
                     4);
        QCOMPARE(idsAfter(sandbox, u"3"_s), added.isEmpty() ? QStringList() : QStringList{u"4"_s});
        if (added.isEmpty())
            return;
        // Markup and line breaks come back as they were sent.
        const ServiceReply reply =
            sandbox.call(ServiceOperation::backMessage, {{u"msgid"_s, u"3"_s}});
        QCOMPARE(replyText(reply, {u"info", u"queryList", u"titles"}), added[0]);
        QCOMPARE(replyText(reply, {u"info", u"queryList", u"contexts"}), added[1]);
    }

    void onlyPeersOnThisMachine_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<int>("status");

        QTest::newRow("IPv4 loopback") << u"127.0.0.1"_s << 201;
        QTest::newRow("IPv6 loopback") << u"::1"_s << 201;
        QTest::newRow("IPv4 loopback on a dual-stack socket") << u"::ffff:127.0.0.1"_s << 201;
        QTest::newRow("another machine") << u"192.0.2.10"_s << 403;
        QTest::newRow("another machine on a dual-stack socket") << u"::ffff:192.0.2.10"_s << 403;
        QTest::newRow("IPv6 neighbour") << u"fe80::1"_s << 403;
    }

    void onlyPeersOnThisMachine()
    {
        QFETCH(QString, peer);
        QFETCH(int, status);
        SandboxHarness sandbox;
        const sandbox::MessageAdmin admin(sandbox.store());

        const sandbox::HttpAnswer answer =
            admin.add(QHostAddress(peer), "{\"title\":\"t\",\"text\":\"x\"}");

        QCOMPARE(answer.status, status);
        QCOMPARE(idsAfter(sandbox, u"3"_s).size(), status == 201 ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(SandboxMessagesTest)
#include "tst_sandboxmessages.moc"
