// The sandbox against hostile requests and values: it refuses what it cannot read, stays up,
// keeps its database sound, and carries awkward values through unchanged.
#include "BadRequests.h"
#include "DatabaseFile.h"
#include "SandboxHarness.h"
#include "SpawnedSandbox.h"
#include "Store.h"
#include "service/DocumentDictionary.h"
#include "service/XMLReader.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

const QString passwordDigest = u"e10adc3949ba59abbe56e057f20f883e"_s;

struct Answer
{
    int status = 0;
    QByteArray body;
};

/// Sends every body at once, each from a client of its own on a plain socket (so that a
/// 50 MiB body goes out as fast as a hostile client would send it), and waits for all the
/// answers.
QList<Answer> postAll(const QUrl &url, const QList<QByteArray> &bodies)
{
    QList<Answer> answers(bodies.size());
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    int pending = int(bodies.size());
    for (qsizetype i = 0; i < bodies.size(); ++i) {
        auto *socket = sockets.emplace_back(std::make_unique<QTcpSocket>()).get();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &answers, &pending, i] {
            QByteArray &received = answers[i].body;
            received += socket->readAll();
            const qsizetype headerEnd = received.indexOf("\r\n\r\n");
            static const QRegularExpression length(u"(?i)content-length: *(\\d+)"_s);
            const QRegularExpressionMatch match =
                length.match(QString::fromLatin1(received.left(headerEnd)));
            if (headerEnd < 0 || received.size() < headerEnd + 4 + match.captured(1).toLongLong())
                return;
            answers[i].status = received.mid(9, 3).toInt();
            received.remove(0, headerEnd + 4);
            socket->disconnect();
            --pending;
        });
        socket->connectToHost(url.host(), quint16(url.port()));
        socket->write("POST " + url.path().toUtf8() +
                      " HTTP/1.1\r\nHost: " + url.authority().toUtf8() +
                      "\r\nContent-Type: text/xml;charset=utf-8\r\nContent-Length: " +
                      QByteArray::number(bodies[i].size()) + "\r\n\r\n" + bodies[i]);
    }
    // An answer that does not come in time keeps status 0, which the caller's checks report.
    std::ignore = QTest::qWaitFor([&pending] { return pending == 0; }, 60000);
    return answers;
}

std::optional<QString> faultCode(const QByteArray &body)
{
    const std::optional<QVariantMap> fault = XMLReader::dictionaryForXMLData(body);
    if (!fault)
        return std::nullopt;
    return DocumentDictionary::textAt(
        *fault, {u"soap:Envelope", u"soap:Body", u"soap:Fault", u"faultcode"});
}

std::optional<QString> arrearsMessage(const QByteArray &body)
{
    const ServiceReply reply = ServiceReply::unwrap(ServiceOperation::queryExpense, body);
    if (!reply.replyDocument)
        return std::nullopt;
    return DocumentDictionary::textAt(*reply.replyDocument,
                                      {u"queryOweAmtYxResponse", u"returnMsg"});
}

/// Printable ASCII with every character the envelope must escape, repeated to `length`.
QString awkward(qsizetype length, QStringView pattern = u"<&\"'>]]>x")
{
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += pattern.left(length - text.size());
    return text;
}

} // namespace

class TestBadInputSandbox : public QObject
{
    Q_OBJECT

private slots:
    void survivesBadRequestsWithItsDatabaseSound()
    {
        QTemporaryDir home;
        const QString databaseFile = home.filePath(u"sandbox.db"_s);
        {
            SpawnedSandbox sandbox;
            QVERIFY(sandbox.start({u"--db"_s, databaseFile}));
            const QUrl url(sandbox.serviceUrl());

            // Good requests go in between the bad ones, all in flight together.
            const QList<BadReplies::Case> bad = BadRequests::all();
            QList<QByteArray> bodies;
            for (const BadReplies::Case &request : bad)
                bodies << request.body << BadRequests::goodQuery();
            const QList<Answer> answers = postAll(url, bodies);

            for (qsizetype i = 0; i < bad.size(); ++i) {
                const Answer &refused = answers[2 * i];
                QVERIFY2(refused.status == 500, bad[i].name.constData());
                QVERIFY2(faultCode(refused.body).value_or(QString()).startsWith(u"soap:"),
                         bad[i].name.constData());
                QCOMPARE(arrearsMessage(answers[2 * i + 1].body), u"查询成功!"_s);
            }
            QVERIFY(sandbox.isRunning());
            QCOMPARE(arrearsMessage(postAll(url, {BadRequests::goodQuery()}).constFirst().body),
                     u"查询成功!"_s);
        }
        QCOMPARE(queryDatabaseFile(databaseFile, u"PRAGMA integrity_check"_s), u"ok"_s);
    }

    void awkwardValuesComeBackIntact_data()
    {
        QTest::addColumn<QString>("value");

        QTest::newRow("less-than") << u"<"_s;
        QTest::newRow("ampersand") << u"&"_s;
        QTest::newRow("quotes") << u"\"'"_s;
        QTest::newRow("markup") << u"<info><flag>1</flag></info>"_s;
        QTest::newRow("already escaped") << u"&amp;lt;"_s;
        QTest::newRow("blanks kept") << u"  1000001 "_s;
        QTest::newRow("100 k characters to escape") << awkward(100'000);
        QTest::newRow("100 k ampersands") << awkward(100'000, u"&");
        QTest::newRow("100 k Chinese characters") << awkward(100'000, u"户号");
    }

    void awkwardValuesComeBackIntact()
    {
        QFETCH(QString, value);
        SandboxHarness sandbox;
        QVERIFY(sandbox.isListening());
        int status = 0;

        // Read as a value, not as markup: an unknown account, a refused sign-in (passwords
        // travel as their digest).
        const ServiceReply query =
            sandbox.call(ServiceOperation::queryExpense, {{u"queryValue"_s, value}}, &status);
        QCOMPARE(status, 200);
        QVERIFY(query.replyDocument);
        QCOMPARE(sandbox
                     .call(ServiceOperation::checkUser,
                           {{u"useraccount"_s, value}, {u"password"_s, passwordDigest}}, &status)
                     .returnText,
                 u"X"_s);
        QCOMPARE(status, 200);

        // Stored and read back unchanged: the device a registration records.
        const ServiceReply registration = sandbox.call(ServiceOperation::registerUser,
                                                       {{u"useraccount"_s, u"13800002222"_s},
                                                        {u"password"_s, passwordDigest},
                                                        {u"uuid"_s, value}},
                                                       &status);
        QCOMPARE(DocumentDictionary::textAt(registration.replyDocument.value_or(QVariantMap()),
                                            {u"info", u"flag"}),
                 u"1"_s);
        std::optional<QSqlQuery> stored = sandbox.store().run(
            u"SELECT device_uuid FROM users WHERE phone = ?"_s, {u"13800002222"_s});
        QVERIFY(stored && stored->next());
        QCOMPARE(stored->value(0).toString(), value);
    }
};

QTEST_GUILESS_MAIN(TestBadInputSandbox)
#include "tst_badinputsandbox.moc"
