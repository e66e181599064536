#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// The website pages behind the guide list, the publicity list and the about page.
namespace ServicePages {

struct Page
{
    QString title;
    QString path; ///< on the website, query included
};

/// The service guide list: opening an electricity, water or gas account.
const QList<Page> &guide();
/// The publicity list: safety and saving tips, water treatment, gas heating.
const QList<Page> &publicity();
// Kept name (wire): see docs/names.md
inline constexpr QStringView aboutPath = u"/reds/main.asp";

/// The titles of a list, in row order.
QStringList titles(const QList<Page> &pages);

} // namespace ServicePages
