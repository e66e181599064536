#include "BillingLog.h"

Q_LOGGING_CATEGORY(lcBilling, "tarvo.billing", QtInfoMsg)
