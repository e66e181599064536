#include "AnnounceDetailViewController.h"

AnnounceDetailViewController::AnnounceDetailViewController(Navigator *navigator,
                                                           PageFetcher *fetcher,
                                                           const QString &urlStr,
                                                           const QString &title, QObject *parent)
    : WebsitePageViewController(navigator, fetcher, parent)
    , m_urlStr(urlStr)
{
    setTitle(title);
}

void AnnounceDetailViewController::viewDidLoad()
{
    WebsitePageViewController::viewDidLoad();
    initService();
    setIsShowWhiteBack(true);
}

void AnnounceDetailViewController::initService()
{
    // The notice stays open after a failure; the reader goes back with the arrow.
    requestPage(QUrl(m_urlStr), PageFragments::noticeDetail(), AfterFailure::stay);
}
