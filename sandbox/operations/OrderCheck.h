#pragma once

#include "OperationResult.h"

#include <QList>
#include <QString>
#include <variant>

namespace sandbox {

class Store;

/// One receivable an order pays, as written in its rcvblAmtId text ("yyyyMM:id|").
struct OrderedBill
{
    QString ym;
    QString id;
};

/// An order whose amounts agree with the account's bills and the red packet; in fen.
struct CheckedOrder
{
    QList<OrderedBill> bills;
    qint64 ypayFen = 0;
    qint64 spayFen = 0;
    qint64 hbjeFen = 0; ///< 0 without a red packet
};

/// Why an order is not taken: a reason for the customer, or, when the database failed, a
/// reason for the fault.
struct OrderRefusal
{
    QString reason;
    bool databaseFailed = false;
};

/// Checks createOrder's fields against the store before anything is stored: the account
/// is known, every named bill is one of its unpaid bills and named once, ypay is their sum,
/// the red packet (when given) is usable and of the stated amount, and spay is ypay less
/// that amount.
std::variant<CheckedOrder, OrderRefusal> checkOrder(const Store &store, const Fields &fields);

} // namespace sandbox
