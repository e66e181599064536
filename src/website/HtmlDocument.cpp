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

// Making a context registers all of XPath's functions, which costs about as much as a simple
// search of a page: one context per thread serves every document in turn. Its object cache
// spares the allocations that a predicate tested on many nodes would make.
xmlXPathContextPtr contextFor(xmlDocPtr doc)
{
    thread_local const Context shared = [] {
        Context context(xmlXPathNewContext(nullptr), &xmlXPathFreeContext);
        if (context) {
            context->error = &ignoreError;
            xmlXPathContextSetCache(context.get(), 1, -1, 0);
        }
        return context;
    }();
    if (!shared)
        return nullptr;
    shared->doc = doc;
    shared->node = nullptr; // as in a new context: expressions start from the document
    return shared.get();
}

Compiled compiled(xmlXPathContextPtr context, const QString &xpath)
{
    const QByteArray expression = xpath.toUtf8();
    return Compiled(
        xmlXPathCtxtCompile(context, reinterpret_cast<const xmlChar *>(expression.constData())),
        &xmlXPathFreeCompExpr);
}

// The node set the expression selects in `doc`; nothing for an invalid expression or another
// result.
Result nodeSet(xmlDocPtr doc, const QString &xpath)
{
    const xmlXPathContextPtr context = contextFor(doc);
    if (!context)
        return Result(nullptr, &xmlXPathFreeObject);
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
    const Result result = nodeSet(d->doc, xpath);
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
    const Result result = nodeSet(d->doc, xpath);
    return result ? result->nodesetval->nodeNr : 0;
}

QList<HtmlNode> HtmlDocument::nodes(const QString &xpath) const
{
    if (!d)
        return {};
    const Result result = nodeSet(d->doc, xpath);
    if (!result)
        return {};
    QList<HtmlNode> nodes;
    nodes.reserve(result->nodesetval->nodeNr);
    for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
        // Namespace nodes are made for the result alone; HTML pages have none anyway.
        if (result->nodesetval->nodeTab[i]->type != XML_NAMESPACE_DECL)
            nodes.append(HtmlNode(result->nodesetval->nodeTab[i]));
    }
    return nodes;
}
