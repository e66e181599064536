#include "LPHongBaoView.h"

#include "RedPacketSheetGeometry.h"
#include "shell/Navigator.h"

LPHongBaoView::LPHongBaoView(Navigator *navigator, const QString &kt_id, BackBlock backBlock,
                             QObject *parent)
    : ViewController(navigator, parent)
    , m_hbid(kt_id)
    , m_backBlock(std::move(backBlock))
{}

void LPHongBaoView::setDataSource(const QList<RedPacketRecord> &packets)
{
    if (packets.isEmpty())
        m_selection.reset();
    else
        m_selection.emplace(packets, m_hbid);
    emit dataSourceChanged();
}

void LPHongBaoView::show()
{
    navigator()->present(this, false);
}

void LPHongBaoView::dismiss()
{
    navigator()->dismiss(this, false);
}

void LPHongBaoView::chooseRow(int row)
{
    if (m_closing || !m_selection)
        return;
    const std::optional<QStringList> choice = m_selection->choice(row);
    if (!choice)
        return;
    startClosing();
    if (m_backBlock)
        m_backBlock(*choice);
}

void LPHongBaoView::touchOutside()
{
    if (!m_closing)
        startClosing();
}

int LPHongBaoView::flag() const
{
    return m_selection ? m_selection->flag() : 0;
}

QStringList LPHongBaoView::rowTitles() const
{
    return m_selection ? m_selection->rowTitles() : QStringList();
}

QVariant LPHongBaoView::sheetGeometry(qreal windowWidth) const
{
    if (!m_selection)
        return {};
    const qsizetype packets = m_selection->rowCount() - 1;
    const auto geometry = RedPacketSheetGeometry::forPackets(packets, windowWidth);
    return geometry ? QVariant::fromValue(*geometry) : QVariant();
}

void LPHongBaoView::startClosing()
{
    m_closing = true;
    emit closingChanged();
}
