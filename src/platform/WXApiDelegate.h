#pragma once

#include "PayResp.h"

/// Receives the responses that the wallet app sends back to this app.
class WXApiDelegate
{
public:
    virtual ~WXApiDelegate() = default;

    virtual void onResp(const PayResp &resp) = 0;
};
