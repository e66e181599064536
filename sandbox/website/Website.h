#pragma once

#include "HttpAnswer.h"

#include <QHash>
#include <QJsonArray>
#include <QStringList>
#include <QUrlQuery>

namespace sandbox {

/// The company website's pages that the app reads: the notice list and notices, the
/// service guides, the publicity articles, the about page and the carousel pictures.
///
/// Written as the company's ASP site serves them: every page in GBK, one layout, the
/// article pages built from one template.
class Website
{
public:
    Website();

    /// The page scripts under /reds/ that answer, each routed to page().
    static QStringList pagePaths();
    // Kept name (wire): see docs/names.md
    static constexpr QLatin1StringView picturePrefix{"/upfile/"};

    /// A page script with its query; 404 when the query names no page.
    HttpAnswer page(QStringView path, const QUrlQuery &query) const;
    /// A picture under /upfile/ by file name; 404 for any other name.
    HttpAnswer picture(const QString &name) const;

private:
    HttpAnswer noticeList() const;
    HttpAnswer article(int id) const;
    HttpAnswer html(const QString &title, const QString &section, const QString &content,
                    int status = 200) const;
    HttpAnswer notFound() const;

    QString m_layout;
    QString m_articleTemplate;
    QJsonArray m_notices;
    QJsonArray m_publicity;
};

} // namespace sandbox
