#pragma once

#include <QString>
#include <optional>

namespace sandbox {

class Store;

/// Settles an order the wallet has taken payment for, in one transaction: its bills are
/// marked paid, its red packet used, a payment record is written for the ordering device
/// and account dated today with the amount paid, and the order becomes paid.
///
/// Gives the reason, for the customer, why the order cannot be settled (unknown, already
/// paid, its bills or red packet taken by another order since); the store is then unchanged.
std::optional<QString> settleOrder(const Store &store, const QString &prepayId);

} // namespace sandbox
