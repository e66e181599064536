#pragma once

#include "PayModel.h"
#include "RedPacketChoice.h"

#include <QStringList>
#include <optional>

/// The eight rows of the payment screen, worked out from an arrears result.
namespace PaymentRows {

enum Row { name, address, water, electricity, gas, penalties, redPacket, amountDue, count };

struct KindSums
{
    qint64 water = 0; ///< fen
    qint64 electricity = 0;
    qint64 gas = 0;
};

/// Bills of kind "W", "P" and "G" summed exactly; any other kind counts nowhere.
KindSums sumsByKind(const QList<queryListModel> &bills);

/// Long addresses are shown as their first three and last three characters around "*".
QString maskedAddress(const QString &address);

QStringList titles();

/// A red packet may be used when it is not larger than the total owed.
bool accepts(const PayModel &model, const RedPacketChoice &packet);

/// The rows as shown; with a packet, the amount due is the total less the packet.
QStringList values(const PayModel &model, const std::optional<RedPacketChoice> &packet = {});

} // namespace PaymentRows
