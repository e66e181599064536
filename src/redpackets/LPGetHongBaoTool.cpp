#include "LPGetHongBaoTool.h"

#include "RedPacketReply.h"
#include "RedPacketsLog.h"
#include "service/ServiceClient.h"
#include "shell/Navigator.h"

using namespace Qt::StringLiterals;

LPGetHongBaoTool::LPGetHongBaoTool(ServiceClient *client, Navigator *navigator,
                                   const QString &useraccount, Success success, QObject *receiver)
    : QObject(receiver)
    , m_navigator(navigator)
    , m_success(std::move(success))
{
    client->call(
        ServiceOperation::queryHbxx, {{u"useraccount"_s, useraccount}}, this,
        [this](const ServiceReply &reply) {
            deleteLater();
            if (!reply.returnText) {
                m_navigator->notice(tr("当前无红包可用!"));
                return;
            }
            const QList<RedPacketRecord> packets = RedPacketReply::records(reply.replyDocument);
            if (!packets.isEmpty() && m_success)
                m_success(packets);
        },
        [this] {
            qCInfo(lcRedPackets) << "red packet query got no reply";
            deleteLater();
            m_navigator->notice(tr("网络异常!"));
        });
}
