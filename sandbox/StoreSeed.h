#pragma once

#include <QString>

namespace sandbox {

class Store;

/// The demo content a new database starts from.
namespace StoreSeed {

/// The device that made the seeded sign-in account and the seeded payments.
inline constexpr QLatin1StringView seededDevice{"5F0C2A8E-3B71-4D9A-9E64-2C1B7A0D4E93"};

bool fill(const Store &store);

} // namespace StoreSeed
} // namespace sandbox
