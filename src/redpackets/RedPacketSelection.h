#pragma once

#include "RedPacketRecord.h"

#include <QList>
#include <QStringList>
#include <optional>

/// The rows of the red packet selection sheet and what choosing one hands back: row 0 is
/// "不使用红包", row n the n-th packet in the order the query delivered them.
class RedPacketSelection
{
    Q_GADGET
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(int flag READ flag CONSTANT)
    Q_PROPERTY(int rowCount READ rowCount CONSTANT)
    Q_PROPERTY(QStringList rowTitles READ rowTitles CONSTANT)

public:
    RedPacketSelection() = default;
    /// `hbid` is the id of the packet currently chosen on the payment screen, empty for none.
    RedPacketSelection(QList<RedPacketRecord> dataSource, const QString &hbid);

    /// The row that carries the selection mark: 1 + the index of the first packet with the
    /// current id, 0 when none has it. No current id marks row 0, even next to a packet
    /// whose own id is empty.
    int flag() const { return m_flag; }
    int rowCount() const;
    QStringList rowTitles() const;

    /// What choosing `row` hands back: an empty list for "不使用红包", otherwise the packet's
    /// hbid, hbje and hbmc as received. Nothing for a row the sheet does not have.
    std::optional<QStringList> choice(int row) const;

private:
    QList<RedPacketRecord> m_dataSource;
    int m_flag = 0;
};
