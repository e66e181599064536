#include "StoreSeed.h"

#include "Store.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace sandbox::StoreSeed {

namespace {

struct SeedAccount
{
    QString userbh, name, address, orgNo, orgName, acctOrgNo, acctOrgName;
};

// prev/cur are meter readings; the amount is the usage at the kind's unit price. One account's
// oldest unpaid bills carry a 1% late fee, so its total owed is the sum of the bills' amounts
// and their penalties: what the app orders and what createOrder checks.
struct SeedBill
{
    QString userbh;
    char kind;
    QString ym;
    int previousReading, currentReading;
    bool paid;
};

struct SeedPayment
{
    QString device, userbh, date;
    qint64 amountFen;
};

const QList<SeedAccount> accounts = {
    {u"1000001"_s, u"王建国"_s, u"青禾市东城区梧桐路18号3栋2单元501室"_s, u"0101"_s,
     u"Tarvo青禾东城营业所"_s, u"010101"_s, u"青禾东城收费中心"_s},
    {u"1000002"_s, u"李秀兰"_s, u"青禾市西城区临河街66号1栋102室"_s, u"0104"_s,
     u"Tarvo青禾西城营业所"_s, u"010401"_s, u"青禾西城收费中心"_s},
    {u"1000003"_s, u"陈志明"_s, u"青禾市南湖区湖滨花园7栋1203室"_s, u"0102"_s,
     u"Tarvo青禾南湖营业所"_s, u"010201"_s, u"青禾南湖收费中心"_s},
    {u"1000004"_s, u"赵丽娟"_s, u"青禾市北苑区丰收大道209号翠竹小区4栋6单元301室"_s, u"0103"_s,
     u"Tarvo青禾北苑营业所"_s, u"010301"_s, u"青禾北苑收费中心"_s},
    // Newly connected, never billed: the service has no arrears information for it.
    {u"1000005"_s, u"刘海涛"_s, u"青禾市东城区银杏巷5号2栋403室"_s, u"0101"_s,
     u"Tarvo青禾东城营业所"_s, u"010101"_s, u"青禾东城收费中心"_s},
};

const QList<SeedBill> bills = {
    {u"1000001"_s, 'W', u"202412"_s, 1238, 1253, true},
    {u"1000001"_s, 'W', u"202501"_s, 1253, 1271, false},
    {u"1000001"_s, 'W', u"202502"_s, 1271, 1286, false},
    {u"1000001"_s, 'W', u"202503"_s, 1286, 1303, false},
    {u"1000001"_s, 'P', u"202501"_s, 30512, 30798, false},
    {u"1000001"_s, 'P', u"202502"_s, 30798, 31049, false},
    {u"1000001"_s, 'P', u"202503"_s, 31049, 31262, false},
    {u"1000001"_s, 'G', u"202501"_s, 880, 912, false},
    {u"1000001"_s, 'G', u"202502"_s, 912, 941, false},
    {u"1000001"_s, 'G', u"202503"_s, 941, 963, false},
    {u"1000002"_s, 'W', u"202502"_s, 402, 413, true},
    {u"1000002"_s, 'W', u"202503"_s, 413, 425, true},
    {u"1000002"_s, 'P', u"202502"_s, 11820, 11996, true},
    {u"1000002"_s, 'P', u"202503"_s, 11996, 12151, true},
    {u"1000002"_s, 'G', u"202502"_s, 310, 331, true},
    {u"1000002"_s, 'G', u"202503"_s, 331, 350, true},
    {u"1000003"_s, 'W', u"202501"_s, 2210, 2231, true},
    {u"1000003"_s, 'W', u"202502"_s, 2231, 2250, false},
    {u"1000003"_s, 'W', u"202503"_s, 2250, 2272, false},
    {u"1000003"_s, 'P', u"202502"_s, 45120, 45436, false},
    {u"1000003"_s, 'P', u"202503"_s, 45436, 45705, false},
    {u"1000003"_s, 'G', u"202503"_s, 1502, 1539, false},
    {u"1000004"_s, 'W', u"202503"_s, 764, 777, false},
    {u"1000004"_s, 'P', u"202502"_s, 8830, 9012, false},
    {u"1000004"_s, 'P', u"202503"_s, 9012, 9170, false},
    {u"1000004"_s, 'G', u"202502"_s, 615, 640, false},
    {u"1000004"_s, 'G', u"202503"_s, 640, 662, false},
};

const QLatin1StringView otherDevice{"0E4D7B19-6A2C-4F85-B3D0-7C9E1A5F2B64"};

const QList<SeedPayment> payments = {
    {seededDevice, u"1000001"_s, u"2024-12-20"_s, 23560},
    {seededDevice, u"1000001"_s, u"2025-01-15"_s, 31845},
    {seededDevice, u"1000003"_s, u"2025-02-18"_s, 15630},
    {seededDevice, u"1000001"_s, u"2025-03-12"_s, 12050},
    {otherDevice, u"1000004"_s, u"2025-02-26"_s, 8800},
};

// Unit prices in fen: water per m³, electricity per kWh, gas per m³.
qint64 unitPriceFen(char kind)
{
    switch (kind) {
    case 'W':
        return 345;
    case 'P':
        return 58;
    default:
        return 310;
    }
}

QString meterPrefix(char kind)
{
    switch (kind) {
    case 'W':
        return u"SB"_s;
    case 'P':
        return u"DB"_s;
    default:
        return u"QB"_s;
    }
}

QString endOfMonth(QDate date)
{
    return QDate(date.year(), date.month(), date.daysInMonth()).toString(Qt::ISODate);
}

// The account and month whose unpaid bills are overdue enough to carry a late fee.
const QString latePayer = QStringLiteral("1000004");
const QString lateMonth = QStringLiteral("202502");

bool fillAccounts(const Store &store)
{
    for (const SeedAccount &a : accounts) {
        if (!store.run(
                u"INSERT INTO accounts (userbh, cons_name, addr, org_no, org_name, "
                "acct_org_no, acct_org_name) VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
                {a.userbh, a.name, a.address, a.orgNo, a.orgName, a.acctOrgNo, a.acctOrgName}))
            return false;
    }
    int sequence = 0;
    for (const SeedBill &b : bills) {
        const qint64 amount = (b.currentReading - b.previousReading) * unitPriceFen(b.kind);
        const QDate month = QDate::fromString(b.ym + u"01"_s, u"yyyyMMdd"_s);
        const QString due = month.addMonths(1).addDays(24).toString(Qt::ISODate);
        const QString id = u"YS"_s + b.ym + QString::number(++sequence).rightJustified(5, u'0');
        const qint64 penalty =
            !b.paid && b.userbh == latePayer && b.ym == lateMonth ? (amount + 50) / 100 : 0;
        if (!store.run(u"INSERT INTO bills (rcvbl_amt_id, userbh, kind, ym, meter_no, prev_read, "
                       "cur_read, amount_fen, penalty_fen, received_fen, due_date, paid) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                       {id, b.userbh, QString(QLatin1Char(b.kind)), b.ym,
                        meterPrefix(b.kind) + b.userbh, b.previousReading, b.currentReading, amount,
                        penalty, b.paid ? amount : 0, due, b.paid ? 1 : 0}))
            return false;
    }
    return true;
}

bool fillUsers(const Store &store)
{
    // Passwords are kept as the app sends them: MD5, lower-case hex ("123456", "qinghe2025").
    if (!store.run(u"INSERT INTO users (phone, password_md5, device_uuid, registered_at) "
                   "VALUES (?, ?, ?, ?), (?, ?, ?, ?)"_s,
                   {u"13912345678"_s, u"e10adc3949ba59abbe56e057f20f883e"_s, seededDevice,
                    u"2024-10-08T09:30:00"_s, u"18612345678"_s,
                    u"e7542637dfa325ddb4d1082902157e3f"_s, otherDevice, u"2024-11-21T19:05:00"_s}))
        return false;
    const QDate today = QDate::currentDate();
    return store
        .run(u"INSERT INTO red_packets (hbid, name, amount_fen, valid_until, owner) "
             "VALUES ('HB000001', '缴费立减红包', 500, ?, '13912345678'), "
             "('HB000002', '周年庆红包', 1000, ?, '13912345678')"_s,
             {endOfMonth(today.addMonths(6)), endOfMonth(today.addMonths(12))})
        .has_value();
}

bool fillHistory(const Store &store)
{
    for (const QString &device : {QString(seededDevice), QString(otherDevice)}) {
        if (!store.run(u"INSERT INTO devices (uuid, first_seen, last_seen) VALUES (?, ?, ?)"_s,
                       {device, u"2024-10-08T09:28:41"_s, u"2025-03-12T20:14:03"_s}))
            return false;
    }
    for (const SeedPayment &p : payments) {
        if (!store.run(u"INSERT INTO payments (device_uuid, userbh, paid_on, amount_fen) "
                       "VALUES (?, ?, ?, ?)"_s,
                       {p.device, p.userbh, p.date, p.amountFen}))
            return false;
    }
    return store
        .run(u"INSERT INTO messages (title, body, created_at) VALUES "
             "('停水通知', '因梧桐路供水管道改造，本周六8:00至18:00梧桐路沿线停水，请提前储水。', "
             "'2025-03-03T10:00:00'), "
             "('缴费提醒', "
             "'您本月的水、电、气账单已出，可在Tarvo缴费中查询缴纳，逾期将产生违约金。', "
             "'2025-03-20T09:00:00'), "
             "('红包活动', '本月缴费满100元送5元缴费红包，登录后可在“我的红包”中查看。', "
             "'2025-04-01T09:00:00')"_s)
        .has_value();
}

} // namespace

bool fill(const Store &store)
{
    return fillAccounts(store) && fillUsers(store) && fillHistory(store);
}

} // namespace sandbox::StoreSeed
