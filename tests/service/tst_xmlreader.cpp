#include "BadReplies.h"
#include "TestData.h"
#include "service/DocumentDictionary.h"
#include "service/XMLReader.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Dictionaries are compared as compact JSON: objects are element dictionaries, arrays
// the lists of repeated elements, strings attributes and texts.
QByteArray json(const QVariantMap &dictionary)
{
    return QJsonDocument(QJsonObject::fromVariantMap(dictionary)).toJson(QJsonDocument::Compact);
}

QByteArray normalisedJson(const char *text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad expected JSON in test table: %s", text);
    return document.toJson(QJsonDocument::Compact);
}

// Every value is an element dictionary, a list of them, or a text. A null QString would
// blur "no text" and "empty text", which callers tell apart.
bool holdsOnlyTexts(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return !value.toString().isNull();
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        return std::all_of(map.cbegin(), map.cend(), holdsOnlyTexts);
    }
    case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        return std::all_of(list.cbegin(), list.cend(), holdsOnlyTexts);
    }
    default:
        return false;
    }
}

void row(const char *name, const QByteArray &xml, const char *expected)
{
    QTest::newRow(name) << xml << normalisedJson(expected);
}

QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

} // namespace

class TestXmlReader : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void escapedMarkupReadsAgain_data();
    void escapedMarkupReadsAgain();
    void refusals_data();
    void refusals();
    void limitsReached();
    void stringInput_data();
    void stringInput();
    void declaredEncodings_data();
    void declaredEncodings();
    void recordsHandedOver_data();
    void recordsHandedOver();
};

void TestXmlReader::reads_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("expected");
    // shapes
    row("single child is a dictionary", "<a><b>1</b></a>", R"({"a":{"b":{"text":"1"}}})");
    row("repeated child is a list in order", "<a><b>1</b><b>2</b><b>3</b></a>",
        R"({"a":{"b":[{"text":"1"},{"text":"2"},{"text":"3"}]}})");
    row("repeats apart still join one list", "<a><b>1</b><c>x</c><b>2</b></a>",
        R"({"a":{"b":[{"text":"1"},{"text":"2"}],"c":{"text":"x"}}})");
    row("lists at several levels", "<r><e><f>1</f><f>2</f></e><e><f>3</f></e></r>",
        R"({"r":{"e":[{"f":[{"text":"1"},{"text":"2"}]},{"f":{"text":"3"}}]}})");
    row("attributes and text share one dictionary", "<a id=\"7\" kind='w'>x</a>",
        R"({"a":{"id":"7","kind":"w","text":"x"}})");
    row("attribute and child of one name make a list", "<a b=\"1\"><b>2</b></a>",
        R"({"a":{"b":["1",{"text":"2"}]}})");
    row("empty attribute value is a text", "<a b=\"\"/>", R"({"a":{"b":""}})");
    row("no character data, no text", "<a><b/><c></c></a>", R"({"a":{"b":{},"c":{}}})");
    row("white space only is an empty text", "<a><b> \t </b></a>", R"({"a":{"b":{"text":""}}})");
    row("text before a child goes to the child", "<a>x<b>y</b></a>",
        R"({"a":{"b":{"text":"xy"}}})");
    row("text after the child stays with the parent", "<a>x<b>y</b>z</a>",
        R"({"a":{"b":{"text":"xy"},"text":"z"}})");
    row("text before an empty child goes to it", "<a>x<b/></a>", R"({"a":{"b":{"text":"x"}}})");
    row("indentation trimmed, containers get empty text",
        "<a>\n  <b>1</b>\n  <c>\n    <d>2</d>\n  </c>\n</a>\n",
        R"({"a":{"b":{"text":"1"},"c":{"d":{"text":"2"},"text":""},"text":""}})");

    // character data
    row("inner white space kept, ends trimmed", "<a>\r\n\t x  y \t\n</a>",
        R"({"a":{"text":"x  y"}})");
    row("Unicode white space trimmed too", "<a>\xe3\x80\x80查询成功!\xc2\xa0</a>",
        R"({"a":{"text":"查询成功!"}})");
    row("Unicode white space only is an empty text", "<a>\xc2\xa0\xe3\x80\x80</a>",
        R"({"a":{"text":""}})");
    row("line ends normalised", "<a>x\r\ny\rz</a>", R"({"a":{"text":"x\ny\nz"}})");
    row("predefined entities", "<a>&lt;&gt;&amp;&apos;&quot;</a>", R"({"a":{"text":"<>&'\""}})");
    row("character references", "<a>&#x41;&#66;&#x4e2D;&#128512;&#x0000000041;</a>",
        R"({"a":{"text":"AB中😀A"}})");
    row("referenced line ends are not normalised", "<a>x&#13;&#10;y&#13;z</a>",
        R"({"a":{"text":"x\r\ny\rz"}})");
    row("attribute values decoded and normalised", "<a v=\"1&amp;2&#10;3\t4\r\n5\" w='&quot;'/>",
        R"({"a":{"v":"1&2\n3 4 5","w":"\""}})");
    row("CDATA, comments and instructions not collected", "<a><![CDATA[c]]><!--n--><?p d?></a>",
        R"({"a":{}})");
    row("U+FEFF inside a document is a character, not a byte order mark",
        "<a \xef\xbb\xbfid=\"1\" id=\"2\">\xef\xbb\xbfx</a>",
        R"({"a":{"\ufeffid":"1","id":"2","text":"\ufeffx"}})");
    row("text around a comment joins", "<a>x<!-- n -->y</a>", R"({"a":{"text":"xy"}})");
    row("declaration, BOM and document-level comments",
        "\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n"
        "<!-- c --><a>1</a><!-- d -->\n",
        R"({"a":{"text":"1"}})");
    row("DOCTYPE naming an external DTD, never read",
        "<!DOCTYPE a SYSTEM \"http://127.0.0.1:1/a.dtd\"><a>1</a>", R"({"a":{"text":"1"}})");

    // names
    row("prefixes kept on elements and attributes",
        "<soap:Envelope xmlns:soap=\"urn:s\"><soap:Body><ns0:r xmlns:ns0=\"urn:n\" "
        "ns0:id=\"1\"/></soap:Body></soap:Envelope>",
        R"({"soap:Envelope":{"xmlns:soap":"urn:s",
            "soap:Body":{"ns0:r":{"xmlns:ns0":"urn:n","ns0:id":"1"}}}})");
    row("same local name, different prefixes", "<a><p:x>1</p:x><q:x>2</q:x><x>3</x></a>",
        R"({"a":{"p:x":{"text":"1"},"q:x":{"text":"2"},"x":{"text":"3"}}})");
    row("non-ASCII names", "<账户 编号=\"1\">x</账户>", R"({"账户":{"编号":"1","text":"x"}})");
}

void TestXmlReader::reads()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, expected);

    QString error;
    const std::optional<QVariantMap> dictionary = XMLReader::dictionaryForXMLData(xml, &error);
    QVERIFY2(dictionary, qPrintable(error));
    QCOMPARE(json(*dictionary), expected);
    QVERIFY(holdsOnlyTexts(*dictionary));
}

void TestXmlReader::escapedMarkupReadsAgain_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("inner");

    QTest::newRow("argument document")
        << QByteArray("<return>&lt;?xml version='1.0' encoding='utf-8'?&gt;&lt;info&gt;"
                      "&lt;flag&gt;1&lt;/flag&gt;&lt;/info&gt;</return>")
        << u"<?xml version='1.0' encoding='utf-8'?><info><flag>1</flag></info>"_s
        << normalisedJson(R"({"info":{"flag":{"text":"1"}}})");
    QTest::newRow("escaped twice comes out once")
        << QByteArray("<return>&lt;m&gt;王 &amp;amp; 李 &amp;lt;3&lt;/m&gt;</return>")
        << u"<m>王 &amp; 李 &lt;3</m>"_s << normalisedJson(R"({"m":{"text":"王 & 李 <3"}})");
}

void TestXmlReader::escapedMarkupReadsAgain()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, text);
    QFETCH(QByteArray, inner);

    const std::optional<QVariantMap> outer = XMLReader::dictionaryForXMLData(xml);
    QVERIFY(outer);
    const std::optional<QString> returnText = DocumentDictionary::textAt(*outer, {u"return"});
    QCOMPARE(returnText, text);
    const std::optional<QVariantMap> document = XMLReader::dictionaryForXMLString(*returnText);
    QVERIFY(document);
    QCOMPARE(json(*document), inner);
}

void TestXmlReader::refusals_data()
{
    QTest::addColumn<QByteArray>("xml");

    // not well-formed
    QTest::newRow("truncated in content") << QByteArray("<a><b>1</b>");
    QTest::newRow("truncated in end tag") << QByteArray("<a><b>1</b></a");
    QTest::newRow("truncated in attribute") << QByteArray("<a b=\"1");
    QTest::newRow("mismatched tags") << QByteArray("<a><b></a></b>");
    QTest::newRow("end tag of other case") << QByteArray("<a></A>");
    QTest::newRow("two roots") << QByteArray("<a/><b/>");
    QTest::newRow("text before root") << QByteArray("x<a/>");
    QTest::newRow("text after root") << QByteArray("<a/>\nx");
    QTest::newRow("reference after root") << QByteArray("<a/>&amp;");
    QTest::newRow("CDATA after root") << QByteArray("<a/><![CDATA[x]]>");
    QTest::newRow("no root") << QByteArray("<?xml version=\"1.0\"?><!-- c -->");
    QTest::newRow("duplicate attribute") << QByteArray("<a x=\"1\" x=\"2\"/>");
    QTest::newRow("< in attribute value") << QByteArray("<a x=\"<\"/>");
    QTest::newRow("]]> in text") << QByteArray("<a>]]></a>");
    QTest::newRow("-- in comment") << QByteArray("<a><!-- x -- y --></a>");
    QTest::newRow("comment ending in -") << QByteArray("<a/><!-- x --->");
    QTest::newRow("declaration not first") << QByteArray(" <?xml version=\"1.0\"?><a/>");
    QTest::newRow("second declaration")
        << QByteArray("<?xml version=\"1.0\"?><?xml version=\"1.0\"?><a/>");
    QTest::newRow("declaration without version") << QByteArray("<?xml?><a/>");
    QTest::newRow("DOCTYPE after root") << QByteArray("<a/><!DOCTYPE a>");
    QTest::newRow("stray < after the root") << QByteArray("<a/>\n<");
    QTest::newRow("name with a character XML does not allow") << QByteArray("<a\xc2\xa0"
                                                                            "b/>");
    QTest::newRow("instruction target XML does not allow") << QByteArray("<a><?p\xc2\xa0i?></a>");
    QTest::newRow("nested too deeply") << nested(257);

    // references
    QTest::newRow("undefined entity") << QByteArray("<a>&nbsp;</a>");
    QTest::newRow("undefined entity in attribute") << QByteArray("<a b=\"&x;\"/>");
    QTest::newRow("bare ampersand") << QByteArray("<a>AT&T</a>");
    QTest::newRow("unterminated reference") << QByteArray("<a>&amp</a>");
    QTest::newRow("empty character reference") << QByteArray("<a>&#;</a>");
    QTest::newRow("reference to NUL") << QByteArray("<a>&#0;</a>");
    QTest::newRow("reference to control character") << QByteArray("<a>&#x1;</a>");
    QTest::newRow("reference to surrogate") << QByteArray("<a>&#xD800;</a>");
    QTest::newRow("reference to non-character") << QByteArray("<a>&#xFFFE;</a>");
    QTest::newRow("reference beyond Unicode") << QByteArray("<a>&#x110000;</a>");
    QTest::newRow("reference overflowing") << QByteArray("<a>&#4294967361;</a>");
    QTest::newRow("upper-case X") << QByteArray("<a>&#X41;</a>");

    // DTDs: nothing is declared, expanded or loaded
    QTest::newRow("internal subset") << QByteArray("<!DOCTYPE a [<!ELEMENT a ANY>]><a/>");
    QTest::newRow("billion laughs") << BadReplies::billionLaughs() + "<lolz>&lol9;</lolz>";
    QTest::newRow("external entity")
        << QByteArray("<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>&x;</a>");
    QTest::newRow("external parameter entity")
        << QByteArray("<!DOCTYPE a [<!ENTITY % p SYSTEM \"http://127.0.0.1:1/p\">%p;]><a/>");
    QTest::newRow("DOCTYPE without a name") << QByteArray("<!DOCTYPE><a/>");

    // bytes
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("null") << QByteArray();
    QTest::newRow("white space only") << QByteArray(" \n");
    QTest::newRow("Latin-1 byte") << QByteArray("<a>caf\xe9</a>");
    QTest::newRow("overlong encoding") << QByteArray("<a>\xc0\xaf</a>");
    QTest::newRow("encoded surrogate") << QByteArray("<a>\xed\xa0\x80</a>");
    QTest::newRow("sequence cut short") << QByteArray("<a>\xe4\xb8</a>");
    QTest::newRow("sequence cut by the end") << QByteArray("<a/>\xe4\xb8");
    QTest::newRow("encoded non-character") << QByteArray("<a>\xef\xbf\xbf</a>");
    QTest::newRow("control character") << QByteArray("<a>\x01</a>");
    QTest::newRow("NUL byte") << QByteArray("<a>\0</a>", 8);
    QTest::newRow("control character in comment") << QByteArray("<a><!-- \x1b --></a>");
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe<\0a\0/\0>\0", 10);
    QTest::newRow("one byte too many") << QByteArray("<a>") +
                                              QByteArray(XMLReader::maximumInputSize - 6, ' ') +
                                              QByteArray("</a>");
}

void TestXmlReader::refusals()
{
    QFETCH(QByteArray, xml);
    QString error;
    QCOMPARE(XMLReader::dictionaryForXMLData(xml, &error), std::nullopt);
    QVERIFY(!error.isEmpty());
}

void TestXmlReader::limitsReached()
{
    QVERIFY(XMLReader::dictionaryForXMLData(nested(256)));
    const QByteArray largest =
        QByteArray("<a>") + QByteArray(XMLReader::maximumInputSize - 7, ' ') + QByteArray("</a>");
    QCOMPARE(XMLReader::dictionaryForXMLData(largest),
             QVariantMap({{u"a"_s, QVariantMap{{u"text"_s, u""_s}}}}));
}

void TestXmlReader::stringInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");

    QTest::newRow("document") << u"<a>王</a>"_s << true;
    QTest::newRow("null string") << QString() << false;
    QTest::newRow("empty string") << u""_s << false;
    QTest::newRow("unpaired surrogate") << (u"<a>"_s + QChar(0xD800) + u"</a>"_s) << false;
    // A text is decoded already: whatever its declaration names no longer applies.
    QTest::newRow("declaring GBK") << u"<?xml version='1.0' encoding='GBK'?><a>王</a>"_s << true;
    QTest::newRow("declaring an unknown encoding")
        << u"<?xml version='1.0' encoding='x-none'?><a>王</a>"_s << false;
}

void TestXmlReader::stringInput()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QCOMPARE(XMLReader::dictionaryForXMLString(text).has_value(), read);
}

void TestXmlReader::declaredEncodings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name"); ///< info → name → text; null when refused

    QTest::newRow("ISO-8859-1 on ASCII") << u"latin1-declared-ascii"_s << u"Cafe Muller"_s;
    QTest::newRow("ISO-8859-1 on its own bytes") << u"latin1-declared-latin1"_s << u"Café Müller"_s;
    QTest::newRow("GBK on ASCII") << u"gbk-declared-ascii"_s << u"Cafe Muller"_s;
    QTest::newRow("GBK on its own bytes") << u"gbk-declared-gbk"_s << u"水电气缴费"_s;
    QTest::newRow("GBK with a broken sequence") << u"gbk-declared-broken-sequence"_s << QString();
    QTest::newRow("UTF-16 on ASCII") << u"utf16-declared-ascii"_s << QString();
    QTest::newRow("unknown encoding") << u"unknown-encoding-declared"_s << QString();
    QTest::newRow("GBK after a UTF-8 byte order mark") << u"gbk-declared-after-bom"_s << QString();
}

void TestXmlReader::declaredEncodings()
{
    QFETCH(QString, file);
    QFETCH(QString, name);

    QString error;
    const std::optional<QVariantMap> dictionary =
        XMLReader::dictionaryForXMLData(TestData::file(u"service/"_s + file + u".xml"_s), &error);
    if (name.isNull()) {
        QCOMPARE(dictionary, std::nullopt);
        QVERIFY(!error.isEmpty());
        return;
    }
    QVERIFY2(dictionary, qPrintable(error));
    QCOMPARE(DocumentDictionary::textAt(*dictionary, {u"info", u"name"}), name);
    QCOMPARE(DocumentDictionary::textAt(*dictionary, {u"info", u"flag"}), u"1"_s);
}

// Record elements come to the caller in document order, flat ones as their children's texts,
// and stay out of the dictionary; the texts are those the dictionary would hold.
void TestXmlReader::recordsHandedOver_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QStringList>("handed"); ///< "flat a=1 b" (no text: no "="), or "other" + JSON
    QTest::addColumn<QByteArray>("rest");    ///< the dictionary without them

    const QStringList rls{u"r"_s, u"l"_s, u"e"_s};
    QTest::newRow("flat entries") << u"<r><l><e><a>1</a><b/></e><e><a> 2 </a><b>x</b></e></l></r>"_s
                                  << rls << QStringList{u"flat a=1 b"_s, u"flat a=2 b=x"_s}
                                  << normalisedJson(R"({"r":{"l":{}}})");
    QTest::newRow("text before an entry goes to its first field")
        << u"<r><l>x<e><a>1</a></e>y</l></r>"_s << rls << QStringList{u"flat a=x1"_s}
        << normalisedJson(R"({"r":{"l":{"text":"y"}}})");
    QTest::newRow("an entry's own text")
        << u"<r><l><e><a>1</a>own</e></l></r>"_s << rls << QStringList{u"flat a=1 (own)"_s}
        << normalisedJson(R"({"r":{"l":{}}})");
    QTest::newRow("entries of other shapes come as dictionaries, in order")
        << u"<r><l><e k=\"1\"><a>1</a></e><e><a>2</a></e><e><a><b/></a></e>"
           "<e><a/><a/></e><e><text>t</text></e></l></r>"_s
        << rls
        << QStringList{u"other{\"a\":{\"text\":\"1\"},\"k\":\"1\"}"_s, u"flat a=2"_s,
                       u"other{\"a\":{\"b\":{}}}"_s, u"other{\"a\":[{},{}]}"_s,
                       u"other{\"text\":{\"text\":\"t\"}}"_s}
        << normalisedJson(R"({"r":{"l":{}}})");
    QTest::newRow("an attribute of the entries' name stays")
        << u"<r><l e=\"v\"><e><a>1</a></e></l></r>"_s << rls << QStringList{u"flat a=1"_s}
        << normalisedJson(R"({"r":{"l":{"e":"v"}}})");
    QTest::newRow("elements of the name elsewhere stay")
        << u"<r><e><a>1</a></e><l><x><e/></x></l></r>"_s << rls << QStringList{}
        << normalisedJson(R"({"r":{"e":{"a":{"text":"1"}},"l":{"x":{"e":{}}}}})");
    QTest::newRow("entries under each of two lists")
        << u"<r><l><e><a>1</a></e></l><l><e><a>2</a></e></l></r>"_s << rls
        << QStringList{u"flat a=1"_s, u"flat a=2"_s} << normalisedJson(R"({"r":{"l":[{},{}]}})");
}

void TestXmlReader::recordsHandedOver()
{
    QFETCH(QString, xml);
    QFETCH(QStringList, path);
    QFETCH(QStringList, handed);
    QFETCH(QByteArray, rest);

    QStringList seen;
    XMLReader::Records records;
    records.path = path;
    records.flat = [&seen](std::span<const XMLReader::Field> children,
                           const std::optional<QString> &text) {
        QString line = u"flat"_s;
        for (const XMLReader::Field &field : children)
            line += u' ' + field.name + (field.text ? u'=' + *field.text : QString());
        seen.append(text ? line + u" ("_s + *text + u')' : line);
    };
    records.other = [&seen](const QVariantMap &element) {
        seen.append(u"other"_s + QString::fromUtf8(json(element)));
    };
    const std::optional<QVariantMap> dictionary = XMLReader::dictionaryForXMLString(xml, records);
    QVERIFY(dictionary);
    QCOMPARE(seen, handed);
    QCOMPARE(json(*dictionary), rest);
}

QTEST_GUILESS_MAIN(TestXmlReader)
#include "tst_xmlreader.moc"
