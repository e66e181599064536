#pragma once

#include <QObject>
#include <QString>

/// One payment made from this device, as the service lists it.
struct PayRecord
{
    Q_GADGET
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString userbh MEMBER userbh)
    Q_PROPERTY(QString jfrq MEMBER jfrq)
    Q_PROPERTY(QString jfje MEMBER jfje)

public:
    QString userbh; ///< the account the payment was for
    QString jfrq;   ///< payment date, as listed
    QString jfje;   ///< amount in yuan, as listed

    /// The amount as the row shows it: the listed text, not reformatted, then 元.
    QString amountText() const { return jfje + QStringLiteral("元"); }

    friend bool operator==(const PayRecord &, const PayRecord &) = default;
};
