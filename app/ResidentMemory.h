#pragma once

#include <QtGlobal>

/// The process's resident set (VmRSS) in KiB, or -1 when it cannot be read. The probes report
/// it next to their times.
qint64 residentKib();
