#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <functional>

/// The HTTP exchanges the app makes: one request, one complete reply.
///
/// A reply or failure is delivered once, on the main thread, and only while the
/// context object is alive; a sender that goes away is simply not called.
class Transport
{
public:
    using ReplyHandler = std::function<void(const QByteArray &body)>;
    using FailureHandler = std::function<void(const QString &reason)>;

    virtual ~Transport() = default;

    /// Starts a POST at once. No retry, no queue: every call is its own exchange.
    virtual void post(const QUrl &url, const QByteArray &contentType, const QByteArray &body,
                      QObject *context, ReplyHandler onReply, FailureHandler onFailure) = 0;
};
