#include "ArrearsReply.h"

#include "BillingLog.h"
#include "service/DocumentDictionary.h"
#include "service/ModelMapping.h"

using namespace Qt::StringLiterals;

namespace ArrearsReply {

namespace {

// The service describes every bill with exactly this many fields. An entry with more or
// fewer is not a bill the app understands, and guessing which receivable it names would
// put the wrong one on an order.
constexpr int fieldsPerBill = 12;

// Kept name (wire): see docs/names.md
const QString rootName = u"queryOweAmtYxResponse"_s;
const QString success = u"查询成功!"_s;

QString notificationFor(const QString &message)
{
    if (message == u"Tarvo无此用户，请检查输入用户号是否正确!"_s)
        return noSuchUser;
    if (message == u"用户欠费数据为0!"_s)
        return noArrears;
    if (message == u"Tarvo无欠费信息！"_s)
        return noInformation;
    qCInfo(lcBilling) << "unknown result message" << message << "taken as no data";
    return noData;
}

} // namespace

QList<queryListModel> billRecords(const QVariant &queryList)
{
    // Kept name (wire): see docs/names.md
    const QVariant inner = queryList.typeId() == QMetaType::QVariantMap
                               ? queryList.toMap().value(u"queryList"_s)
                               : QVariant();
    QList<queryListModel> records;
    ChildTextMapping<queryListModel> mapping;
    DocumentDictionary::forEachElement(inner, [&](const QVariantMap &entry) {
        queryListModel record;
        const qsizetype fields = mapping.assign(record, entry);
        if (fields != fieldsPerBill) {
            qCWarning(lcBilling) << "bill entry with" << fields << "fields ignored";
            return;
        }
        records.append(std::move(record));
    });
    return records;
}

Outcome read(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument)
        return {noData, {}};
    // Kept name (wire): see docs/names.md
    const std::optional<QString> message =
        DocumentDictionary::textAt(*replyDocument, {rootName, u"returnMsg"});
    if (!message)
        return {noData, {}};
    if (*message != success)
        return {notificationFor(*message), {}};

    const QVariantMap response = replyDocument->value(rootName).toMap();
    Outcome outcome;
    // The bill list is no text property: it is read on its own below.
    assignChildTexts(outcome.model, response);
    outcome.model.queryList = billRecords(response.value(u"queryList"_s));
    return outcome;
}

} // namespace ArrearsReply
