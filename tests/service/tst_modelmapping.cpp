#include "service/DocumentDictionary.h"
#include "service/ModelMapping.h"
#include "service/XMLReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

/// A reply record of three text fields and one that is no text.
struct Fields
{
    Q_GADGET
    Q_PROPERTY(QString a MEMBER a)
    Q_PROPERTY(QString b MEMBER b)
    Q_PROPERTY(QString c MEMBER c)
    Q_PROPERTY(int n MEMBER n)

public:
    QString a;
    QString b;
    QString c;
    int n = 0;
};

namespace {

QString described(const Fields &fields)
{
    return u"a=%1 b=%2 c=%3 n=%4"_s.arg(fields.a, fields.b, fields.c).arg(fields.n);
}

QList<QVariantMap> entries(const QByteArray &xml)
{
    const std::optional<QVariantMap> document = XMLReader::dictionaryForXMLData(xml);
    if (!document)
        qFatal("bad XML in test table: %s", xml.constData());
    return DocumentDictionary::elements(DocumentDictionary::valueAt(*document, {u"r", u"e"}));
}

QVariantMap leaf(const QString &text)
{
    return {{u"text"_s, text}};
}

} // namespace

// One mapping reads a whole list and knows a name again by where its text lies; each element
// read on its own, by name alone, must come out the same.
class TestModelMapping : public QObject
{
    Q_OBJECT

private slots:
    void listReadsAsElementsOnTheirOwn_data()
    {
        QTest::addColumn<QList<QVariantMap>>("elements");

        QTest::newRow("entries alike")
            << entries("<r><e><a>1</a><b>2</b></e><e><a>3</a><b>4</b></e></r>");
        QTest::newRow("names moving between places")
            << entries("<r><e><a>1</a><c>2</c></e><e><b>3</b><c>4</c></e><e><c>5</c></e></r>");
        QTest::newRow("unknown and non-text names where known ones were")
            << entries("<r><e><a>1</a><b>2</b></e><e><x>3</x><n>4</n></e><e><a>5</a></e></r>");
        QTest::newRow("a child given twice")
            << entries("<r><e><a>1</a><a>2</a><b>3</b></e><e><a>4</a><b>5</b></e></r>");
        QTest::newRow("attributes and own text")
            << entries("<r><e a='x' c='y'>t<b>1</b></e><e><a>2</a><c>3</c></e></r>");
        QTest::newRow("children without text or with children")
            << entries("<r><e><a/><b><c>1</c></b></e><e><a>2</a><b>3</b></e></r>");

        // Names made by hand: equal names in texts of their own, and different names in one
        // text seen through different lengths.
        const char16_t raw[] = u"abc";
        const QString a = QString::fromRawData(reinterpret_cast<const QChar *>(raw), 1);
        const QString ab = QString::fromRawData(reinterpret_cast<const QChar *>(raw), 2);
        QTest::newRow("names in texts of their own") << QList<QVariantMap>{
            {{u"a"_s, leaf(u"1"_s)}, {u"b"_s, leaf(u"2"_s)}},
            {{QString::fromLatin1("a"), leaf(u"3"_s)}, {QString::fromLatin1("b"), leaf(u"4"_s)}}};
        QTest::newRow("one text, two names")
            << QList<QVariantMap>{{{a, leaf(u"1"_s)}}, {{ab, leaf(u"2"_s)}}, {{a, leaf(u"3"_s)}}};
    }

    void listReadsAsElementsOnTheirOwn()
    {
        QFETCH(QList<QVariantMap>, elements);

        ChildTextMapping<Fields> mapping;
        for (const QVariantMap &element : elements) {
            Fields alone;
            const qsizetype aloneCount = assignChildTexts(alone, element);
            Fields inList;
            QCOMPARE(mapping.assign(inList, element), aloneCount);
            QCOMPARE(described(inList), described(alone));
        }
    }
};

QTEST_GUILESS_MAIN(TestModelMapping)
#include "tst_modelmapping.moc"
