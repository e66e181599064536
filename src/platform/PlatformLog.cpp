#include "PlatformLog.h"

Q_LOGGING_CATEGORY(lcPlatform, "tarvo.platform", QtInfoMsg)
