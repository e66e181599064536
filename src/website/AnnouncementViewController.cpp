#include "AnnouncementViewController.h"

#include "AnnounceDetailViewController.h"
#include "SlidingTable.h"
#include "shell/Navigator.h"

#include <QVariantMap>

using namespace Qt::StringLiterals;

AnnouncementViewController::AnnouncementViewController(Navigator *navigator, PageFetcher *fetcher,
                                                       QObject *parent)
    : BaseViewController(navigator, parent)
    , m_fetcher(fetcher)
{}

void AnnouncementViewController::setDataSource(const QList<NoticeEntry> &notices)
{
    m_dataSource = notices;
    emit dataSourceChanged();
}

QVariantList AnnouncementViewController::rows() const
{
    QVariantList rows;
    for (const NoticeEntry &notice : m_dataSource)
        rows.append(QVariantMap{{u"title"_s, notice.title}, {u"subTitle"_s, notice.subTitle}});
    return rows;
}

void AnnouncementViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setIsShowWhiteBack(true);
    setTitle(tr("通知公告"));
}

qreal AnnouncementViewController::rowHeight(qreal screenHeight) const
{
    return SlidingTable::rowHeight(screenHeight);
}

qreal AnnouncementViewController::tableHeight(qreal screenHeight) const
{
    return SlidingTable::height(m_dataSource.size(), 10, screenHeight);
}

void AnnouncementViewController::didSelectRowAtIndex(int row)
{
    if (row < 0 || row >= m_dataSource.size())
        return;
    const NoticeEntry &notice = m_dataSource.at(row);
    navigator()->push(
        new AnnounceDetailViewController(navigator(), m_fetcher, notice.URL, notice.title), true);
}
