#include "LocalHttpServer.h"
#include "SiteCorpus.h"
#include "SpawnedSandbox.h"
#include "billing/DataMD5.h"
#include "platform/IniSettingsStore.h"
#include "service/Envelope.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString deviceId = u"0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D"_s;
// The device the sandbox's seed has payments for.
const QString seededDeviceId = u"5F0C2A8E-3B71-4D9A-9E64-2C1B7A0D4E93"_s;

using Run = ProgramRun;

} // namespace

/// tarvo-cli as support staff use it, against a real tarvo-sandbox on a free port.
class TestCli : public QObject
{
    Q_OBJECT

private:
    SpawnedSandbox m_sandbox;
    QTemporaryDir m_home;

    Run cli(const QStringList &arguments, const QByteArray &input = {})
    {
        return runProgram(QStringLiteral(TARVO_CLI),
                          arguments + QStringList{u"--service"_s, m_sandbox.serviceUrl(),
                                                  u"--website"_s, m_sandbox.websiteUrl(),
                                                  u"--home"_s, m_home.path()},
                          input);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(m_sandbox.start());
    }

    void envelopeIsTheExactBody()
    {
        const Run run = cli({u"envelope"_s, u"queryExpense"_s, u"queryValue=a=b<c"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out,
                 Envelope::body(ServiceOperation::queryExpense, {{u"queryValue"_s, u"a=b<c"_s}}) +
                     '\n');
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        QTest::newRow("unknown operation")
            << QStringList{u"envelope"_s, u"pay"_s} << QByteArray() << 2 << u"unknown operation"_s;
        QTest::newRow("unknown field") << QStringList{u"call"_s, u"checkUser"_s, u"user=1"_s}
                                       << QByteArray() << 2 << u"not NAME=VALUE"_s;
        QTest::newRow("malformed XML") << QStringList{u"read-xml"_s} << QByteArray("<a><b></a>")
                                       << 1 << u"not a well-formed XML document"_s;
        QTest::newRow("missing file") << QStringList{u"read-xml"_s, u"/nonexistent.xml"_s}
                                      << QByteArray() << 1 << u"cannot read"_s;
        QTest::newRow("red packet without its owner")
            << QStringList{u"pay"_s, u"1000001"_s, u"--hb"_s, u"X"_s} << QByteArray() << 2
            << u"--hb needs --user"_s;
        QTest::newRow("no wallet app") << QStringList{u"pay"_s, u"1000001"_s,  u"--uuid"_s,
                                                      deviceId, u"--wallet"_s, u"missing"_s}
                                       << QByteArray() << 1 << u"你的手机没有安装微信"_s;
        QTest::newRow("wallet app too old")
            << QStringList{u"pay"_s, u"1000001"_s,  u"--uuid"_s,
                           deviceId, u"--wallet"_s, u"unsupported"_s}
            << QByteArray() << 1 << u"你的微信不支持微信支付"_s;
        QTest::newRow("control character in an account number")
            << QStringList{u"query"_s, u"1000\u0001001"_s} << QByteArray() << 2
            << u"control characters"_s;
        QTest::newRow("control character in a field")
            << QStringList{u"call"_s, u"queryExpense"_s, u"queryValue=\u001b"_s} << QByteArray()
            << 2 << u"control characters"_s;
        QTest::newRow("no device identifier") << QStringList{u"pay"_s, u"1000001"_s} << QByteArray()
                                              << 2 << u"no device identifier"_s;
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = cli(arguments, input);
        QCOMPARE(run.status, status);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    }

    void readXmlAsJson()
    {
        const Run run = cli({u"read-xml"_s, u"--json"_s}, "<a x=\"1\"><b>1</b><b>2</b></a>");
        QCOMPARE(run.status, 0);
        const QJsonObject a = run.json().value(u"a"_s).toObject();
        QCOMPARE(a.value(u"x"_s).toString(), u"1"_s);
        QCOMPARE(a.value(u"b"_s).toArray().size(), 2);
    }

    void callCheckUser()
    {
        const Run run = cli({u"call"_s, u"checkUser"_s, u"useraccount=13912345678"_s,
                             u"password="_s + DataMD5::accountMd5(u"123456"_s), u"--json"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json().value(u"returnText"_s).toString(), u"1"_s);
        QVERIFY(!run.json().contains(u"replyDocument"_s));
    }

    void query_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outcome");

        QTest::newRow("owes") << u"1000001"_s << 0 << u"查询成功!"_s;
        QTest::newRow("owes nothing") << u"1000002"_s << 1 << u"NoArrearage"_s;
    }

    void query()
    {
        QFETCH(QString, account);
        QFETCH(int, status);
        QFETCH(QString, outcome);
        const Run run = cli({u"query"_s, account, u"--json"_s});
        QCOMPARE(run.status, status);
        QCOMPARE(run.json().value(u"outcome"_s).toString(), outcome);
        if (status == 0) {
            const QJsonArray rows = run.json().value(u"rows"_s).toArray();
            QCOMPARE(rows.size(), 8);
            QVERIFY(rows[7].toString().endsWith(u"元"_s));
            QVERIFY(
                !run.json().value(u"model"_s).toObject().value(u"queryList"_s).toArray().isEmpty());
        }
    }

    void signAtAFixedTime()
    {
        const Run run = cli({u"sign"_s, u"wx123"_s, u"--time"_s, u"1480000000.9"_s, u"--json"_s});
        QCOMPARE(run.status, 0);
        // The fraction is dropped; what is signed with it is pinned in tests/billing.
        QCOMPARE(run.json().value(u"timeStamp"_s).toInteger(), 1480000000);
    }

    void tamperedSignatureIsRefused()
    {
        const Run run = cli({u"pay"_s, u"1000001"_s, u"--uuid"_s, deviceId, u"--tamper"_s});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("wallet: -1"), run.out.constData());
    }

    // Orders and settlement are checked against the sandbox in tests/sandbox; here, that
    // the command carries the red packet through to a settled order.
    void payWithARedPacket()
    {
        const QString account = u"1000004"_s;
        const qint64 deduction = 500;
        const Run run = cli({u"pay"_s, account, u"--uuid"_s, deviceId, u"--json"_s, u"--user"_s,
                             u"13912345678"_s, u"--hb"_s, u"HB000001"_s});
        QCOMPARE(run.status, 0);
        const QJsonObject order = run.json();
        QCOMPARE(order.value(u"errCode"_s).toInt(), 0);
        QCOMPARE(order.value(u"userbh"_s).toString(), account);
        const qint64 ypay = order.value(u"ypay"_s).toString().toLongLong();
        QCOMPARE(order.value(u"spay"_s).toString().toLongLong(), ypay - deduction);
        QVERIFY(!order.value(u"prepayId"_s).toString().isEmpty());

        // Paid in full: the account owes nothing now.
        const Run again = cli({u"query"_s, account, u"--json"_s});
        QCOMPARE(again.json().value(u"outcome"_s).toString(), u"NoArrearage"_s);
    }

    // The whole road of a receipt from the terminal: none for a refused payment, none over a
    // file, then the PDF of the payment, and the month's sum of it.
    void payWithAReceiptAndSumTheMonths()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString account = u"1000003"_s;
        const QString device = u"7C1D2E3F-0A1B-4C2D-8E3F-4A5B6C7D8E9F"_s;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"收据 1000003.pdf"_s);
        const QStringList pay{u"pay"_s, account, u"--uuid"_s, device, u"--receipt"_s, pdf};

        const Run refused = cli(pay + QStringList{u"--tamper"_s});
        QCOMPARE(refused.status, 1);
        QVERIFY(!QFile::exists(pdf));

        QFile existing(pdf);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        const Run notOver = cli(pay);
        QCOMPARE(notOver.status, 2);
        QVERIFY2(notOver.err.contains("exists already"), notOver.err.constData());
        QCOMPARE(existing.size(), 0);
        QCOMPARE(cli({u"query"_s, account, u"--json"_s}).json().value(u"outcome"_s).toString(),
                 u"查询成功!"_s);
        QVERIFY(existing.remove());

        const Run paid = cli(pay + QStringList{u"--json"_s});
        QCOMPARE(paid.status, 0);
        QCOMPARE(paid.json().value(u"receipt"_s).toString(), pdf);
        const qint64 spay = paid.json().value(u"spay"_s).toString().toLongLong();
        QVERIFY(spay > 0);
        const QString yuan = u"%1.%2"_s.arg(spay / 100).arg(spay % 100, 2, 10, QChar(u'0'));
        const ProgramRun text = runProgram(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        QCOMPARE(text.status, 0);
        const QString printed = QString::fromUtf8(text.out).simplified();
        QVERIFY2(printed.contains(u"户号 1000003"_s), qPrintable(printed));
        QVERIFY2(printed.contains(u"实付金额 %1元"_s.arg(yuan)), qPrintable(printed));
        QVERIFY(printed.contains(u"订单号 "_s + paid.json().value(u"prepayId"_s).toString()));

        // The sandbox dates the payment today; the months around it paid nothing.
        const QDate today = QDate::currentDate();
        const QDate start(today.addMonths(-2).year(), today.addMonths(-2).month(), 1);
        const Run months =
            cli({u"records"_s, start.toString(u"yyyy-MM-dd"_s), today.toString(u"yyyy-MM-dd"_s),
                 u"--uuid"_s, device, u"--by-month"_s});
        QCOMPARE(months.status, 0);
        const QStringList expected{
            start.toString(u"yyyy-MM"_s) + u"  0.00"_s,
            start.addMonths(1).toString(u"yyyy-MM"_s) + u"  0.00"_s,
            today.toString(u"yyyy-MM"_s) + u"  "_s + yuan,
            u"total    "_s + yuan,
        };
        QCOMPARE(QString::fromUtf8(months.out).trimmed().split(u'\n'), expected);
    }

    void monthsOfTheSeededPayments()
    {
        const Run run = cli({u"records"_s, u"2024-11-20"_s, u"2025-04-02"_s, u"--uuid"_s,
                             seededDeviceId, u"--by-month"_s, u"--json"_s});
        QCOMPARE(run.status, 0);
        QStringList months;
        for (const QJsonValue &month : run.json().value(u"months"_s).toArray())
            months.append(month[u"month"_s].toString() + u' ' +
                          QString::number(month[u"fen"_s].toInteger()));
        QCOMPARE(months, (QStringList{u"2024-11 0"_s, u"2024-12 23560"_s, u"2025-01 31845"_s,
                                      u"2025-02 15630"_s, u"2025-03 12050"_s, u"2025-04 0"_s}));
        QCOMPARE(run.json().value(u"total"_s)[u"amount"_s].toString(), u"830.85"_s);
        // Months without payments are still months: a year without any prints zeros.
        const Run empty = cli({u"records"_s, u"2020-01-01"_s, u"2020-02-29"_s, u"--uuid"_s,
                               seededDeviceId, u"--by-month"_s});
        QCOMPARE(empty.status, 0);
        QCOMPARE(empty.out, QByteArray("2020-01  0.00\n2020-02  0.00\ntotal    0.00\n"));
    }

    void records_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("amounts"); // when listed
        QTest::addColumn<QString>("message");     // when refused

        QTest::newRow("the seeded payments")
            << QStringList{u"2024-12-01"_s, u"2025-03-31"_s} << 0
            << QStringList{u"235.60"_s, u"318.45"_s, u"156.30"_s, u"120.50"_s} << QString();
        QTest::newRow("no records") << QStringList{u"2020-01-01"_s, u"2020-12-31"_s} << 1
                                    << QStringList() << u"该时间段暂无缴费记录"_s;
        QTest::newRow("start after end") << QStringList{u"2025-03-13"_s, u"2025-03-12"_s} << 1
                                         << QStringList() << u"开始日期不能大于结束日期"_s;
    }

    void records()
    {
        QFETCH(QStringList, dates);
        QFETCH(int, status);
        QFETCH(QStringList, amounts);
        QFETCH(QString, message);

        const Run run = cli(QStringList{u"records"_s} + dates +
                            QStringList{u"--uuid"_s, seededDeviceId, u"--json"_s});
        QCOMPARE(run.status, status);
        if (!message.isEmpty()) {
            QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
            return;
        }
        const QJsonArray records = QJsonDocument::fromJson(run.out).array();
        QStringList read;
        for (const QJsonValue &record : records) {
            QCOMPARE(record.toObject().keys(), (QStringList{u"jfje"_s, u"jfrq"_s, u"userbh"_s}));
            read.append(record[u"jfje"_s].toString());
        }
        QCOMPARE(read, amounts);
    }

    void recordsOfTheHomeDevice()
    {
        IniSettingsStore(m_home.path()).setValue(u"UUID"_s, seededDeviceId);
        const Run run = cli({u"records"_s, u"2025-03-12"_s, u"2025-03-12"_s});
        IniSettingsStore(m_home.path()).remove(u"UUID"_s);
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out),
                 u"缴费编号 1000001\n缴费日期 2025-03-12\n缴费金额 120.50元\n"_s);
    }

    void notices()
    {
        const Run run = cli({u"notices"_s, u"--json"_s});
        QCOMPARE(run.status, 0);
        const QJsonArray notices = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(notices.size(), 10);
        for (const QJsonValue &notice : notices) {
            QCOMPARE(notice.toObject().keys(), (QStringList{u"URL"_s, u"subTitle"_s, u"title"_s}));
            QVERIFY(notice[u"URL"_s].toString().startsWith(m_sandbox.websiteUrl() + u"/reds/"_s));
            QVERIFY(!notice[u"URL"_s].toString().contains(u"amp;"_s));
        }
        QCOMPARE(notices[0][u"subTitle"_s].toString(), u"2016-01-12"_s);
    }

    // Other sites' pages, served from this process, so the program runs while it serves them.
    void noticesOfRealShapedPages_data() { SiteCorpus::addListPages(); }
    void noticesOfRealShapedPages()
    {
        QFETCH(QString, page);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(bool, listed);
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.setResponse({status, contentType, SiteCorpus::file(page + u".html"_s)});
        const QString website = server.url().toString(QUrl::StripTrailingSlash);

        QProcess process;
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(TARVO_CLI), {u"notices"_s, u"--json"_s, u"--website"_s,
                                                  website, u"--home"_s, m_home.path()});
        QVERIFY(finished.wait(30000));
        QCOMPARE(process.exitCode(), listed ? 0 : 3);
        if (listed)
            QCOMPARE(QJsonDocument::fromJson(process.readAllStandardOutput()).array(),
                     SiteCorpus::expectedNotices(page, website));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
