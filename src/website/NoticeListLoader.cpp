#include "NoticeListLoader.h"

#include "InfoLog.h"
#include "NoticeList.h"
#include "platform/PageFetcher.h"

using namespace Qt::StringLiterals;

NoticeListLoader::NoticeListLoader(PageFetcher *fetcher, QUrl website)
    : m_fetcher(fetcher)
    , m_website(std::move(website))
{}

void NoticeListLoader::getURLAndTitle(QObject *receiver, ListHandler onList,
                                      FailureHandler onFailure)
{
    const auto fail = [onList, onFailure = std::move(onFailure)](const QString &reason) {
        if (onFailure)
            onFailure(reason);
        else if (onList)
            onList({});
    };
    m_fetcher->get(
        NoticeList::listUrl(m_website), fetchTimeout, receiver,
        [website = m_website, onList, fail](const FetchedPage &page) {
            const std::optional<QList<NoticeEntry>> notices = NoticeList::entries(page, website);
            if (!notices) {
                fail(page.isError() ? u"HTTP status %1"_s.arg(page.status)
                                    : u"the page holds no notice list"_s);
                return;
            }
            qCDebug(lcInfo) << "notice list page:" << notices->size() << "notices";
            if (onList)
                onList(*notices);
        },
        fail);
}
