#include "SandboxLog.h"

// Per-request lines are debug output, off unless QT_LOGGING_RULES asks for them.
Q_LOGGING_CATEGORY(lcSandbox, "tarvo.sandbox", QtInfoMsg)
