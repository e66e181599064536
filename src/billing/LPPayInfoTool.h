#pragma once

#include "PayModel.h"

#include <QObject>
#include <functional>

class NotificationCenter;
class ServiceClient;

/// One arrears query for one account number.
///
/// It sends `queryExpense` at once and ends in exactly one outcome: the success callback
/// with the result, or one named notification. The tool lives as a child of the object
/// that asked, so an outcome never reaches a screen that has gone, and it deletes itself
/// once the outcome is delivered.
// Kept name (traceability): see docs/names.md
class LPPayInfoTool : public QObject
{
    Q_OBJECT

public:
    using Success = std::function<void(const PayModel &model)>;
    using NoReply = std::function<void()>;

    /// The account number is sent exactly as given: no trimming, no check.
    LPPayInfoTool(ServiceClient *client, NotificationCenter *notifications, const QString &userId,
                  Success block, QObject *receiver);

    /// For callers that tell "no reply" apart from a reply without data (the screen does
    /// not): a query that gets no reply calls this instead of posting "NOReceiveData".
    void setNoReply(NoReply noReply) { m_noReply = std::move(noReply); }

private:
    NotificationCenter *m_notifications;
    // Kept name (traceability): see docs/names.md
    Success m_block;
    NoReply m_noReply;
};
