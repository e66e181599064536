#include "PaymentResults.h"

#include <QCoreApplication>

QString PaymentResults::describe(int errCode)
{
    switch (errCode) {
    case 0:
        return QCoreApplication::translate("PaymentResults", "支付成功!");
    case -2:
        return QCoreApplication::translate("PaymentResults", "您已取消支付");
    default:
        return QCoreApplication::translate("PaymentResults", "支付失败，请稍后再试");
    }
}
