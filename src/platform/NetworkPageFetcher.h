#pragma once

#include "PageFetcher.h"

class QNetworkAccessManager;

/// PageFetcher over the app's shared QNetworkAccessManager.
///
/// Pages over maximumPageSize are failures, so a broken site cannot exhaust memory.
class NetworkPageFetcher final : public PageFetcher
{
public:
    static constexpr qint64 maximumPageSize = 16 * 1024 * 1024;

    explicit NetworkPageFetcher(QNetworkAccessManager *manager);

    void get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
             PageHandler onPage, FailureHandler onFailure) override;

private:
    QNetworkAccessManager *m_manager;
};
