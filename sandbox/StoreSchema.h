#pragma once

namespace sandbox {

class Store;

namespace StoreSchema {

/// The schema version written into the database (PRAGMA user_version).
inline constexpr int version = 1;

/// Creates every table and index of an empty database.
bool create(const Store &store);

} // namespace StoreSchema
} // namespace sandbox
