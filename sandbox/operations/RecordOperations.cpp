#include "Operations.h"
#include "SoapWriter.h"
#include "Store.h"
#include "billing/Money.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace sandbox::Operations {

namespace {

// The app sends dates as "yyyy-MM-dd"; in that form they also compare as texts.
std::optional<QString> isoDate(const QString &text)
{
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    if (!date.isValid())
        return std::nullopt;
    return text;
}

} // namespace

OperationResult queryPayList(const Store &store, const Fields &fields)
{
    const std::optional<QString> from = isoDate(fields.value(u"ksrq"_s));
    const std::optional<QString> to = isoDate(fields.value(u"jsrq"_s));

    XmlBuilder xml(u"info"_s);
    // resultCode "0" tells the app there is nothing to list; dates that are not dates
    // select nothing either.
    if (!from || !to)
        return OperationResult::text(xml.element(u"resultCode"_s, u"0"_s).finish());

    std::optional<QSqlQuery> records =
        store.run(u"SELECT userbh, paid_on, amount_fen FROM payments "
                  "WHERE device_uuid = ? AND paid_on BETWEEN ? AND ? ORDER BY paid_on, id"_s,
                  {fields.value(u"uuid"_s), *from, *to});
    if (!records)
        return OperationResult::failed(u"cannot read payments"_s);

    XmlBuilder list(u"info"_s);
    list.element(u"resultCode"_s, u"1"_s);
    int count = 0;
    while (records->next()) {
        list.open(u"queryList"_s)
            .element(u"userbh"_s, records->value(0).toString())
            .element(u"jfrq"_s, records->value(1).toString())
            .element(u"jfje"_s, Money::yuanText(records->value(2).toLongLong()))
            .close();
        ++count;
    }
    if (count == 0)
        return OperationResult::text(xml.element(u"resultCode"_s, u"0"_s).finish());
    return OperationResult::text(list.finish());
}

} // namespace sandbox::Operations
