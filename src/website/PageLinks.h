#pragma once

#include <QString>
#include <QUrl>

/// The links on one page, resolved against its address as a browser follows them.
///
/// The website's lists link with plain relative paths such as
/// `service_detail.asp?types=news&id=2401`; those are joined to the page's folder as text,
/// which gives what QUrl gives at a fraction of the cost. Any other link is resolved by QUrl.
class PageLinks
{
public:
    explicit PageLinks(const QUrl &page);

    /// The link's address, fully encoded; empty when it leads to no http or https page.
    QString resolved(const QString &link) const;

private:
    QUrl m_page;
    QString m_folder; // the page's folder, fully encoded and ending in '/'; empty if no http(s)
};
