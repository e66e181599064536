#pragma once

#include "OrderRequest.h"
#include "PayModel.h"
#include "RedPacketChoice.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

/// One bill a payment settled: its month, its kind in words and its amount in fen.
struct ReceiptBill
{
    QString month;
    QString kind;
    qint64 fen = 0;

    friend bool operator==(const ReceiptBill &, const ReceiptBill &) = default;
};

/// A caption and its value, as the receipt prints them.
struct ReceiptLine
{
    QString caption;
    QString value;
};

/// The receipt of one successful payment: who paid what for which account, and the order.
///
/// The PDF and the receipt screen draw the same lines from here, so they always agree.
struct Receipt
{
    QString office; ///< the company's office that collects the account's bills
    QString account;
    QString name;    ///< masked
    QString address; ///< masked as on the payment screen
    QList<ReceiptBill> bills;
    qint64 lateFeeFen = 0;
    QString redPacketName; ///< empty when no packet was used
    qint64 redPacketFen = 0;
    qint64 totalFen = 0; ///< what the bills came to
    qint64 paidFen = 0;  ///< what the customer paid after the packet
    QDateTime orderTime;
    QString prepayId;

    /// What an order for `model`'s bills carries on its receipt; the order time and the
    /// prepay id follow once the order exists.
    static Receipt make(const PayModel &model, const OrderRequest &order,
                        const std::optional<RedPacketChoice> &packet);

    /// A customer's name with all but its first and last characters hidden: "王*国", "李*".
    static QString maskedName(const QString &name);

    /// The company that issues the receipt.
    static QString company();
    static QString heading();
    /// The office, the account and its holder.
    QList<ReceiptLine> customerLines() const;
    /// Late fees, red packet, total and amount paid.
    QList<ReceiptLine> amountLines() const;
    /// When the order was made and its prepay id.
    QList<ReceiptLine> orderLines() const;
    QStringList billColumns() const;
    /// A bill's month, kind and amount as the bill table shows them.
    static QStringList billCells(const ReceiptBill &bill);

    QJsonObject toJson() const;
    /// Nothing when the object is not a receipt this app wrote.
    static std::optional<Receipt> fromJson(const QJsonObject &object);

    friend bool operator==(const Receipt &, const Receipt &) = default;
};
