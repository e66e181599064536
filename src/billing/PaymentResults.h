#pragma once

#include <QObject>
#include <QString>

/// Where the wallet's answer to a payment arrives in the app: the application delegate
/// reports it here, and the screen that handed the payment to the wallet shows it.
class PaymentResults : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void report(int errCode) { emit payResp(errCode); }

    /// The outcome for the customer: 0 paid, -2 cancelled, anything else failed.
    static QString describe(int errCode);

signals:
    void payResp(int errCode);
};
