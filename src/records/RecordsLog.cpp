#include "RecordsLog.h"

Q_LOGGING_CATEGORY(lcRecords, "tarvo.records", QtInfoMsg)
