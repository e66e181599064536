#pragma once

#include <QString>

/// The wallet app's answer to a payment request: 0 paid, -2 cancelled, anything else failed.
struct PayResp
{
    int errCode = 0;
    QString errStr;
    QString returnKey;
    int type = 0;
};
