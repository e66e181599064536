#include "LPServiceGuideViewController.h"

#include "LPServiceDetailViewController.h"
#include "ServicePages.h"
#include "SlidingTable.h"
#include "WebsiteAddress.h"
#include "shell/Navigator.h"

LPServiceGuideViewController::LPServiceGuideViewController(Navigator *navigator,
                                                           PageFetcher *fetcher, QUrl website,
                                                           int VCType, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_fetcher(fetcher)
    , m_website(std::move(website))
    , m_VCType(VCType)
{}

QStringList LPServiceGuideViewController::getServiceGuideInfo()
{
    return ServicePages::titles(ServicePages::guide());
}

QStringList LPServiceGuideViewController::getWaterInfo()
{
    return ServicePages::titles(ServicePages::publicity());
}

void LPServiceGuideViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setIsShowWhiteBack(true);
    setTitle(isPublicity() ? tr("水电气宣传") : tr("服务指南"));
    m_dataSource = isPublicity() ? getWaterInfo() : getServiceGuideInfo();
    emit dataSourceChanged();
}

qreal LPServiceGuideViewController::rowHeight(qreal screenHeight) const
{
    return SlidingTable::rowHeight(screenHeight);
}

qreal LPServiceGuideViewController::tableHeight(qreal screenHeight) const
{
    // The table is as tall as the whole list of its kind, whatever the titles loaded.
    const auto &pages = isPublicity() ? ServicePages::publicity() : ServicePages::guide();
    return SlidingTable::height(pages.size(), 5, screenHeight);
}

void LPServiceGuideViewController::didSelectRowAtIndex(int row)
{
    const QList<ServicePages::Page> &pages =
        isPublicity() ? ServicePages::publicity() : ServicePages::guide();
    if (row < 0 || row >= pages.size())
        return;
    const ServicePages::Page &page = pages.at(row);
    navigator()->push(new LPServiceDetailViewController(navigator(), m_fetcher,
                                                        WebsiteAddress::page(m_website, page.path),
                                                        row, page.title, isPublicity() ? 1 : 0),
                      true);
}
