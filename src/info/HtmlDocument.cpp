#include "HtmlDocument.h"

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

// XPath errors would otherwise go to libxml2's default handler, which prints to stderr.
void ignoreError(void *, xmlErrorPtr) {}

QString dumped(xmlDocPtr doc, xmlNodePtr node)
{
    const std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)> buffer(xmlBufferCreate(),
                                                                      &xmlBufferFree);
    if (!buffer || xmlNodeDump(buffer.get(), doc, node, 0, 0) < 0)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(xmlBufferContent(buffer.get())),
                             xmlBufferLength(buffer.get()));
}

} // namespace

HtmlDocument::HtmlDocument(std::unique_ptr<Private> data)
    : d(std::move(data))
{}

HtmlDocument::HtmlDocument(HtmlDocument &&other) noexcept = default;
HtmlDocument &HtmlDocument::operator=(HtmlDocument &&other) noexcept = default;
HtmlDocument::~HtmlDocument() = default;

HtmlDocument HtmlDocument::fromData(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int>::max())
        return HtmlDocument(nullptr);
    // No encoding given: libxml2 takes the page's own (BOM or meta charset).
    const htmlDocPtr doc =
        htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
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
    const std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
        xmlXPathNewContext(d->doc), &xmlXPathFreeContext);
    if (!context)
        return {};
    context->error = &ignoreError;
    const QByteArray expression = xpath.toUtf8();
    const std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(expression.constData()),
                               context.get()),
        &xmlXPathFreeObject);
    if (!result || result->type != XPATH_NODESET || !result->nodesetval)
        return {};
    QStringList matches;
    matches.reserve(result->nodesetval->nodeNr);
    for (int i = 0; i < result->nodesetval->nodeNr; ++i)
        matches.append(dumped(d->doc, result->nodesetval->nodeTab[i]));
    return matches;
}
