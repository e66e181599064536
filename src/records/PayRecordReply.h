#pragma once

#include "PayRecord.h"

#include <QList>
#include <QVariantMap>
#include <optional>

/// What a payment record reply means for the screens.
struct PayRecordOutcome
{
    /// The service found no payment in the range: the query screen says so and stays.
    bool noRecords = false;
    /// Otherwise the list screen opens with these, in reply order (possibly none).
    QList<PayRecord> records;
};

namespace PayRecordReply {

/// Result code "0" means no records; anything else, an unreadable reply included, is a
/// list: several "queryList" elements, a single one, or none at all.
PayRecordOutcome read(const std::optional<QVariantMap> &replyDocument);

} // namespace PayRecordReply
