#include "DriverLog.h"

Q_LOGGING_CATEGORY(lcDriver, "tarvo.driver", QtInfoMsg)
