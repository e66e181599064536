#include "NoticeListLoader.h"

#include "InfoLog.h"
#include "NoticeList.h"
#include "platform/PageFetcher.h"

NoticeListLoader::NoticeListLoader(PageFetcher *fetcher, QUrl website)
    : m_fetcher(fetcher)
    , m_website(std::move(website))
{}

void NoticeListLoader::getURLAndTitle(QObject *receiver, ListHandler onList,
                                      FailureHandler onFailure)
{
    m_fetcher->get(
        NoticeList::listUrl(m_website), fetchTimeout, receiver,
        [website = m_website, onList](const QByteArray &page) {
            const QList<NoticeEntry> notices = NoticeList::entries(page, website);
            qCDebug(lcInfo) << "notice list page:" << notices.size() << "notices";
            if (onList)
                onList(notices);
        },
        [onList, onFailure = std::move(onFailure)](const QString &reason) {
            if (onFailure)
                onFailure(reason);
            else if (onList)
                onList({});
        });
}
