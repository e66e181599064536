#include "ResidentMemory.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

qint64 residentKib()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression vmRss(u"VmRSS:\\s*(\\d+)\\s*kB"_s);
    const QRegularExpressionMatch match = vmRss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}
