#pragma once

#include "queryListModel.h"

#include <QList>
#include <QObject>
#include <QString>

/// What one utility account owes: the customer, the totals and the outstanding bills.
// Kept name (traceability): see docs/names.md
struct PayModel
{
    Q_GADGET
    // Kept name (wire): see docs/names.md
    Q_PROPERTY(QString acctOrgName MEMBER acctOrgName)
    Q_PROPERTY(QString acctOrgNo MEMBER acctOrgNo)
    Q_PROPERTY(QString addr MEMBER addr)
    Q_PROPERTY(QString consName MEMBER consName)
    Q_PROPERTY(QString rcvblAmt MEMBER rcvblAmt)
    Q_PROPERTY(QString consNo MEMBER consNo)
    Q_PROPERTY(QString orgName MEMBER orgName)
    Q_PROPERTY(QString orgNo MEMBER orgNo)
    Q_PROPERTY(QString prePayAmt MEMBER prePayAmt)
    Q_PROPERTY(QString recordCount MEMBER recordCount)
    Q_PROPERTY(QString replyCode MEMBER replyCode)
    Q_PROPERTY(QString returnCode MEMBER returnCode)
    Q_PROPERTY(QString returnMsg MEMBER returnMsg)
    Q_PROPERTY(QString totalOweAmt MEMBER totalOweAmt)
    Q_PROPERTY(QString totalPenAlty MEMBER totalPenAlty)
    Q_PROPERTY(QString totalRcvBlamt MEMBER totalRcvBlamt)
    Q_PROPERTY(QString totalRcvedAmt MEMBER totalRcvedAmt)

public:
    QString acctOrgName;
    QString acctOrgNo;
    QString addr;
    QString consName;
    QString rcvblAmt;
    QString consNo;
    QString orgName;
    QString orgNo;
    QString prePayAmt;
    QString recordCount;
    QString replyCode;
    QString returnCode;
    QString returnMsg;
    QString totalOweAmt; ///< yuan, as the service wrote it
    QString totalPenAlty;
    QString totalRcvBlamt;
    QString totalRcvedAmt;
    // Kept name (wire): see docs/names.md
    QList<queryListModel> queryList;
};
