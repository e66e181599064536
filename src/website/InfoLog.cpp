#include "InfoLog.h"

Q_LOGGING_CATEGORY(lcInfo, "tarvo.info", QtInfoMsg)
