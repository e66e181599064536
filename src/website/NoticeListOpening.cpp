#include "NoticeListOpening.h"

#include "AnnouncementViewController.h"
#include "InfoLog.h"
#include "InfoTexts.h"
#include "NoticeListLoader.h"
#include "shell/KTLoadingView.h"
#include "shell/Navigator.h"

using namespace Qt::StringLiterals;

namespace {

const QString loadingName = u"noticeListLoading"_s;

} // namespace

void openNoticesWhenListed(ViewController *home, PageFetcher *fetcher, const QUrl &website)
{
    if (home->findChild<KTLoadingView *>(loadingName, Qt::FindDirectChildrenOnly))
        return;
    // The indicator is the context of the fetch: the answer goes nowhere once home is gone.
    auto *loading = new KTLoadingView(home);
    loading->setObjectName(loadingName);
    loading->startAnimation();
    loading->setType(0);
    const auto finish = [loading] {
        loading->endAnimation();
        loading->deleteLater();
        // Gone from the search at once, so that the next tap fetches again.
        loading->setObjectName({});
    };
    NoticeListLoader(fetcher, website)
        .getURLAndTitle(
            loading,
            [home, fetcher, finish](const QList<NoticeEntry> &notices) {
                finish();
                auto *screen = new AnnouncementViewController(home->navigator(), fetcher);
                screen->setDataSource(notices);
                home->navigator()->push(screen, true);
            },
            [home, finish](const QString &reason) {
                qCInfo(lcInfo) << "notice list failed:" << reason;
                finish();
                home->navigator()->notice(InfoTexts::networkFailure.toString());
            });
}
