#include "StoreSchema.h"

#include "Store.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace sandbox::StoreSchema {

namespace {

// Money columns hold whole fen; dates are ISO texts so that they compare as texts.
const QStringList statements = {
    uR"(CREATE TABLE accounts (
        userbh        TEXT PRIMARY KEY,
        cons_name     TEXT NOT NULL,
        addr          TEXT NOT NULL,
        org_no        TEXT NOT NULL,
        org_name      TEXT NOT NULL,
        acct_org_no   TEXT NOT NULL,
        acct_org_name TEXT NOT NULL,
        prepay_fen    INTEGER NOT NULL DEFAULT 0))"_s,

    // One receivable of one month and kind; paid receivables stay as history.
    uR"(CREATE TABLE bills (
        id           INTEGER PRIMARY KEY AUTOINCREMENT,
        rcvbl_amt_id TEXT NOT NULL UNIQUE,
        userbh       TEXT NOT NULL REFERENCES accounts(userbh),
        kind         TEXT NOT NULL CHECK (kind IN ('W', 'P', 'G')),
        ym           TEXT NOT NULL CHECK (length(ym) = 6),
        meter_no     TEXT NOT NULL,
        prev_read    INTEGER NOT NULL,
        cur_read     INTEGER NOT NULL,
        amount_fen   INTEGER NOT NULL CHECK (amount_fen >= 0),
        penalty_fen  INTEGER NOT NULL DEFAULT 0 CHECK (penalty_fen >= 0),
        received_fen INTEGER NOT NULL DEFAULT 0 CHECK (received_fen >= 0),
        due_date     TEXT NOT NULL,
        paid         INTEGER NOT NULL DEFAULT 0 CHECK (paid IN (0, 1))))"_s,
    u"CREATE INDEX bills_by_account ON bills(userbh, paid)"_s,

    // device_uuid is the device the number was registered from: one registration each.
    uR"(CREATE TABLE users (
        phone         TEXT PRIMARY KEY,
        password_md5  TEXT NOT NULL,
        device_uuid   TEXT UNIQUE,
        registered_at TEXT NOT NULL))"_s,

    uR"(CREATE TABLE red_packets (
        id          INTEGER PRIMARY KEY AUTOINCREMENT,
        hbid        TEXT NOT NULL UNIQUE,
        name        TEXT NOT NULL,
        amount_fen  INTEGER NOT NULL CHECK (amount_fen > 0),
        valid_until TEXT NOT NULL,
        owner       TEXT NOT NULL REFERENCES users(phone),
        used        INTEGER NOT NULL DEFAULT 0 CHECK (used IN (0, 1)),
        used_by     TEXT))"_s,
    u"CREATE INDEX red_packets_by_owner ON red_packets(owner, used)"_s,

    uR"(CREATE TABLE devices (
        uuid         TEXT PRIMARY KEY,
        first_seen   TEXT NOT NULL,
        last_seen    TEXT NOT NULL,
        update_count INTEGER NOT NULL DEFAULT 1))"_s,

    // Only orders that agree with their bills are stored (hbje_fen 0 without a red packet);
    // the wallet's settlement moves the state on to paid, once.
    uR"(CREATE TABLE orders (
        prepay_id     TEXT PRIMARY KEY,
        userbh        TEXT NOT NULL,
        device_uuid   TEXT NOT NULL,
        rcvbl_amt_ids TEXT NOT NULL,
        ypay_fen      INTEGER NOT NULL CHECK (ypay_fen >= 0),
        spay_fen      INTEGER NOT NULL CHECK (spay_fen >= 0),
        hbid          TEXT NOT NULL,
        hbje_fen      INTEGER NOT NULL CHECK (hbje_fen >= 0),
        drives        TEXT NOT NULL,
        state         TEXT NOT NULL DEFAULT 'created' CHECK (state IN ('created', 'paid')),
        created_at    TEXT NOT NULL,
        settled_at    TEXT))"_s,

    // The receivables an order pays, one row each, as listed in its rcvblAmtId text.
    uR"(CREATE TABLE order_bills (
        prepay_id    TEXT NOT NULL REFERENCES orders(prepay_id),
        rcvbl_ym     TEXT NOT NULL,
        rcvbl_amt_id TEXT NOT NULL,
        PRIMARY KEY (prepay_id, rcvbl_amt_id)))"_s,

    // A red packet worth the whole order leaves 0 to pay: still a payment to list.
    uR"(CREATE TABLE payments (
        id          INTEGER PRIMARY KEY AUTOINCREMENT,
        device_uuid TEXT NOT NULL,
        userbh      TEXT NOT NULL,
        paid_on     TEXT NOT NULL,
        amount_fen  INTEGER NOT NULL CHECK (amount_fen >= 0),
        prepay_id   TEXT REFERENCES orders(prepay_id)))"_s,
    u"CREATE INDEX payments_by_device ON payments(device_uuid, paid_on)"_s,

    // AUTOINCREMENT: a message id is never reused, since the app polls by the last id seen.
    uR"(CREATE TABLE messages (
        msgid      INTEGER PRIMARY KEY AUTOINCREMENT,
        title      TEXT NOT NULL,
        body       TEXT NOT NULL,
        created_at TEXT NOT NULL))"_s,
};

} // namespace

bool create(const Store &store)
{
    for (const QString &statement : statements) {
        if (!store.run(statement))
            return false;
    }
    return true;
}

} // namespace sandbox::StoreSchema
