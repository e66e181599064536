#include "Operations.h"
#include "SoapWriter.h"
#include "Store.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace sandbox::Operations {

namespace {

// Read like the app reads ids: an optional sign and the leading digits; no digits is 0.
qint64 leadingNumber(const QString &text)
{
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9' && end < 19)
        ++end;
    bool ok = false;
    const qint64 value = text.first(end).toLongLong(&ok);
    return ok ? value : 0;
}

} // namespace

OperationResult updateInfo(const Store &store, const Fields &fields)
{
    const QString device = fields.value(u"uuid"_s);
    if (device.isEmpty())
        return OperationResult::text(XmlBuilder(u"info"_s).element(u"flag"_s, u"0"_s).finish());
    const QString now = QDateTime::currentDateTime().toString(Qt::ISODate);
    if (!store.run(u"INSERT INTO devices (uuid, first_seen, last_seen) VALUES (?, ?, ?) "
                   "ON CONFLICT (uuid) DO UPDATE SET last_seen = excluded.last_seen, "
                   "update_count = update_count + 1"_s,
                   {device, now, now}))
        return OperationResult::failed(u"cannot record the device"_s);
    return OperationResult::text(XmlBuilder(u"info"_s).element(u"flag"_s, u"1"_s).finish());
}

OperationResult backMessage(const Store &store, const Fields &fields)
{
    std::optional<QSqlQuery> messages =
        store.run(u"SELECT msgid, title, body FROM messages WHERE msgid > ? ORDER BY msgid"_s,
                  {leadingNumber(fields.value(u"msgid"_s))});
    if (!messages)
        return OperationResult::failed(u"cannot read messages"_s);

    // One message is one queryList element, several are repeated elements.
    XmlBuilder xml(u"info"_s);
    while (messages->next()) {
        xml.open(u"queryList"_s)
            .element(u"titles"_s, messages->value(1).toString())
            .element(u"contexts"_s, messages->value(2).toString())
            .element(u"msgid"_s, messages->value(0).toString())
            .close();
    }
    return OperationResult::text(xml.finish());
}

} // namespace sandbox::Operations
