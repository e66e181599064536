#include "AboutUsViewController.h"

#include "ServicePages.h"
#include "WebsiteAddress.h"

AboutUsViewController::AboutUsViewController(Navigator *navigator, PageFetcher *fetcher,
                                             QUrl website, QObject *parent)
    : WebsitePageViewController(navigator, fetcher, parent)
    , m_website(std::move(website))
{}

void AboutUsViewController::viewDidLoad()
{
    WebsitePageViewController::viewDidLoad();
    setTitle(tr("关于我们"));
    initJianjie();
    setIsShowWhiteBack(true);
}

void AboutUsViewController::initJianjie()
{
    requestPage(WebsiteAddress::page(m_website, ServicePages::aboutPath.toString()),
                PageFragments::aboutUs(), AfterFailure::goBack);
}
