#pragma once

#include <QHash>
#include <QString>

/// What the orders tests pay: a device and unpaid bills of account 1000001 in the seed.
namespace SeedOrders {

inline const QString device = QStringLiteral("9B2E61D4-0C7A-4E3F-8A15-D6F0B3C29E87");

// Amounts in fen (usage × unit price).
inline const QString water01 = QStringLiteral("202501:YS20250100002|"); // 6210
inline const QString water02 = QStringLiteral("202502:YS20250200003|"); // 5175
inline const QString allOf1000001 =
    QStringLiteral("202501:YS20250100002|202502:YS20250200003|202503:YS20250300004|"
                   "202501:YS20250100005|202502:YS20250200006|202503:YS20250300007|"
                   "202501:YS20250100008|202502:YS20250200009|202503:YS20250300010|"); // 86480

/// The createOrder fields of an order of 1000001 from the device.
inline QHash<QString, QString> order(const QString &bills, const QString &ypay, const QString &spay,
                                     const QString &hbid = {}, const QString &hbje = {})
{
    return {{QStringLiteral("userbh"), QStringLiteral("1000001")},
            {QStringLiteral("uuid"), device},
            {QStringLiteral("rcvblAmtId"), bills},
            {QStringLiteral("ypay"), ypay},
            {QStringLiteral("spay"), spay},
            {QStringLiteral("hbid"), hbid},
            {QStringLiteral("hbje"), hbje},
            {QStringLiteral("drives"), QStringLiteral("IOS1")}};
}

} // namespace SeedOrders
