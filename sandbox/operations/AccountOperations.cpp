#include "Operations.h"
#include "SandboxLog.h"
#include "SoapWriter.h"
#include "Store.h"
#include "billing/Money.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sandbox::Operations {

namespace {

// Registration outcomes the app knows; "0" (a request the service cannot take) shows
// nothing there, which is right for input the app itself would never send.
const QString registered = u"1"_s;
const QString numberTaken = u"2"_s;
const QString deviceUsed = u"3"_s;
const QString refused = u"0"_s;

// Every new user gets this packet, valid for 90 days from the registration.
const QString welcomePacketName = u"新用户注册红包"_s;
constexpr qint64 welcomePacketFen = 300;
constexpr int welcomePacketDays = 90;

bool isWellFormed(const Fields &fields)
{
    static const QRegularExpression phone(u"^1\\d{10}$"_s);
    static const QRegularExpression md5(u"^[0-9a-fA-F]{32}$"_s);
    return phone.match(fields.value(u"useraccount"_s)).hasMatch() &&
           md5.match(fields.value(u"password"_s)).hasMatch() && !fields.value(u"uuid"_s).isEmpty();
}

OperationResult flagOnly(const QString &flag)
{
    return OperationResult::text(XmlBuilder(u"info"_s).element(u"flag"_s, flag).finish());
}

std::optional<bool> exists(const Store &store, const QString &sql, const QString &value)
{
    std::optional<QSqlQuery> query = store.run(sql, {value});
    if (!query)
        return std::nullopt;
    return query->next();
}

void writePacket(XmlBuilder &xml, const QString &element, const QString &hbid, const QString &name,
                 qint64 fen, const QString &validUntil)
{
    xml.open(element)
        .element(u"hbid"_s, hbid)
        .element(u"hbmc"_s, name)
        .element(u"hbje"_s, Money::yuanText(fen))
        .element(u"yxrq"_s, validUntil)
        .close();
}

} // namespace

OperationResult registerUser(const Store &store, const Fields &fields)
{
    if (!isWellFormed(fields))
        return flagOnly(refused);
    const QString phone = fields.value(u"useraccount"_s);
    const QString device = fields.value(u"uuid"_s);

    Transaction transaction(store);
    // One registration per device comes first: a device that has registered cannot
    // register any number, taken or not, so that is the answer it needs.
    const std::optional<bool> deviceKnown =
        exists(store, u"SELECT 1 FROM users WHERE device_uuid = ?"_s, device);
    const std::optional<bool> phoneKnown =
        exists(store, u"SELECT 1 FROM users WHERE phone = ?"_s, phone);
    if (!deviceKnown || !phoneKnown)
        return OperationResult::failed(u"cannot read users"_s);
    if (*deviceKnown)
        return flagOnly(deviceUsed);
    if (*phoneKnown)
        return flagOnly(numberTaken);

    const QDateTime now = QDateTime::currentDateTime();
    const QString validUntil = now.date().addDays(welcomePacketDays).toString(Qt::ISODate);
    std::optional<QSqlQuery> next =
        store.run(u"SELECT COALESCE(MAX(id), 0) + 1 FROM red_packets"_s);
    if (!next || !next->next())
        return OperationResult::failed(u"cannot read red packets"_s);
    const QString hbid =
        u"HB"_s + QString::number(next->value(0).toLongLong()).rightJustified(6, u'0');

    if (!store.run(
            u"INSERT INTO users (phone, password_md5, device_uuid, registered_at) "
            "VALUES (?, ?, ?, ?)"_s,
            {phone, fields.value(u"password"_s).toLower(), device, now.toString(Qt::ISODate)}) ||
        !store.run(u"INSERT INTO red_packets (hbid, name, amount_fen, valid_until, owner) "
                   "VALUES (?, ?, ?, ?, ?)"_s,
                   {hbid, welcomePacketName, welcomePacketFen, validUntil, phone}) ||
        !transaction.commit())
        return OperationResult::failed(u"cannot store the user"_s);

    qCInfo(lcSandbox).noquote() << "registered" << phone << "from device" << device;
    XmlBuilder xml(u"info"_s);
    xml.element(u"flag"_s, registered);
    writePacket(xml, u"hb"_s, hbid, welcomePacketName, welcomePacketFen, validUntil);
    return OperationResult::text(xml.finish());
}

OperationResult checkUser(const Store &store, const Fields &fields)
{
    std::optional<QSqlQuery> user = store.run(u"SELECT password_md5 FROM users WHERE phone = ?"_s,
                                              {fields.value(u"useraccount"_s)});
    if (!user)
        return OperationResult::failed(u"cannot read users"_s);
    const bool accepted = user->next() && !fields.value(u"password"_s).isEmpty() &&
                          user->value(0).toString() == fields.value(u"password"_s).toLower();
    // The answer is the plain text itself, not a document.
    return OperationResult::text(accepted ? u"1"_s : u"X"_s);
}

OperationResult queryHbxx(const Store &store, const Fields &fields)
{
    std::optional<QSqlQuery> packets =
        store.run(u"SELECT hbid, name, amount_fen, valid_until FROM red_packets "
                  "WHERE owner = ? AND used = 0 AND valid_until >= ? ORDER BY valid_until, id"_s,
                  {fields.value(u"useraccount"_s), QDate::currentDate().toString(Qt::ISODate)});
    if (!packets)
        return OperationResult::failed(u"cannot read red packets"_s);

    // Each packet gets its own element name: the app's reader would fold equal names
    // into one list, which it does not read as packets.
    XmlBuilder xml(u"info"_s);
    int count = 0;
    while (packets->next()) {
        writePacket(xml, u"hb"_s + QString::number(++count), packets->value(0).toString(),
                    packets->value(1).toString(), packets->value(2).toLongLong(),
                    packets->value(3).toString());
    }
    // No usable packet is a null result: the app then says none is available.
    if (count == 0)
        return OperationResult::null();
    return OperationResult::text(xml.finish());
}

} // namespace sandbox::Operations
