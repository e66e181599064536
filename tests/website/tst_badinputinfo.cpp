// Website pages and the outlet list as they may really arrive: empty, in an encoding other
// than the one they declare, cut short, or without the structure the rules look for.
#include "SitePages.h"
#include "map/OutletList.h"
#include "platform/PageFetcher.h"
#include "website/NoticeList.h"
#include "website/PageFragments.h"
#include "website/ServicePages.h"
#include "website/WebsiteAddress.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QUrl website(u"http://site.test"_s);
const QString firstNotice = u"关于城北片区计划停水的通知"_s;
const QString aboutOpening = u"塔沃公用事业有限公司成立于"_s;

QByteArray sitePage(const QString &pathAndQuery)
{
    return SitePages::served(WebsiteAddress::page(website, pathAndQuery));
}

/// The site's GBK page written again in another encoding, declaring `charset`.
QByteArray reencoded(const QByteArray &gbkPage, QStringEncoder::Encoding encoding,
                     const QByteArray &charset, bool byteOrderMark)
{
    QString text = QStringDecoder("GBK")(gbkPage);
    text.replace(u"charset=gbk"_s, u"charset="_s + QString::fromLatin1(charset));
    QStringEncoder encoder(encoding, byteOrderMark ? QStringEncoder::Flag::WriteBom
                                                   : QStringEncoder::Flag::Default);
    return encoder(text);
}

/// The same page in every form a broken server or proxy might hand over.
void addPageRows(const QByteArray &gbkPage)
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable"); // the texts come out as the site wrote them

    QTest::newRow("as served, GBK") << gbkPage << true;
    QTest::newRow("UTF-8, declared")
        << reencoded(gbkPage, QStringEncoder::Utf8, "utf-8", false) << true;
    QTest::newRow("UTF-16 with a byte order mark")
        << reencoded(gbkPage, QStringEncoder::Utf16LE, "utf-16", true) << true;
    QTest::newRow("UTF-16 with a byte order mark, declaring GBK")
        << reencoded(gbkPage, QStringEncoder::Utf16LE, "gbk", true) << true;
    QTest::newRow("GBK declared as UTF-8")
        << QByteArray(gbkPage).replace("charset=gbk", "charset=utf-8") << false;
    QTest::newRow("UTF-16 without a byte order mark")
        << reencoded(gbkPage, QStringEncoder::Utf16LE, "utf-16", false) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x89PNG\r\n\x1a\n\x00\x00", 14) << false;
    QTest::newRow("plain text") << QByteArray("Service Unavailable") << false;
    QTest::newRow("another page of the site") << sitePage(ServicePages::guide()[1].path) << false;
}

} // namespace

class TestBadInputInfo : public QObject
{
    Q_OBJECT

private slots:
    void noticeListPage_data() { addPageRows(sitePage(NoticeList::listPath.toString())); }

    void noticeListPage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        const QList<NoticeEntry> notices =
            NoticeList::entries({bytes}, website).value_or(QList<NoticeEntry>{});
        QVERIFY(notices.size() <= NoticeList::maximumEntries);
        QCOMPARE(!notices.isEmpty() && notices.first().title == firstNotice, readable);
        // Whatever the page, every entry leads back to the website.
        for (const NoticeEntry &notice : notices)
            QVERIFY(notice.URL.startsWith(website.toString()));
    }

    void noticeListPageCutShort()
    {
        // Cut anywhere, even inside a character: the rows that arrived whole, in order.
        const QByteArray bytes = sitePage(NoticeList::listPath.toString());
        const auto listed = [](const QByteArray &page) {
            return NoticeList::entries({page}, website).value_or(QList<NoticeEntry>{});
        };
        const QList<NoticeEntry> whole = listed(bytes);
        for (qsizetype cut = 0; cut < bytes.size(); cut += 61) {
            const QList<NoticeEntry> arrived = listed(bytes.left(cut));
            QCOMPARE(arrived, whole.first(arrived.size()));
        }
    }

    void aboutPage_data() { addPageRows(sitePage(ServicePages::aboutPath.toString())); }

    void aboutPage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        QCOMPARE(PageFragments::markup({bytes}, PageFragments::aboutUs())
                     .value_or(QString())
                     .contains(aboutOpening),
                 readable);
    }

    void outletFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("outlets");

        QTest::newRow("no file") << QByteArray() << false << 0;
        QTest::newRow("empty file") << QByteArray("") << false << 0;
        QTest::newRow("binary") << QByteArray("\x00\x9c\xff[{", 5) << false << 0;
        QTest::newRow("cut short") << QByteArray("[{\"lat\":29.35,\"lng\":104.7") << false << 0;
        QTest::newRow("GBK text in the names")
            << QByteArray("[{\"lat\":29.35,\"lng\":104.77,\"name\":\"\xcd\xf8\xb5\xe3\"}]") << false
            << 0;
        QTest::newRow("nested beyond reason")
            << QByteArray(100000, '[') + QByteArray(100000, ']') << false << 0;
        QTest::newRow("null elements") << QByteArray("[null,null]") << true << 0;
        QTest::newRow("ten thousand outlets")
            << "[" + QByteArray("{\"lat\":29.35,\"lng\":104.77},").repeated(9999) +
                   "{\"lat\":1,\"lng\":2}]"
            << true << 10000;
    }

    void outletFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, ok);
        QFETCH(int, outlets);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"locations.json"_s);
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        bool read = !ok;
        QCOMPARE(OutletList::fromFile(path, &read).size(), outlets);
        QCOMPARE(read, ok);
    }

    void outletListThatIsAFolder()
    {
        QTemporaryDir folder;
        bool read = true;
        QVERIFY(OutletList::fromFile(folder.path(), &read).isEmpty());
        QVERIFY(!read);
    }
};

QTEST_GUILESS_MAIN(TestBadInputInfo)
#include "tst_badinputinfo.moc"
