#pragma once

#include <QFile>
#include <QRegularExpression>

/// The process's resident set (VmRSS) in KiB, as the bare programs report it.
inline QByteArray residentKibText()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    return QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)"))
        .match(QString::fromLatin1(status.readAll()))
        .captured(1)
        .toLatin1();
}
