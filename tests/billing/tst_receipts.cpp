// The receipt of a payment: what it says, its PDF read back as text, and how receipts are kept
// in their folder without ever replacing one another.
#include "FakeFileOpener.h"
#include "FakeNavigator.h"
#include "billing/OrderRequest.h"
#include "billing/Receipt.h"
#include "billing/ReceiptFolder.h"
#include "billing/ReceiptPdf.h"
#include "billing/ReceiptViewController.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

queryListModel bill(const QString &month, const QString &kind, const QString &amount)
{
    queryListModel bill;
    bill.rcvblYm = month;
    bill.rcvType = kind;
    bill.rcvblAmt = amount;
    bill.rcvblAmtId = u"ID"_s + month + kind;
    return bill;
}

/// Water, electricity and gas of two months: 864.80 owed, 1.84 of it late fees.
PayModel arrears()
{
    PayModel model;
    model.orgName = u"Tarvo青禾东城营业所"_s;
    model.consName = u"王建国"_s;
    model.addr = u"青禾市东城区梧桐路18号3栋2单元501室"_s;
    model.totalOweAmt = u"864.80"_s;
    model.totalPenAlty = u"1.84"_s;
    model.queryList = {bill(u"202501"_s, u"W"_s, u"62.10"_s),
                       bill(u"202501"_s, u"P"_s, u"165.88"_s),
                       bill(u"202502"_s, u"G"_s, u"636.82"_s)};
    return model;
}

Receipt receiptFor(const std::optional<RedPacketChoice> &packet,
                   const QString &account = u"1000001"_s,
                   const QDateTime &time = QDateTime(QDate(2026, 12, 7), QTime(18, 45, 12)))
{
    const PayModel model = arrears();
    Receipt receipt =
        Receipt::make(model, OrderRequest::make(account, u"DEVICE"_s, model, packet), packet);
    receipt.orderTime = time;
    receipt.prepayId = u"wx2026120718451200a1b2c3"_s;
    return receipt;
}

/// The PDF's text as pdftotext lays it out; pages end with a form feed.
QString pdfText(const QByteArray &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, u"-"_s, u"-"_s});
    process.write(pdf);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// One printed line per line, its runs of blanks made one.
QStringList pdfLines(const QByteArray &pdf)
{
    QStringList lines;
    for (const QString &line : pdfText(pdf).split(u'\n'))
        lines.append(line.simplified());
    return lines;
}

QByteArray pdfOf(const Receipt &receipt)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (ReceiptPdf::write(receipt, &buffer))
        return {};
    return buffer.data();
}

} // namespace

class TestReceipts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(ReceiptPdf::chineseFontFamily(), "no Chinese font: install fonts-wqy-microhei");
    }

    void pdfSaysWhatWasPaid_data()
    {
        QTest::addColumn<bool>("withPacket");
        QTest::addColumn<QStringList>("expectedLines");
        const QStringList common{u"塔沃公用事业有限公司"_s,
                                 u"电子缴费凭证"_s,
                                 u"收费单位 Tarvo青禾东城营业所"_s,
                                 u"户号 1000001"_s,
                                 u"用户名称 王*国"_s,
                                 u"用户地址 青禾市*01室"_s,
                                 u"202501 水费 62.10"_s,
                                 u"202501 电费 165.88"_s,
                                 u"202502 气费 636.82"_s,
                                 u"违约金 1.84元"_s,
                                 u"应缴金额 864.80元"_s,
                                 u"下单时间 2026-12-07 18:45:12"_s,
                                 u"订单号 wx2026120718451200a1b2c3"_s};
        QTest::newRow("no packet")
            << false << common + QStringList{u"红包 未使用红包"_s, u"实付金额 864.80元"_s};
        QTest::newRow("5 yuan packet")
            << true << common + QStringList{u"红包 缴费立减红包 -5.00元"_s, u"实付金额 859.80元"_s};
    }
    void pdfSaysWhatWasPaid()
    {
        QFETCH(bool, withPacket);
        QFETCH(QStringList, expectedLines);
        const std::optional<RedPacketChoice> packet =
            withPacket ? std::optional(RedPacketChoice{u"HB1"_s, u"5.00"_s, u"缴费立减红包"_s})
                       : std::nullopt;
        const QStringList lines = pdfLines(pdfOf(receiptFor(packet)));
        QVERIFY(!lines.isEmpty());
        for (const QString &expected : expectedLines)
            QVERIFY2(lines.contains(expected),
                     qPrintable(expected + u" not in:\n"_s + lines.join(u'\n')));
        // Neither the whole name nor the whole address is printed.
        const QString text = lines.join(u'\n');
        QVERIFY(!text.contains(u"王建国"_s));
        QVERIFY(!text.contains(u"梧桐路"_s));
    }

    void billsBeyondOnePageGoOnTheNext()
    {
        Receipt receipt = receiptFor(std::nullopt);
        receipt.bills.clear();
        for (int i = 0; i < 60; ++i)
            receipt.bills.append({u"2025%1"_s.arg(i % 12 + 1, 2, 10, QChar(u'0')), u"水费"_s, i});
        const QByteArray pdf = pdfOf(receipt);
        QVERIFY(pdfText(pdf).count(u'\f') >= 2);
        const QStringList lines = pdfLines(pdf);
        QVERIFY(lines.contains(u"202512 水费 0.59"_s));
        QVERIFY(lines.contains(u"订单号 wx2026120718451200a1b2c3"_s));
    }

    void maskedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("masked");
        QTest::newRow("three") << u"王建国"_s << u"王*国"_s;
        QTest::newRow("two") << u"李四"_s << u"李*"_s;
        QTest::newRow("four") << u"欧阳娜娜"_s << u"欧**娜"_s;
        QTest::newRow("one") << u"张"_s << u"张"_s;
        QTest::newRow("blanks around") << u" 陈志明 "_s << u"陈*明"_s;
        QTest::newRow("none") << QString() << QString();
    }
    void maskedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, masked);
        QCOMPARE(Receipt::maskedName(name), masked);
    }

    void contentReadsBackFromItsFile()
    {
        const Receipt receipt = receiptFor(RedPacketChoice{u"HB1"_s, u"5.00"_s, u"缴费立减红包"_s});
        QCOMPARE(receipt.paidFen, 85980);
        QCOMPARE(receipt.redPacketFen, 500);
        const QByteArray json = QJsonDocument(receipt.toJson()).toJson();
        QCOMPARE(Receipt::fromJson(QJsonDocument::fromJson(json).object()), receipt);
    }

    void strangeContentIsNoReceipt_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("no account") << u"account"_s << QJsonValue(QString());
        QTest::newRow("no time") << u"orderTime"_s << QJsonValue(u"yesterday"_s);
        QTest::newRow("amount in yuan") << u"paidFen"_s << QJsonValue(u"859.80"_s);
        QTest::newRow("amount as a number") << u"totalFen"_s << QJsonValue(86480);
        QTest::newRow("bills not a list") << u"bills"_s << QJsonValue(u"202501"_s);
    }
    void strangeContentIsNoReceipt()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QJsonObject object = receiptFor(std::nullopt).toJson();
        object.insert(key, value);
        QVERIFY(!Receipt::fromJson(object));
    }

    void keepingNeverReplacesAReceipt()
    {
        QTemporaryDir folder;
        const ReceiptFolder receipts(folder.filePath(u"收据"_s), nullptr);
        const Receipt receipt = receiptFor(std::nullopt);
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            const ReceiptFolder::Saved saved = receipts.keep(receipt);
            QVERIFY2(saved.error.isEmpty(), qPrintable(saved.error));
            paths.append(QFileInfo(saved.kept.pdfPath).fileName());
        }
        QCOMPARE(paths,
                 (QStringList{u"20261207-184512-1000001.pdf"_s, u"20261207-184512-1000001-2.pdf"_s,
                              u"20261207-184512-1000001-3.pdf"_s}));
        // A PDF someone else left under the next name is not written over either.
        QFile stranger(folder.filePath(u"收据/20261207-184512-1000001-4.pdf"_s));
        QVERIFY(stranger.open(QIODevice::WriteOnly));
        stranger.write("mine");
        stranger.close();
        const ReceiptFolder::Saved next = receipts.keep(receipt);
        QCOMPARE(QFileInfo(next.kept.pdfPath).fileName(), u"20261207-184512-1000001-5.pdf"_s);
        QVERIFY(stranger.open(QIODevice::ReadOnly));
        QCOMPARE(stranger.readAll(), QByteArray("mine"));
    }

    void accountCannotLeadOutOfTheFolder()
    {
        QTemporaryDir folder;
        const ReceiptFolder receipts(folder.filePath(u"收据"_s), nullptr);
        const ReceiptFolder::Saved saved =
            receipts.keep(receiptFor(std::nullopt, u"../../x/1000001"_s));
        QVERIFY(saved.error.isEmpty());
        QCOMPARE(QFileInfo(saved.kept.pdfPath).absolutePath(),
                 QDir(folder.filePath(u"收据"_s)).absolutePath());
        QCOMPARE(QFileInfo(saved.kept.pdfPath).fileName(), u"20261207-184512-x1000001.pdf"_s);
    }

    void listShowsNewestFirstAndSkipsStrangers()
    {
        QTemporaryDir folder;
        const ReceiptFolder receipts(folder.path(), nullptr);
        const QDate day(2026, 12, 7);
        for (const QTime time : {QTime(9, 0), QTime(18, 30), QTime(12, 15)})
            QVERIFY(receipts.keep(receiptFor(std::nullopt, u"1000001"_s, QDateTime(day, time)))
                        .error.isEmpty());
        QVERIFY(receipts.keep(receiptFor(std::nullopt, u"1000001"_s, QDateTime(day, QTime(18, 30))))
                    .error.isEmpty());
        QFile notes(folder.filePath(u"notes.json"_s));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("{\"hello\": 1}");
        notes.close();
        QVERIFY(QFile::remove(folder.filePath(u"20261207-090000-1000001.pdf"_s)));

        QStringList listed;
        for (const KeptReceipt &kept : receipts.list())
            listed.append(QFileInfo(kept.pdfPath).fileName());
        QCOMPARE(listed,
                 (QStringList{u"20261207-183000-1000001-2.pdf"_s, u"20261207-183000-1000001.pdf"_s,
                              u"20261207-121500-1000001.pdf"_s}));
    }

    void openingThePdf_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("desktopOpens");
        QTest::addColumn<QStringList>("opened"); // file names handed to the desktop
        QTest::addColumn<QString>("notice");     // part of it; empty: none
        QTest::newRow("opened") << true << true << QStringList{u"r.pdf"_s} << QString();
        QTest::newRow("no program for PDFs")
            << true << false << QStringList{u"r.pdf"_s} << u"没有可以打开PDF的程序"_s;
        QTest::newRow("file deleted") << false << true << QStringList{} << u"凭证文件已不存在"_s;
    }
    void openingThePdf()
    {
        QFETCH(bool, fileThere);
        QFETCH(bool, desktopOpens);
        QFETCH(QStringList, opened);
        QFETCH(QString, notice);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"r.pdf"_s);
        if (fileThere) {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FakeFileOpener desktop;
        desktop.opens = desktopOpens;
        const ReceiptFolder receipts(folder.path(), &desktop);
        FakeNavigator navigator;
        ReceiptViewController screen(&navigator, {receiptFor(std::nullopt), pdf}, &receipts);
        screen.openPdf();
        QStringList names;
        for (const QString &path : desktop.opened)
            names.append(QFileInfo(path).fileName());
        QCOMPARE(names, opened);
        const QStringList alerts = navigator.alertMessages();
        QCOMPARE(alerts.size(), notice.isEmpty() ? 0 : 1);
        // The customer is told where the PDF lies, to open it some other way.
        if (!notice.isEmpty())
            QVERIFY(alerts.constFirst().contains(notice) && alerts.constFirst().contains(pdf));
    }

    void folderThatCannotBeMadeSaysSo()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(u"file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ReceiptFolder receipts(folder.filePath(u"file/收据"_s), nullptr);
        const ReceiptFolder::Saved saved = receipts.keep(receiptFor(std::nullopt));
        QVERIFY(saved.error.contains(u"无法创建凭证文件夹"_s));
        QVERIFY(saved.kept.pdfPath.isEmpty());
    }
};

QTEST_MAIN(TestReceipts)
#include "tst_receipts.moc"
