#include "HtmlDocument.h"

#include "PageEncoding.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <limits>

struct HtmlDocument::Private
{
    explicit Private(htmlDocPtr document)
        : doc(document)
    {}
    ~Private() { xmlFreeDoc(doc); }

    htmlDocPtr doc;
};

namespace {

using Context = std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)>;
using Result = std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)>;
using Compiled = std::unique_ptr<xmlXPathCompExpr, decltype(&xmlXPathFreeCompExpr)>;

// XPath errors would otherwise go to libxml2's default handler, which prints to stderr.
void ignoreError(void *, xmlErrorPtr) {}

Context newContext(xmlDocPtr doc)
{
    Context context(xmlXPathNewContext(doc), &xmlXPathFreeContext);
    if (context)
        context->error = &ignoreError;
    return context;
}

Compiled compiled(xmlXPathContextPtr context, const QString &xpath)
{
    const QByteArray expression = xpath.toUtf8();
    return Compiled(
        xmlXPathCtxtCompile(context, reinterpret_cast<const xmlChar *>(expression.constData())),
        &xmlXPathFreeCompExpr);
}

// The node set the expression selects; nothing for an invalid expression or another result.
Result nodeSet(xmlXPathContextPtr context, const QString &xpath)
{
    const Compiled expression = compiled(context, xpath);
    Result result(expression ? xmlXPathCompiledEval(expression.get(), context) : nullptr,
                  &xmlXPathFreeObject);
    if (!result || result->type != XPATH_NODESET || !result->nodesetval)
        return Result(nullptr, &xmlXPathFreeObject);
    return result;
}

QString fromXml(const xmlChar *text, int length = -1)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text), length);
}

QString dumped(xmlDocPtr doc, xmlNodePtr node)
{
    const std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)> buffer(xmlBufferCreate(),
                                                                      &xmlBufferFree);
    if (!buffer || xmlNodeDump(buffer.get(), doc, node, 0, 0) < 0)
        return {};
    return fromXml(xmlBufferContent(buffer.get()), xmlBufferLength(buffer.get()));
}

QString stringValue(xmlXPathCompExprPtr field, xmlXPathContextPtr context)
{
    const Result result(field ? xmlXPathCompiledEval(field, context) : nullptr,
                        &xmlXPathFreeObject);
    if (!result)
        return {};
    const std::unique_ptr<xmlChar, decltype(xmlFree)> text(xmlXPathCastToString(result.get()),
                                                           xmlFree);
    return fromXml(text.get());
}

} // namespace

HtmlDocument::HtmlDocument(std::unique_ptr<Private> data)
    : d(std::move(data))
{}

HtmlDocument::HtmlDocument(HtmlDocument &&other) noexcept = default;
HtmlDocument &HtmlDocument::operator=(HtmlDocument &&other) noexcept = default;
HtmlDocument::~HtmlDocument() = default;

HtmlDocument HtmlDocument::fromData(const QByteArray &bytes, QByteArrayView charset)
{
    if (bytes.isEmpty())
        return HtmlDocument(nullptr);
    // libxml2 would take the page's own <meta> only once it reaches it, reading what comes
    // before in a guessed encoding, and stops at the first character its encoding lacks: the
    // page is handed over already decoded, and the parser told so.
    const QByteArray text = PageEncoding::toUtf8(bytes, charset);
    if (text.isEmpty() || text.size() > std::numeric_limits<int>::max())
        return HtmlDocument(nullptr);
    const htmlDocPtr doc =
        htmlReadMemory(text.constData(), int(text.size()), nullptr, "UTF-8",
                       HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    if (!doc)
        return HtmlDocument(nullptr);
    return HtmlDocument(std::make_unique<Private>(doc));
}

bool HtmlDocument::isNull() const
{
    return !d;
}

QStringList HtmlDocument::eval(const QString &xpath) const
{
    if (!d)
        return {};
    const Context context = newContext(d->doc);
    if (!context)
        return {};
    const Result result = nodeSet(context.get(), xpath);
    if (!result)
        return {};
    QStringList matches;
    matches.reserve(result->nodesetval->nodeNr);
    for (int i = 0; i < result->nodesetval->nodeNr; ++i)
        matches.append(dumped(d->doc, result->nodesetval->nodeTab[i]));
    return matches;
}

qsizetype HtmlDocument::count(const QString &xpath) const
{
    if (!d)
        return 0;
    const Context context = newContext(d->doc);
    if (!context)
        return 0;
    const Result result = nodeSet(context.get(), xpath);
    return result ? result->nodesetval->nodeNr : 0;
}

QList<QStringList> HtmlDocument::values(const QString &xpath, const QStringList &fields) const
{
    if (!d)
        return {};
    const Context context = newContext(d->doc);
    if (!context)
        return {};
    const Result result = nodeSet(context.get(), xpath);
    if (!result)
        return {};
    std::vector<Compiled> expressions;
    for (const QString &field : fields)
        expressions.push_back(compiled(context.get(), field));
    QList<QStringList> rows;
    rows.reserve(result->nodesetval->nodeNr);
    for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
        context->node = result->nodesetval->nodeTab[i];
        QStringList row;
        for (const Compiled &expression : expressions)
            row.append(stringValue(expression.get(), context.get()));
        rows.append(row);
    }
    return rows;
}
