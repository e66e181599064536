#pragma once

#include "Website.h"

#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

/// Website pages for the information tests: the sandbox's own, and small made-up ones.
namespace SitePages {

/// The page the sandbox serves at the address.
inline QByteArray served(const QUrl &url)
{
    return sandbox::Website().page(url.path(), QUrlQuery(url)).body;
}

/// A UTF-8 page around the body.
inline QByteArray page(const QString &body)
{
    return (u"<html><head><meta charset=\"utf-8\"></head><body>"_s + body + u"</body></html>"_s)
        .toUtf8();
}

/// An article as the site lays it out: title T, date line I, a body of `paragraphs`
/// paragraphs (P0, P1, ...) and the share bar S.
inline QByteArray article(int paragraphs)
{
    QString body;
    for (int i = 0; i < paragraphs; ++i)
        body += u"<p>P%1</p>"_s.arg(i);
    return page(u"<div class=\"ny_right\"><div class=\"ny_title\">here</div><div class=\"ny_news\">"
                u"<div>T</div><div>I</div><div>"_s +
                body + u"</div><div>S</div></div></div>"_s);
}

} // namespace SitePages
