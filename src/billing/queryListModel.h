#pragma once

#include <QObject>
#include <QString>

/// One outstanding bill of an account: a charge of water, electricity or gas.
// Kept name (traceability): see docs/names.md
struct queryListModel
{
    Q_GADGET
    // Kept name (wire): see docs/names.md
    Q_PROPERTY(QString oweAmt MEMBER oweAmt)
    Q_PROPERTY(QString rcvType MEMBER rcvType)
    Q_PROPERTY(QString rcvblAmt MEMBER rcvblAmt)
    Q_PROPERTY(QString rcvblAmtId MEMBER rcvblAmtId)
    Q_PROPERTY(QString rcvblPenAlty MEMBER rcvblPenAlty)
    Q_PROPERTY(QString rcvblYm MEMBER rcvblYm)
    Q_PROPERTY(QString rcvedAmt MEMBER rcvedAmt)
    Q_PROPERTY(QString tpq MEMBER tpq)

public:
    QString oweAmt;
    QString rcvType; ///< "W" water, "P" electricity, "G" gas
    QString rcvblAmt;
    QString rcvblAmtId;
    QString rcvblPenAlty;
    QString rcvblYm;
    QString rcvedAmt;
    QString tpq;
};
