#include "LPPayInfoTool.h"

#include "ArrearsReply.h"
#include "platform/NotificationCenter.h"
#include "service/ServiceClient.h"

using namespace Qt::StringLiterals;

LPPayInfoTool::LPPayInfoTool(ServiceClient *client, NotificationCenter *notifications,
                             const QString &userId, Success block, QObject *receiver)
    : QObject(receiver)
    , m_notifications(notifications)
    , m_block(std::move(block))
{
    client->call(
        ServiceOperation::queryExpense, {{u"queryType"_s, QString()}, {u"queryValue"_s, userId}},
        this,
        [this](const ServiceReply &reply) {
            const ArrearsReply::Outcome outcome = ArrearsReply::read(reply.returnText);
            deleteLater();
            if (!outcome.notification.isEmpty())
                m_notifications->post(outcome.notification);
            else if (m_block)
                m_block(outcome.model);
        },
        [this] {
            // No reply in time: tell the screen the same way as a reply without data, so its
            // loading indicator ends and the customer can search again.
            deleteLater();
            if (m_noReply)
                m_noReply();
            else
                m_notifications->post(ArrearsReply::noData);
        },
        // The arrears reader reads the return text itself.
        ServiceReply::Reading::textOnly);
}
