#pragma once

#include "NoticeEntry.h"

#include <QList>
#include <QUrl>
#include <chrono>
#include <functional>

class PageFetcher;
class QObject;

/// Fetches the notice list page and reads the notices from it, without blocking.
class NoticeListLoader
{
public:
    using ListHandler = std::function<void(const QList<NoticeEntry> &notices)>;
    using FailureHandler = std::function<void(const QString &reason)>;

    /// The list page sets no time-out of its own; this bound only keeps a site that never
    /// answers from holding the notices button for good.
    static constexpr std::chrono::milliseconds fetchTimeout{15000};

    NoticeListLoader(PageFetcher *fetcher, QUrl website);

    /// Fetches the list page and hands over its notices, once, on the main thread, while
    /// the receiver lives. A page that cannot be fetched, an error page or a page that is
    /// no notice list goes to onFailure when one is given and otherwise counts as a page
    /// without notices (the list opens empty).
    // Kept name (traceability): see docs/names.md
    void getURLAndTitle(QObject *receiver, ListHandler onList, FailureHandler onFailure = {});

private:
    PageFetcher *m_fetcher;
    QUrl m_website;
};
