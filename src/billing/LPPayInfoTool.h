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
class LPPayInfoTool : public QObject
{
    Q_OBJECT

public:
    using Success = std::function<void(const PayModel &model)>;

    /// The account number is sent exactly as given: no trimming, no check.
    LPPayInfoTool(ServiceClient *client, NotificationCenter *notifications, const QString &userId,
                  Success block, QObject *receiver);

private:
    NotificationCenter *m_notifications;
    Success m_block;
};
