#include "ArrearsReply.h"

#include "BillingLog.h"
#include "service/DocumentDictionary.h"
#include "service/ModelMapping.h"

using namespace Qt::StringLiterals;

namespace ArrearsReply {

namespace {

// The service describes every bill with exactly this many fields, and the records are cut
// by counting fields rather than by entry.
constexpr int fieldsPerBill = 12;

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

QString textOf(const QVariant &element)
{
    return element.toMap().value(u"text"_s).toString();
}

} // namespace

QList<queryListModel> billRecords(const QVariant &queryList)
{
    const QVariant inner = queryList.typeId() == QMetaType::QVariantMap
                               ? queryList.toMap().value(u"queryList"_s)
                               : QVariant();
    QList<queryListModel> records;
    queryListModel record;
    int counter = 0;
    for (const QVariantMap &entry : DocumentDictionary::elements(inner)) {
        for (auto it = entry.constBegin(); it != entry.constEnd(); ++it) {
            assignText(record, it.key(), textOf(it.value()));
            if (++counter == fieldsPerBill) {
                records.append(record);
                record = {};
                counter = 0;
            }
        }
    }
    return records;
}

Outcome read(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument)
        return {noData, {}};
    const std::optional<QString> message =
        DocumentDictionary::textAt(*replyDocument, {rootName, u"returnMsg"});
    if (!message)
        return {noData, {}};
    if (*message != success)
        return {notificationFor(*message), {}};

    const QVariantMap response = replyDocument->value(rootName).toMap();
    QVariantMap texts;
    for (auto it = response.constBegin(); it != response.constEnd(); ++it) {
        if (it.key() != u"queryList"_s && it.value().typeId() == QMetaType::QVariantMap)
            texts.insert(it.key(), it.value().toMap().value(u"text"_s));
    }
    Outcome outcome;
    assignTexts(outcome.model, texts);
    outcome.model.queryList = billRecords(response.value(u"queryList"_s));
    return outcome;
}

} // namespace ArrearsReply
