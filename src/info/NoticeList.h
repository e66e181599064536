#pragma once

#include "NoticeEntry.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <optional>

/// Reading the company's notice list page.
namespace NoticeList {

/// The list page: the category 水电气公告, its name percent-encoded in GBK.
inline constexpr QStringView listPath =
    u"/reds/service.asp?classid=28&subid=29&classname=%CB%AE%B5%E7%C6%F8%B9%AB%B8%E6";
inline constexpr QStringView rowsXPath = u"//div[@class='content']//div";
inline constexpr qsizetype maximumEntries = 10;

QUrl listUrl(const QUrl &website);

/// One row's markup as an entry. A row without a title attribute, a link or a bracketed
/// date is no notice: nothing.
std::optional<NoticeEntry> entry(QStringView markup, const QUrl &website);

/// The matched elements at even positions, ten at most (each row's inner date element
/// takes the odd positions), as entries in page order.
QList<NoticeEntry> entries(const QStringList &elements, const QUrl &website);

/// The whole page: parsed, searched and read as above. Bytes that are no page give none.
QList<NoticeEntry> entries(const QByteArray &page, const QUrl &website);

} // namespace NoticeList
