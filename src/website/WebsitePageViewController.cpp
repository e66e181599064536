#include "WebsitePageViewController.h"

#include "InfoLog.h"
#include "InfoTexts.h"
#include "platform/PageFetcher.h"
#include "shell/Navigator.h"

#include <QPointer>

WebsitePageViewController::WebsitePageViewController(Navigator *navigator, PageFetcher *fetcher,
                                                     QObject *parent)
    : BaseViewController(navigator, parent)
    , m_fetcher(fetcher)
{}

QString WebsitePageViewController::viewportScript(double width) const
{
    return InfoTexts::viewportScript(width);
}

void WebsitePageViewController::requestPage(const QUrl &url, const FragmentRule &rule,
                                            AfterFailure afterFailure)
{
    // The fetcher cannot tell when the first bytes arrive, so the overlay covers the whole
    // wait; the time-out ends it either way.
    navigator()->showProgress();
    m_fetcher->get(
        url, InfoTexts::pageTimeout, this,
        [this, rule, afterFailure](const FetchedPage &page) {
            const std::optional<QString> markup = PageFragments::markup(page, rule);
            if (!markup) {
                pageFailed(afterFailure);
                return;
            }
            navigator()->hideProgress();
            m_html = *markup;
            if (m_html.isEmpty())
                qCInfo(lcInfo) << "nothing to show on" << page.body.size() << "bytes of page";
            m_pageArrived = true;
            emit pageArrivedChanged();
        },
        [this, afterFailure](const QString &reason) {
            qCInfo(lcInfo) << "page failed:" << reason;
            pageFailed(afterFailure);
        });
}

void WebsitePageViewController::pageFailed(AfterFailure afterFailure)
{
    navigator()->hideProgress();
    AlertButton ok{InfoTexts::alertButton.toString(), {}};
    if (afterFailure == AfterFailure::goBack) {
        ok.action = [screen = QPointer(this)] {
            if (screen)
                screen->navigator()->pop(true);
        };
    }
    navigator()->alert(InfoTexts::alertTitle.toString(), InfoTexts::networkFailure.toString(),
                       {ok});
}
