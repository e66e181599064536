#include "MessagesLog.h"

Q_LOGGING_CATEGORY(lcMessages, "tarvo.messages", QtInfoMsg)
