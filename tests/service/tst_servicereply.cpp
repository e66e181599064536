#include "BadReplies.h"
#include "service/ServiceReply.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// A reply as the service writes it, with its XML declaration.
QByteArray reply(const QString &operation, const QString &escapedReturn)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" +
           BadReplies::soapReply(operation, escapedReturn);
}

} // namespace

// Every bad body of BadReplies goes through unwrap again over the wire (tst_serviceclient)
// and in each consumer (tst_badreplies); these rows pin what unwrap itself gives.
class TestServiceReply : public QObject
{
    Q_OBJECT

private slots:
    void unwrap_data()
    {
        QTest::addColumn<ServiceOperation>("operation");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<std::optional<QString>>("returnText");
        QTest::addColumn<bool>("hasReplyDocument");

        QTest::newRow("checkUser answer is the return text itself")
            << ServiceOperation::checkUser << reply(u"checkUser"_s, u"1"_s) << std::optional(u"1"_s)
            << false;
        // Escaped twice on the wire: once for the envelope, once inside the document.
        QTest::newRow("inner document read again")
            << ServiceOperation::queryExpense
            << reply(u"queryExpense"_s, u"&lt;r&gt;&lt;n&gt;王 &amp;amp; 李&lt;/n&gt;&lt;/r&gt;"_s)
            << std::optional(u"<r><n>王 &amp; 李</n></r>"_s) << true;
        QTest::newRow("white space only gives an empty text")
            << ServiceOperation::checkUser << reply(u"checkUser"_s, u" \n\t "_s)
            << std::optional(u""_s) << false;
        QTest::newRow("return text that is not XML has no document")
            << ServiceOperation::queryHbxx << reply(u"queryHbxx"_s, u"error"_s)
            << std::optional(u"error"_s) << false;
        for (const BadReplies::Case &bad : BadReplies::forOperation(ServiceOperation::checkUser)) {
            if (!bad.name.contains("return"))
                QTest::newRow(bad.name.constData())
                    << ServiceOperation::checkUser << bad.body << std::optional<QString>() << false;
        }
    }

    void unwrap()
    {
        QFETCH(ServiceOperation, operation);
        QFETCH(QByteArray, body);
        QFETCH(std::optional<QString>, returnText);
        QFETCH(bool, hasReplyDocument);

        const ServiceReply unwrapped = ServiceReply::unwrap(operation, body);
        QCOMPARE(unwrapped.returnText, returnText);
        QCOMPARE(unwrapped.replyDocument.has_value(), hasReplyDocument);
    }
};

QTEST_GUILESS_MAIN(TestServiceReply)
#include "tst_servicereply.moc"
