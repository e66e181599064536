#include "PayRecordQuery.h"

using namespace Qt::StringLiterals;

namespace PayRecordQuery {

namespace {

// yyyy-MM-dd without its dashes compares as a whole number.
qint64 dayNumber(QString title)
{
    return title.remove(u'-').toLongLong();
}

} // namespace

bool isChosenDate(QStringView title)
{
    return title.contains(u'-');
}

std::optional<QString> refusal(const QString &start, const QString &end)
{
    if (isChosenDate(start) && isChosenDate(end) && dayNumber(start) > dayNumber(end))
        return startAfterEndMessage.toString();
    if (!isChosenDate(start) || !isChosenDate(end))
        return missingDateMessage.toString();
    return std::nullopt;
}

QHash<QString, QString> fields(const QString &start, const QString &end, const QString &uuid)
{
    return {{u"ksrq"_s, start}, {u"jsrq"_s, end}, {u"uuid"_s, uuid}};
}

} // namespace PayRecordQuery
