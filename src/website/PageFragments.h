#pragma once

#include <QStringList>
#include <optional>

class HtmlDocument;
struct FetchedPage;

/// Which parts of a website page a screen shows.
struct FragmentRule
{
    QStringList xpaths;                ///< evaluated in turn; their matches make one list of pieces
    std::optional<qsizetype> removeAt; ///< this piece is dropped, when there is one
    bool dropLast = false;             ///< the last piece is dropped, when there is one
    bool inColumn = false; ///< every expression reads below the content column (frameXPath)

    friend bool operator==(const FragmentRule &, const FragmentRule &) = default;
};

/// The fragment rules of the information pages, and their application.
namespace PageFragments {

/// The site's content column, which every rule reads from: a page without it is none of the
/// site's article or guide pages. This is //div[@class='ny_right'] written as a descendant step,
/// which libxml2 takes in one walk instead of first gathering every node of the page.
// Kept name (wire): see docs/names.md
inline constexpr QStringView frameXPath = u"/descendant::div[@class='ny_right']";

/// Where a service detail page was opened from.
enum class ServiceList { guide, publicity };

FragmentRule noticeDetail();
FragmentRule aboutUs();
FragmentRule serviceDetail(ServiceList list, int row);

/// The pieces of the document the rule keeps, in order.
QStringList pieces(const HtmlDocument &document, const FragmentRule &rule);
/// The page's kept pieces joined with nothing between: the markup the web view shows. Nothing
/// when the page is none to show: an HTTP error page, or a page without the content column.
std::optional<QString> markup(const FetchedPage &page, const FragmentRule &rule);

} // namespace PageFragments
