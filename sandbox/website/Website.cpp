#include "Website.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

Q_LOGGING_CATEGORY(lcWebsite, "tarvo.sandbox.website", QtInfoMsg)

QString siteFile(const QString &name)
{
    QFile file(u":/website/"_s + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcWebsite) << "website file missing:" << name;
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString filled(QString text, const QHash<QString, QString> &values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        text.replace(u"{{"_s + it.key() + u"}}"_s, it.value());
    return text;
}

std::optional<QJsonObject> findArticle(const QJsonArray &articles, int id)
{
    for (const QJsonValue &article : articles) {
        if (article[u"id"_s].toInt() == id)
            return article.toObject();
    }
    return std::nullopt;
}

// Paragraphs are written as text; the few that are markup (a picture) start with a tag.
QString paragraphs(const QJsonArray &body)
{
    QStringList out;
    for (const QJsonValue &paragraph : body) {
        const QString text = paragraph.toString();
        out.append(text.startsWith(u'<') ? u"        <p align=\"center\">"_s + text + u"</p>"_s
                                         : u"        <p>"_s + text + u"</p>"_s);
    }
    return out.join(u'\n');
}

} // namespace

Website::Website()
    : m_layout(siteFile(u"layout.html"_s))
    , m_articleTemplate(siteFile(u"article.html"_s))
{
    const QJsonObject articles =
        QJsonDocument::fromJson(siteFile(u"articles.json"_s).toUtf8()).object();
    m_notices = articles[u"notices"_s].toArray();
    m_publicity = articles[u"publicity"_s].toArray();
}

QStringList Website::pagePaths()
{
    // Kept name (wire): see docs/names.md
    return {u"/reds/service.asp"_s, u"/reds/service_detail.asp"_s, u"/reds/main.asp"_s,
            u"/reds/about.asp"_s};
}

HttpAnswer Website::page(QStringView path, const QUrlQuery &query) const
{
    const QString sid = query.queryItemValue(u"sid"_s);
    if (path == u"/reds/service.asp") {
        if (query.queryItemValue(u"classid"_s) == u"28" &&
            query.queryItemValue(u"subid"_s) == u"29")
            return noticeList();
    } else if (path == u"/reds/service_detail.asp") {
        bool isNumber = false;
        const int id = query.queryItemValue(u"id"_s).toInt(&isNumber);
        if (isNumber)
            return article(id);
    } else if (path == u"/reds/main.asp") {
        if (!query.hasQueryItem(u"sid"_s))
            return html(u"公司简介"_s, u"关于我们"_s, siteFile(u"about.html"_s));
        if (sid == u"73")
            return html(u"用电开户业务办理指南"_s, u"服务指南"_s,
                        siteFile(u"guide-electricity.html"_s));
    } else if (path == u"/reds/about.asp") {
        if (sid == u"74")
            return html(u"自来水开户业务办理指南"_s, u"服务指南"_s,
                        siteFile(u"guide-water.html"_s));
        if (sid == u"72")
            return html(u"天然气业务办理指南"_s, u"服务指南"_s, siteFile(u"guide-gas.html"_s));
    }
    return notFound();
}

HttpAnswer Website::picture(const QString &name) const
{
    QFile file(u":/website/upfile/"_s + name);
    if (name.contains(u'/') || !file.open(QIODevice::ReadOnly))
        return {404, "text/plain; charset=utf-8", "no such picture\n"};
    return {200, "image/jpeg", file.readAll()};
}

HttpAnswer Website::noticeList() const
{
    QStringList rows;
    for (const QJsonValue &notice : m_notices) {
        const QString title = notice[u"title"_s].toString().toHtmlEscaped();
        rows.append(
            u"      <div class=\"news_list\"><a title=\"%1\" style=\"float:left;width:78%;"
            u"overflow:hidden\" href=\"service_detail.asp?types=news&amp;id=%2\" "
            u"target=\"_blank\">%1</a><div class=\"news_date\">[%3]</div></div>"_s.arg(
                title, QString::number(notice[u"id"_s].toInt()), notice[u"date"_s].toString()));
    }
    return html(
        u"水电气公告"_s, u"水电气公告"_s,
        filled(siteFile(u"notice-list.html"_s),
               {{u"rows"_s, rows.join(u'\n')}, {u"count"_s, QString::number(m_notices.size())}}));
}

HttpAnswer Website::article(int id) const
{
    QString section = u"水电气公告"_s;
    std::optional<QJsonObject> found = findArticle(m_notices, id);
    if (!found) {
        section = u"水电气宣传"_s;
        found = findArticle(m_publicity, id);
    }
    if (!found)
        return notFound();
    const QString title = (*found)[u"title"_s].toString();
    return html(
        title, section,
        filled(m_articleTemplate, {{u"section"_s, section},
                                   {u"title"_s, title.toHtmlEscaped()},
                                   {u"date"_s, (*found)[u"date"_s].toString()},
                                   {u"hits"_s, QString::number((*found)[u"hits"_s].toInt())},
                                   {u"paragraphs"_s, paragraphs((*found)[u"body"_s].toArray())}}));
}

HttpAnswer Website::html(const QString &title, const QString &section, const QString &content,
                         int status) const
{
    const QString page = filled(
        m_layout,
        {{u"title"_s, title.toHtmlEscaped()}, {u"section"_s, section}, {u"content"_s, content}});
    QStringEncoder gbk("GBK");
    QByteArray bytes = gbk.encode(page);
    if (gbk.hasError())
        qCWarning(lcWebsite) << "page" << title << "has characters GBK cannot hold";
    return {status, "text/html; charset=gbk", std::move(bytes)};
}

HttpAnswer Website::notFound() const
{
    return html(u"页面不存在"_s, u"网站首页"_s, siteFile(u"not-found.html"_s), 404);
}

} // namespace sandbox
