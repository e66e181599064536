#include "PageLinks.h"

#include <algorithm>

namespace {

bool isWebPage(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https");
}

// Characters that QUrl writes unchanged in a path and a query.
bool isPlain(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           QStringView(u"-._~!$&()*+,;=@/?").contains(QChar(c));
}

// A path, and maybe a query, that a browser appends to the page's folder as it stands: no
// scheme or ':' at all, no absolute path, no dot segments, no fragment, nothing to encode.
bool isPlainRelative(QStringView link)
{
    if (link.isEmpty() || link.front() == u'/' || link.front() == u'?' ||
        !std::all_of(link.begin(), link.end(), [](QChar c) { return isPlain(c.unicode()); }))
        return false;
    const qsizetype query = link.indexOf(u'?');
    const QStringView path = query < 0 ? link : link.first(query);
    for (const QStringView segment : path.tokenize(u'/')) {
        if (segment == u"." || segment == u"..")
            return false;
    }
    return true;
}

} // namespace

PageLinks::PageLinks(const QUrl &page)
    : m_page(page)
{
    // QUrl itself merges the folder with a one-letter path, so that the folder comes out as
    // QUrl writes it, its dot segments removed.
    const QUrl probe = page.resolved(QUrl(QStringLiteral("x")));
    if (isWebPage(probe)) {
        m_folder = probe.toString(QUrl::FullyEncoded);
        m_folder.chop(1);
    }
}

QString PageLinks::resolved(const QString &link) const
{
    if (!m_folder.isEmpty() && isPlainRelative(link))
        return m_folder + link;
    const QUrl url = m_page.resolved(QUrl(link));
    return isWebPage(url) ? url.toString(QUrl::FullyEncoded) : QString();
}
