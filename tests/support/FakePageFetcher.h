#pragma once

#include "platform/PageFetcher.h"

#include <QList>
#include <QPointer>
#include <QTimer>

/// Records every page request and answers it when the test says so.
///
/// Answers arrive on a later turn of the event loop, as real pages do, and only while the
/// request's context lives.
class FakePageFetcher final : public PageFetcher
{
public:
    struct Request
    {
        QUrl url;
        std::chrono::milliseconds timeout;
        QPointer<QObject> context;
        PageHandler onPage;
        FailureHandler onFailure;
    };

    void get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
             PageHandler onPage, FailureHandler onFailure) override
    {
        m_requests.append({url, timeout, context, std::move(onPage), std::move(onFailure)});
    }

    /// The page as the site sends it, status and header charset included.
    void respond(qsizetype index, const FetchedPage &page)
    {
        const Request request = m_requests.at(index);
        QTimer::singleShot(0, [request, page] {
            if (request.context && request.onPage)
                request.onPage(page);
        });
    }

    /// A page that came with status 200 and no charset in its header.
    void respond(qsizetype index, const QByteArray &body) { respond(index, FetchedPage{body}); }

    void fail(qsizetype index, const QString &reason = QStringLiteral("connection refused"))
    {
        const Request request = m_requests.at(index);
        QTimer::singleShot(0, [request, reason] {
            if (request.context && request.onFailure)
                request.onFailure(reason);
        });
    }

    const QList<Request> &requests() const { return m_requests; }

private:
    QList<Request> m_requests;
};
