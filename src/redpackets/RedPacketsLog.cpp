#include "RedPacketsLog.h"

Q_LOGGING_CATEGORY(lcRedPackets, "tarvo.redpackets", QtInfoMsg)
