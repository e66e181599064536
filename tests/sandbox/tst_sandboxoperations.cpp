// The eight operations over HTTP, each reply read back with the app's own unwrapping.
#include "SandboxHarness.h"
#include "Store.h"
#include "StoreSeed.h"
#include "billing/Money.h"
#include "service/DocumentDictionary.h"

#include <QCryptographicHash>
#include <QDate>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using Fields = QHash<QString, QString>;

namespace {

const QString seededPhone = u"13912345678"_s;
const QString seededDevice = QString(sandbox::StoreSeed::seededDevice);
const QString newDevice = u"9B2E61D4-0C7A-4E3F-8A15-D6F0B3C29E87"_s;

QString md5(const QString &password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Md5).toHex());
}

QStringList texts(const QList<QVariantMap> &elements, const QString &field)
{
    QStringList result;
    for (const QVariantMap &element : elements)
        result.append(element.value(field).toMap().value(u"text"_s).toString());
    return result;
}

qint64 fen(const QVariant &element)
{
    return Money::fenFromYuan(element.toMap().value(u"text"_s).toString()).value_or(-1);
}

} // namespace

class SandboxOperationsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SandboxHarness> sandbox;

private slots:
    void init()
    {
        sandbox = std::make_unique<SandboxHarness>();
        QVERIFY(sandbox->isListening());
    }
    void cleanup() { sandbox.reset(); }

    void replyShape_data()
    {
        QTest::addColumn<ServiceOperation>("operation");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("root");

        QTest::newRow("queryExpense")
            << ServiceOperation::queryExpense << Fields{{u"queryValue"_s, u"1000001"_s}}
            << u"queryOweAmtYxResponse"_s;
        QTest::newRow("createOrder") << ServiceOperation::createOrder
                                     << Fields{{u"userbh"_s, u"1000001"_s},
                                               {u"uuid"_s, newDevice},
                                               {u"rcvblAmtId"_s, u"202501:YS20250100002|"_s},
                                               {u"ypay"_s, u"6210"_s},
                                               {u"spay"_s, u"6210"_s}}
                                     << u"info"_s;
        QTest::newRow("queryHbxx")
            << ServiceOperation::queryHbxx << Fields{{u"useraccount"_s, seededPhone}} << u"info"_s;
        QTest::newRow("registerUser") << ServiceOperation::registerUser
                                      << Fields{{u"password"_s, md5(u"pw"_s)},
                                                {u"useraccount"_s, u"13800001111"_s},
                                                {u"uuid"_s, newDevice}}
                                      << u"info"_s;
        QTest::newRow("checkUser")
            << ServiceOperation::checkUser
            << Fields{{u"password"_s, md5(u"123456"_s)}, {u"useraccount"_s, seededPhone}}
            << QString();
        QTest::newRow("queryPayList") << ServiceOperation::queryPayList
                                      << Fields{{u"ksrq"_s, u"2024-01-01"_s},
                                                {u"jsrq"_s, u"2025-12-31"_s},
                                                {u"uuid"_s, seededDevice}}
                                      << u"info"_s;
        QTest::newRow("updateInfo")
            << ServiceOperation::updateInfo << Fields{{u"uuid"_s, newDevice}} << u"info"_s;
        QTest::newRow("backMessage")
            << ServiceOperation::backMessage << Fields{{u"msgid"_s, u"0"_s}} << u"info"_s;
    }

    void replyShape()
    {
        QFETCH(ServiceOperation, operation);
        QFETCH(Fields, fields);
        QFETCH(QString, root);

        int status = 0;
        const ServiceReply reply = sandbox->call(operation, fields, &status);
        QCOMPARE(status, 200);
        QVERIFY2(reply.returnText, "the app finds no return text");
        if (root.isEmpty()) {
            QVERIFY(!reply.replyDocument);
            return;
        }
        QVERIFY(reply.replyDocument);
        QCOMPARE(reply.replyDocument->keys(), QStringList{root});
        // Field counting in the app breaks on any text between elements.
        QVERIFY(!reply.returnText->contains(QRegularExpression(u">\\s+<"_s)));
    }

    void queryExpense_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("bills");

        const QString success = u"查询成功!"_s;
        QTest::newRow("owes all three kinds") << u"1000001"_s << success << 9;
        QTest::newRow("second account") << u"1000003"_s << success << 5;
        QTest::newRow("owes nothing") << u"1000002"_s << u"用户欠费数据为0!"_s << 0;
        QTest::newRow("never billed") << u"1000005"_s << u"Tarvo无欠费信息\uFF01"_s << 0;
        const QString noSuchAccount = u"Tarvo无此用户\uFF0C请检查输入用户号是否正确!"_s;
        QTest::newRow("unknown account") << u"9999999"_s << noSuchAccount << 0;
        QTest::newRow("blank before number") << u" 1000001"_s << noSuchAccount << 0;
        QTest::newRow("empty") << QString() << noSuchAccount << 0;
    }

    void queryExpense()
    {
        QFETCH(QString, account);
        QFETCH(QString, message);
        QFETCH(int, bills);

        const ServiceReply reply =
            sandbox->call(ServiceOperation::queryExpense, {{u"queryValue"_s, account}});
        QVERIFY(reply.replyDocument);
        const QVariantMap result = reply.replyDocument->value(u"queryOweAmtYxResponse"_s).toMap();
        QCOMPARE(replyText(reply, {u"queryOweAmtYxResponse", u"returnMsg"}), message);

        const QList<QVariantMap> entries = DocumentDictionary::elements(
            DocumentDictionary::valueAt(result, {u"queryList", u"queryList"}));
        QCOMPARE(entries.size(), bills);
        if (bills == 0)
            return;

        QCOMPARE(replyText(reply, {u"queryOweAmtYxResponse", u"consNo"}), account);
        QVERIFY(!DocumentDictionary::textAt(result, {u"consName"}).value_or(QString()).isEmpty());
        QVERIFY(!DocumentDictionary::textAt(result, {u"addr"}).value_or(QString()).isEmpty());

        const QStringList named = {u"oweAmt"_s,       u"rcvType"_s, u"rcvblAmt"_s, u"rcvblAmtId"_s,
                                   u"rcvblPenAlty"_s, u"rcvblYm"_s, u"rcvedAmt"_s, u"tpq"_s};
        qint64 receivable = 0, penalty = 0, owed = 0;
        for (const QVariantMap &entry : entries) {
            // The app cuts records every 12 keys: anything else shifts every later bill.
            QCOMPARE(entry.size(), 12);
            for (const QString &name : named)
                QVERIFY2(entry.contains(name), qPrintable(name));
            for (const QVariant &field : entry)
                QCOMPARE(field.toMap().keys(), QStringList{u"text"_s});
            receivable += fen(entry.value(u"rcvblAmt"_s));
            penalty += fen(entry.value(u"rcvblPenAlty"_s));
            owed += fen(entry.value(u"oweAmt"_s));
            QVERIFY(QRegularExpression(u"^\\d+\\.\\d\\d$"_s)
                        .match(entry.value(u"rcvblAmt"_s).toMap().value(u"text"_s).toString())
                        .hasMatch());
        }
        const QStringList kinds = texts(entries, u"rcvType"_s);
        QCOMPARE(QSet<QString>(kinds.begin(), kinds.end()),
                 (QSet<QString>{u"W"_s, u"P"_s, u"G"_s}));
        const QStringList ids = texts(entries, u"rcvblAmtId"_s);
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());

        // The screens show the totals next to the per-kind sums: they must agree.
        QCOMPARE(fen(result.value(u"totalRcvBlamt"_s)), receivable);
        QCOMPARE(fen(result.value(u"totalPenAlty"_s)), penalty);
        QCOMPARE(fen(result.value(u"totalOweAmt"_s)), owed);
        QCOMPARE(owed, receivable + penalty);
    }

    void registration_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("flag");

        QTest::newRow("new number, new device") << u"13800001111"_s << newDevice << u"1"_s;
        QTest::newRow("registered number") << seededPhone << newDevice << u"2"_s;
        QTest::newRow("device registered before") << u"13800001111"_s << seededDevice << u"3"_s;
        QTest::newRow("both: the device wins") << seededPhone << seededDevice << u"3"_s;
        QTest::newRow("not a phone number") << u"1380000111"_s << newDevice << u"0"_s;
        QTest::newRow("no device") << u"13800001111"_s << QString() << u"0"_s;
    }

    void registration()
    {
        QFETCH(QString, phone);
        QFETCH(QString, device);
        QFETCH(QString, flag);

        const ServiceReply reply = sandbox->call(
            ServiceOperation::registerUser,
            {{u"password"_s, md5(u"s3cret"_s)}, {u"useraccount"_s, phone}, {u"uuid"_s, device}});
        QCOMPARE(replyText(reply, {u"info", u"flag"}), flag);
        // The welcome packet comes with a registration and only with one, and is kept.
        QCOMPARE(DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"hb"}).isValid(),
                 flag == u"1");
        if (flag == u"1") {
            const ServiceReply packets =
                sandbox->call(ServiceOperation::queryHbxx, {{u"useraccount"_s, phone}});
            QCOMPARE(packets.replyDocument->value(u"info"_s).toMap().size(), 1);
        }
    }

    void checkUser_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("answer");

        QTest::newRow("right password") << seededPhone << md5(u"123456"_s) << u"1"_s;
        QTest::newRow("wrong password") << seededPhone << md5(u"654321"_s) << u"X"_s;
        QTest::newRow("plain password") << seededPhone << u"123456"_s << u"X"_s;
        QTest::newRow("unknown number") << u"13700000000"_s << md5(u"123456"_s) << u"X"_s;
        QTest::newRow("empty") << QString() << QString() << u"X"_s;
    }

    void checkUser()
    {
        QFETCH(QString, phone);
        QFETCH(QString, password);
        QFETCH(QString, answer);

        const ServiceReply reply = sandbox->call(
            ServiceOperation::checkUser, {{u"password"_s, password}, {u"useraccount"_s, phone}});
        QCOMPARE(reply.returnText.value_or(u"<absent>"_s), answer);
    }

    void redPackets()
    {
        const ServiceReply reply =
            sandbox->call(ServiceOperation::queryHbxx, {{u"useraccount"_s, seededPhone}});
        QVERIFY(reply.replyDocument);
        const QVariantMap info = reply.replyDocument->value(u"info"_s).toMap();
        QCOMPARE(info.size(), 2);
        QStringList amounts;
        for (const QVariant &packet : info) {
            const QVariantMap record = packet.toMap();
            QVERIFY(DocumentDictionary::textAt(record, {u"hbid"}));
            QVERIFY(DocumentDictionary::textAt(record, {u"hbmc"}));
            amounts.append(DocumentDictionary::textAt(record, {u"hbje"}).value_or(QString()));
            const QDate valid = QDate::fromString(
                DocumentDictionary::textAt(record, {u"yxrq"}).value_or(QString()), Qt::ISODate);
            QVERIFY(valid > QDate::currentDate());
        }
        QVERIFY(amounts.contains(u"5.00"_s));

        // Nobody's packets: no return text, so the app says none is available.
        const ServiceReply none =
            sandbox->call(ServiceOperation::queryHbxx, {{u"useraccount"_s, u"13700000000"_s}});
        QVERIFY(!none.returnText);
    }

    void backMessage_data()
    {
        QTest::addColumn<QString>("since");
        QTest::addColumn<QStringList>("ids");

        QTest::newRow("from the start") << u"0"_s << QStringList{u"1"_s, u"2"_s, u"3"_s};
        QTest::newRow("after the first") << u"1"_s << QStringList{u"2"_s, u"3"_s};
        QTest::newRow("one left") << u"2"_s << QStringList{u"3"_s};
        QTest::newRow("after the greatest") << u"3"_s << QStringList{};
    }

    void backMessage()
    {
        QFETCH(QString, since);
        QFETCH(QStringList, ids);

        const ServiceReply reply =
            sandbox->call(ServiceOperation::backMessage, {{u"msgid"_s, since}});
        QVERIFY(reply.replyDocument);
        const QVariant list =
            DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"queryList"});
        // One message is a single element, not a list of one.
        QCOMPARE(list.typeId() == QMetaType::QVariantMap, ids.size() == 1);
        const QList<QVariantMap> messages = DocumentDictionary::elements(list);
        QCOMPARE(texts(messages, u"msgid"_s), ids);
        for (const QString &title : texts(messages, u"titles"_s))
            QVERIFY(!title.isEmpty());
        for (const QString &text : texts(messages, u"contexts"_s))
            QVERIFY(!text.isEmpty());
    }

    void queryPayList_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("resultCode");
        QTest::addColumn<QStringList>("dates");

        QTest::newRow("two months") << u"2025-01-01"_s << u"2025-02-28"_s << seededDevice << u"1"_s
                                    << QStringList{u"2025-01-15"_s, u"2025-02-18"_s};
        QTest::newRow("one day, both ends included")
            << u"2025-03-12"_s << u"2025-03-12"_s << seededDevice << u"1"_s
            << QStringList{u"2025-03-12"_s};
        QTest::newRow("everything")
            << u"2020-01-01"_s << u"2030-12-31"_s << seededDevice << u"1"_s
            << QStringList{u"2024-12-20"_s, u"2025-01-15"_s, u"2025-02-18"_s, u"2025-03-12"_s};
        QTest::newRow("nothing then")
            << u"2023-01-01"_s << u"2023-12-31"_s << seededDevice << u"0"_s << QStringList{};
        QTest::newRow("another device's payments stay hidden")
            << u"2020-01-01"_s << u"2030-12-31"_s << newDevice << u"0"_s << QStringList{};
        QTest::newRow("start after end")
            << u"2025-03-01"_s << u"2025-01-01"_s << seededDevice << u"0"_s << QStringList{};
        QTest::newRow("not dates")
            << u"2025/01/01"_s << u"2025/12/31"_s << seededDevice << u"0"_s << QStringList{};
    }

    void queryPayList()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, device);
        QFETCH(QString, resultCode);
        QFETCH(QStringList, dates);

        const ServiceReply reply =
            sandbox->call(ServiceOperation::queryPayList,
                          {{u"ksrq"_s, from}, {u"jsrq"_s, to}, {u"uuid"_s, device}});
        QCOMPARE(replyText(reply, {u"info", u"resultCode"}), resultCode);
        const QList<QVariantMap> records = DocumentDictionary::elements(
            DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"queryList"}));
        QCOMPARE(texts(records, u"jfrq"_s), dates);
        for (const QVariantMap &record : records) {
            QVERIFY(DocumentDictionary::textAt(record, {u"userbh"}));
            QVERIFY(Money::fenFromYuan(
                DocumentDictionary::textAt(record, {u"jfje"}).value_or(QString())));
        }
    }

    void updateInfoRecordsTheDevice()
    {
        for (int i = 0; i < 2; ++i) {
            const ServiceReply reply =
                sandbox->call(ServiceOperation::updateInfo, {{u"uuid"_s, newDevice}});
            QCOMPARE(replyText(reply, {u"info", u"flag"}), u"1"_s);
        }
        QCOMPARE(
            sandbox->count(u"SELECT update_count FROM devices WHERE uuid = '%1'"_s.arg(newDevice)),
            2);
    }
};

QTEST_GUILESS_MAIN(SandboxOperationsTest)
#include "tst_sandboxoperations.moc"
