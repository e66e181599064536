#include "LPServiceDetailViewController.h"

LPServiceDetailViewController::LPServiceDetailViewController(Navigator *navigator,
                                                             PageFetcher *fetcher,
                                                             const QUrl &urlStr, int index,
                                                             const QString &title,
                                                             int ServiceVCTypeFrom, QObject *parent)
    : WebsitePageViewController(navigator, fetcher, parent)
    , m_urlStr(urlStr)
    , m_index(index)
    , m_ServiceVCTypeFrom(ServiceVCTypeFrom)
{
    setTitle(title);
}

void LPServiceDetailViewController::viewDidLoad()
{
    WebsitePageViewController::viewDidLoad();
    initDataSource();
    setIsShowWhiteBack(true);
}

void LPServiceDetailViewController::initDataSource()
{
    const auto list = m_ServiceVCTypeFrom == 1 ? PageFragments::ServiceList::publicity
                                               : PageFragments::ServiceList::guide;
    requestPage(m_urlStr, PageFragments::serviceDetail(list, m_index), AfterFailure::goBack);
}
