#pragma once

#include "PayResp.h"

/// Receives the responses that the wallet app sends back to this app.
// Kept name (traceability): see docs/names.md
class WXApiDelegate
{
public:
    virtual ~WXApiDelegate() = default;

    // Kept name (traceability): see docs/names.md
    virtual void onResp(const PayResp &resp) = 0;
};
