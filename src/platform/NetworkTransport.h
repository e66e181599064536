#pragma once

#include "Transport.h"

#include <chrono>

class QNetworkAccessManager;

/// Transport over one shared QNetworkAccessManager.
///
/// Replies larger than maximumReplySize, exchanges not complete within the timeout of their
/// start and certificates that do not verify are failures, so a broken or foreign peer can
/// neither exhaust memory nor keep a caller waiting.
class NetworkTransport final : public Transport
{
public:
    static constexpr qint64 maximumReplySize = 16 * 1024 * 1024;
    static constexpr std::chrono::milliseconds defaultTimeout{15000};

    explicit NetworkTransport(QNetworkAccessManager *manager,
                              std::chrono::milliseconds timeout = defaultTimeout);

    void post(const QUrl &url, const QByteArray &contentType, const QByteArray &body,
              QObject *context, ReplyHandler onReply, FailureHandler onFailure) override;

private:
    QNetworkAccessManager *m_manager;
    std::chrono::milliseconds m_timeout;
};
