#pragma once

#include <QString>

/// The wallet app's answer to a payment request: 0 paid, -2 cancelled, anything else failed.
// Kept name (traceability): see docs/names.md
struct PayResp
{
    // Kept name (traceability): see docs/names.md
    int errCode = 0;
    QString errStr;
    QString returnKey;
    int type = 0;
};
