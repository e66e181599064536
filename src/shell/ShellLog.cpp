#include "ShellLog.h"

Q_LOGGING_CATEGORY(lcShell, "tarvo.shell", QtInfoMsg)
