#pragma once

#include "TestData.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

/// Website pages as real sites serve them, written by hand under tests/data/info: the
/// encodings, markup and error pages the company's own pages never show.
namespace SiteCorpus {

inline QByteArray file(const QString &name)
{
    return TestData::file(QStringLiteral("info/") + name);
}

/// The notices a list page gives (`page` without .html, with its own .json or the shared
/// notices.json), links on the site put after `website`.
inline QJsonArray expectedNotices(const QString &page, const QString &website)
{
    const QString own = page + QStringLiteral(".json");
    const bool hasOwn = QFile::exists(TestData::path(QStringLiteral("info/") + own));
    QJsonArray notices =
        QJsonDocument::fromJson(file(hasOwn ? own : QStringLiteral("notices.json"))).array();
    for (QJsonValueRef notice : notices) {
        QJsonObject object = notice.toObject();
        const QString url = object[QStringLiteral("URL")].toString();
        if (url.startsWith(u'/'))
            object[QStringLiteral("URL")] = website + url;
        notice = object;
    }
    return notices;
}

/// The notice list pages with how they are served; `listed` says whether the ten notices of
/// expectedNotices come out, or the page counts as a failure.
inline void addListPages()
{
    using namespace Qt::StringLiterals;
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<bool>("listed");

    const QByteArray html = "text/html";
    QTest::newRow("gb2312 label, GBK-only characters") << u"list-gb2312"_s << 200 << html << true;
    QTest::newRow("title before the meta") << u"list-late-meta"_s << 200 << html << true;
    QTest::newRow("charset only in the header")
        << u"list-gbk-no-meta"_s << 200 << QByteArray("text/html; Charset=\"GBK\"") << true;
    QTest::newRow("header charset over a wrong meta")
        << u"list-utf8-meta-gbk"_s << 200 << QByteArray("text/html;charset=utf-8") << true;
    QTest::newRow("no charset, UTF-8") << u"list-no-charset-utf8"_s << 200 << html << true;
    QTest::newRow("no charset, GBK") << u"list-gbk-no-meta"_s << 200 << html << true;
    QTest::newRow("character references") << u"list-references"_s << 200 << html << true;
    QTest::newRow("attribute order, quotes, extras") << u"list-attributes"_s << 200 << html << true;
    QTest::newRow("links") << u"list-links"_s << 200 << html << true;
    QTest::newRow("404 with the site's frame") << u"not-found"_s << 404 << html << false;
    QTest::newRow("500 of the server") << u"server-error"_s << 500 << html << false;
    QTest::newRow("200 without a list") << u"maintenance"_s << 200 << html << false;
}

} // namespace SiteCorpus
