#pragma once

#include "PageFetcher.h"

#include <chrono>

class QNetworkAccessManager;

/// PageFetcher over the app's shared QNetworkAccessManager.
///
/// Pages over maximumPageSize are failures, so a broken site cannot exhaust memory. A
/// caller's time-out bounds silence; however steadily a page trickles in, no fetch runs
/// longer than the deadline.
class NetworkPageFetcher final : public PageFetcher
{
public:
    static constexpr qint64 maximumPageSize = 16 * 1024 * 1024;
    static constexpr std::chrono::milliseconds defaultDeadline{15000};

    explicit NetworkPageFetcher(QNetworkAccessManager *manager,
                                std::chrono::milliseconds deadline = defaultDeadline);

    void get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
             PageHandler onPage, FailureHandler onFailure) override;

private:
    QNetworkAccessManager *m_manager;
    std::chrono::milliseconds m_deadline;
};
