#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

class QNetworkReply;

/// Bounds one exchange: it is aborted `deadline` after it started, however steadily bytes
/// trickle in, and it fails at the first certificate error, which is logged and never
/// ignored. Call it right after starting the request.
void limitExchange(QNetworkReply *reply, std::chrono::milliseconds deadline);

/// Collects a network reply whole and delivers it once: the body, or the reason it failed.
///
/// A body larger than the limit is a failure, so a broken peer cannot exhaust memory, and so
/// is a body cut short by a lost connection, by the deadline (limitExchange) or by a
/// refused certificate. An HTTP error status is not a failure: its body is delivered like
/// any other. Nothing is delivered once the context object is gone. The reply deletes itself
/// when done.
void deliverWhole(QNetworkReply *reply, QObject *context, qint64 limit,
                  std::chrono::milliseconds deadline,
                  std::function<void(const QByteArray &body)> onBody,
                  std::function<void(const QString &reason)> onFailure);
