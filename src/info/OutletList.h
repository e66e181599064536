#pragma once

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

struct Coordinate
{
    double latitude;
    double longitude;
};

/// The centre of the service area.
inline constexpr Coordinate mapCentre{29.352765, 104.778442};
/// The opening region's extent, north to south and east to west.
inline constexpr double regionMetres = 9000;
/// Every marker's image.
inline constexpr QStringView markerIcon = u"pointIcon";

/// The outlets of a JSON array, in order. Coordinates may be numbers or numeric texts;
/// anything else reads as 0. Elements that are no objects are no outlets. A document
/// that is no array gives none.
QList<Outlet> fromJson(const QByteArray &json);

/// The list bundled with the app ("locations.json").
QList<Outlet> bundled();

} // namespace OutletList
