#pragma once

#include "MapProjection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

/// One service outlet of the company, as a map marker shows it.
struct Outlet
{
    double lat = 0;
    double lng = 0;
    std::optional<QString> name;    ///< the marker's title
    std::optional<QString> address; ///< the marker's subtitle

    friend bool operator==(const Outlet &, const Outlet &) = default;
};

/// The outlet list that ships with the app, and where the map opens.
namespace OutletList {

/// The centre of the service area.
// Kept name (traceability): see docs/names.md
inline constexpr MapProjection::Coordinate mapCentre{29.352765, 104.778442};
/// The opening region's extent, north to south and east to west.
inline constexpr double regionMetres = 9000;
/// Every marker's image.
// Kept name (traceability): see docs/names.md
inline constexpr QStringView markerIcon = u"pointIcon";

/// Where the list bundled with the app ("locations.json") lives.
inline constexpr QStringView bundledPath = u":/tarvo/locations.json";

/// The outlets of a JSON array, in order. Coordinates may be numbers or numeric texts;
/// anything else reads as 0. Elements that are no objects are no outlets. A document
/// that is no array gives none, and `*ok` (when given) tells it from an empty array.
QList<Outlet> fromJson(const QByteArray &json, bool *ok = nullptr);

/// The outlets of a list file; a missing or unreadable file gives none and `*ok` false.
QList<Outlet> fromFile(const QString &path, bool *ok = nullptr);

/// The list bundled with the app.
QList<Outlet> bundled();

} // namespace OutletList
