#include "ServiceLog.h"

Q_LOGGING_CATEGORY(lcService, "tarvo.service", QtInfoMsg)
