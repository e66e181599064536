#include "MapLog.h"

Q_LOGGING_CATEGORY(lcMap, "tarvo.map", QtInfoMsg)
