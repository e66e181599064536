#include "RedPacketSelection.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

int markedRow(const QList<RedPacketRecord> &packets, const QString &hbid)
{
    if (hbid.isEmpty())
        return 0;
    const auto found = std::ranges::find(packets, hbid, &RedPacketRecord::hbid);
    return found == packets.cend() ? 0 : int(found - packets.cbegin()) + 1;
}

} // namespace

RedPacketSelection::RedPacketSelection(QList<RedPacketRecord> dataSource, const QString &hbid)
    : m_dataSource(std::move(dataSource))
    , m_flag(markedRow(m_dataSource, hbid))
{}

int RedPacketSelection::rowCount() const
{
    return int(m_dataSource.size()) + 1;
}

QStringList RedPacketSelection::rowTitles() const
{
    QStringList titles{u"不使用红包"_s};
    for (const RedPacketRecord &packet : m_dataSource)
        titles.append(packet.hbmc + u"   "_s + packet.hbje + u"元"_s);
    return titles;
}

std::optional<QStringList> RedPacketSelection::choice(int row) const
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    if (row == 0)
        return QStringList();
    const RedPacketRecord &packet = m_dataSource.at(row - 1);
    return QStringList{packet.hbid, packet.hbje, packet.hbmc};
}
