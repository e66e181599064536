#pragma once

#include "OperationResult.h"

namespace sandbox {

class Store;

/// The eight operations of the company service, grouped in files as the app's
/// subsystems group them.
namespace Operations {

// Bills and payment
// Kept name (traceability): see docs/names.md
OperationResult queryExpense(const Store &store, const Fields &fields);
OperationResult createOrder(const Store &store, const Fields &fields);

// Account and red packets
// Kept name (traceability): see docs/names.md
OperationResult registerUser(const Store &store, const Fields &fields);
OperationResult checkUser(const Store &store, const Fields &fields);
OperationResult queryHbxx(const Store &store, const Fields &fields);

// Payment records
// Kept name (traceability): see docs/names.md
OperationResult queryPayList(const Store &store, const Fields &fields);

// Application shell: device announcement and message polling
// Kept name (traceability): see docs/names.md
OperationResult updateInfo(const Store &store, const Fields &fields);
OperationResult backMessage(const Store &store, const Fields &fields);

} // namespace Operations
} // namespace sandbox
