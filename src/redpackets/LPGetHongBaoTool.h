#pragma once

#include "RedPacketRecord.h"

#include <QList>
#include <QObject>
#include <functional>

class Navigator;
class ServiceClient;

/// One red packet query for the payment screen's choice of a packet.
// Kept name (traceability): see docs/names.md
class LPGetHongBaoTool : public QObject
{
    Q_OBJECT

public:
    using Success = std::function<void(const QList<RedPacketRecord> &packets)>;

    /// Sends queryHbxx for `useraccount` at once. Lives as a child of `receiver` (so a reply never
    /// reaches a screen that has gone) and deletes itself once the reply is handled. Shows the
    /// "当前无红包可用!" alert through `navigator` when the reply has no return text, and
    /// "网络异常!" when no reply comes; delivers only a non-empty list.
    LPGetHongBaoTool(ServiceClient *client, Navigator *navigator, const QString &useraccount,
                     Success success, QObject *receiver);

private:
    Navigator *m_navigator;
    Success m_success;
};
