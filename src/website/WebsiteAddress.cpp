#include "WebsiteAddress.h"

namespace WebsiteAddress {

QString base(const QUrl &website)
{
    QString text = website.toString(QUrl::FullyEncoded);
    while (text.endsWith(u'/'))
        text.chop(1);
    return text;
}

QUrl page(const QUrl &website, const QString &pathAndQuery)
{
    return QUrl::fromEncoded((base(website) + pathAndQuery).toLatin1(), QUrl::StrictMode);
}

} // namespace WebsiteAddress
