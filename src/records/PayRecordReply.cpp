#include "PayRecordReply.h"

#include "RecordsLog.h"
#include "service/DocumentDictionary.h"

using namespace Qt::StringLiterals;

namespace PayRecordReply {

namespace {

PayRecord record(const QVariantMap &entry)
{
    const auto text = [&entry](QStringView name) {
        return DocumentDictionary::textAt(entry, {name}).value_or(QString());
    };
    // Kept name (wire): see docs/names.md
    return {text(u"userbh"), text(u"jfrq"), text(u"jfje")};
}

} // namespace

PayRecordOutcome read(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument) {
        qCInfo(lcRecords) << "payment record reply unreadable; listing nothing";
        return {};
    }
    // Kept name (wire): see docs/names.md
    if (DocumentDictionary::textAt(*replyDocument, {u"info", u"resultCode"}) == u"0"_s)
        return {true, {}};
    PayRecordOutcome outcome;
    // Kept name (wire): see docs/names.md
    const QList<QVariantMap> entries = DocumentDictionary::elements(
        DocumentDictionary::valueAt(*replyDocument, {u"info", u"queryList"}));
    for (const QVariantMap &entry : entries)
        outcome.records.append(record(entry));
    return outcome;
}

} // namespace PayRecordReply
