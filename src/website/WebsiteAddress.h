#pragma once

#include <QString>
#include <QUrl>

/// Addresses on the company website, which the app knows only by its configured base.
namespace WebsiteAddress {

/// The base as text, without a trailing slash, so that site paths can follow it.
QString base(const QUrl &website);

/// A site path with its query, kept byte for byte as written (the notice list's query
/// carries GBK bytes percent-encoded, and the site expects exactly those).
QUrl page(const QUrl &website, const QString &pathAndQuery);

} // namespace WebsiteAddress
