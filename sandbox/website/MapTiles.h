#pragma once

#include "HttpAnswer.h"

#include <QLatin1StringView>

namespace sandbox::MapTiles {

/// Where the tiles are served: /tiles/{z}/{x}/{y}.png.
inline constexpr QLatin1StringView prefix{"/tiles/"};

/// A plain map tile of the Web-Mercator grid, drawn on request: light ground, a street grid
/// and a river winding through the service area, the same picture every time. 404 for an
/// address outside the grid.
HttpAnswer tile(int z, int x, int y);

} // namespace sandbox::MapTiles
