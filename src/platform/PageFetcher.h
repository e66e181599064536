#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <chrono>
#include <functional>

/// A website page as it arrived: its body, and what the HTTP header said about it.
struct FetchedPage
{
    FetchedPage(QByteArray pageBody = {}, int httpStatus = 200, QByteArray headerCharset = {})
        : body(std::move(pageBody))
        , status(httpStatus)
        , charset(std::move(headerCharset))
    {}

    QByteArray body;
    int status;         ///< the HTTP status
    QByteArray charset; ///< the Content-Type header's charset parameter; empty when it has none

    /// The site answered with an error page (404, 500, ...) instead of the page asked for.
    bool isError() const { return status >= 400; }
};

/// Reads pages of the company website: one GET, the whole body.
///
/// The page or the failure is delivered once, on the main thread, and only while the
/// context object is alive. An HTTP error status still delivers its body and status: the
/// caller decides what an error page means to it.
class PageFetcher
{
public:
    using PageHandler = std::function<void(const FetchedPage &page)>;
    using FailureHandler = std::function<void(const QString &reason)>;

    virtual ~PageFetcher() = default;

    /// Starts the GET at once; a page that has not arrived within the time-out is a failure.
    virtual void get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
                     PageHandler onPage, FailureHandler onFailure) = 0;
};
