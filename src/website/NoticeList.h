#pragma once

#include "NoticeEntry.h"

#include <QList>
#include <QUrl>
#include <optional>

struct FetchedPage;

/// Reading the company's notice list page.
namespace NoticeList {

/// The list page: the category 水电气公告, its name percent-encoded in GBK.
// Kept name (wire): see docs/names.md
inline constexpr QStringView listPath =
    u"/reds/service.asp?classid=28&subid=29&classname=%CB%AE%B5%E7%C6%F8%B9%AB%B8%E6";
/// The block that holds the list; a page without it is no notice list.
// Kept name (wire): see docs/names.md
inline constexpr QStringView listXPath = u"//div[@class='content']";
/// The elements of the list: //div[@class='content']//div, written with descendant steps, which
/// libxml2 takes in one walk instead of first gathering every node of the page.
inline constexpr QStringView rowsXPath = u"/descendant::div[@class='content']/descendant::div";
inline constexpr qsizetype maximumEntries = 10;

QUrl listUrl(const QUrl &website);

/// The notices of a list page, in page order: the matched elements at even positions, ten
/// at most (each row's inner date element takes the odd positions). A row's title and link
/// are its titled anchor's attributes, its date what its text holds between square brackets;
/// a row without one of them, or whose link leads to no web page, is no notice. Nothing when
/// the page is no notice list: an HTTP error page, or a page without the list's block.
std::optional<QList<NoticeEntry>> entries(const FetchedPage &page, const QUrl &website);

} // namespace NoticeList
