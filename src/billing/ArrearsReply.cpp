#include "ArrearsReply.h"

#include "BillingLog.h"
#include "service/DocumentDictionary.h"
#include "service/ModelMapping.h"
#include "service/XMLReader.h"

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

Outcome read(const std::optional<QString> &returnText)
{
    if (!returnText)
        return {noData, {}};
    // The bill entries are read as the reader meets them, without a dictionary of each.
    QList<queryListModel> bills;
    ChildTextMapping<queryListModel> mapping;
    const auto keep = [&bills](queryListModel &&record, qsizetype fields) {
        if (fields != fieldsPerBill) {
            qCWarning(lcBilling) << "bill entry with" << fields << "fields ignored";
            return;
        }
        bills.append(std::move(record));
    };
    XMLReader::Records entries;
    // Kept name (wire): see docs/names.md
    entries.path = {rootName, u"queryList"_s, u"queryList"_s};
    entries.flat = [&](std::span<const XMLReader::Field> children, const std::optional<QString> &) {
        queryListModel record;
        for (qsizetype place = 0; place < qsizetype(children.size()); ++place) {
            const XMLReader::Field &field = children[place];
            if (field.text)
                mapping.assignText(record, place, field.name, *field.text);
        }
        keep(std::move(record), qsizetype(children.size()));
    };
    entries.other = [&](const QVariantMap &entry) {
        queryListModel record;
        const qsizetype fields = mapping.assign(record, entry);
        keep(std::move(record), fields);
    };
    const std::optional<QVariantMap> replyDocument =
        XMLReader::dictionaryForXMLString(*returnText, entries);
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
    // The entries belong to the bills only where the response has one `queryList`: with two,
    // or an attribute of that name, the name holds a list and there are no bills.
    if (response.value(u"queryList"_s).typeId() == QMetaType::QVariantMap)
        outcome.model.queryList = std::move(bills);
    return outcome;
}

} // namespace ArrearsReply
