#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <chrono>
#include <functional>

/// Reads pages of the company website: one GET, the whole body.
///
/// The page or the failure is delivered once, on the main thread, and only while the
/// context object is alive. An HTTP error status still delivers its body: the site's
/// error page is a page like any other, it just holds nothing the caller looks for.
class PageFetcher
{
public:
    using PageHandler = std::function<void(const QByteArray &body)>;
    using FailureHandler = std::function<void(const QString &reason)>;

    virtual ~PageFetcher() = default;

    /// Starts the GET at once; a page that has not arrived within the time-out is a failure.
    virtual void get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
                     PageHandler onPage, FailureHandler onFailure) = 0;
};
