#pragma once

#include <QObject>
#include <QString>

/// One red packet of a user: a voucher that can be deducted from a payment.
struct RedPacketRecord
{
    Q_GADGET
    // Kept name (wire): see docs/names.md
    Q_PROPERTY(QString hbid MEMBER hbid)
    Q_PROPERTY(QString hbmc MEMBER hbmc)
    Q_PROPERTY(QString hbje MEMBER hbje)
    Q_PROPERTY(QString yxrq MEMBER yxrq)

public:
    QString hbid;
    QString hbmc; ///< name
    QString hbje; ///< amount in yuan, as listed
    QString yxrq; ///< valid until, as listed
};
