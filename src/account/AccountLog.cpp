#include "AccountLog.h"

Q_LOGGING_CATEGORY(lcAccount, "tarvo.account", QtInfoMsg)
