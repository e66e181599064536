#pragma once

#include "platform/SecureStore.h"

#include <QHash>

/// Secure store held in memory; `available` false makes every read and write fail.
class FakeSecureStore final : public SecureStore
{
public:
    std::optional<QString> read(const QString &account, const QString &service) override
    {
        ++reads;
        if (!available || !items.contains(key(account, service)))
            return std::nullopt;
        return items.value(key(account, service));
    }
    bool write(const QString &account, const QString &service, const QString &,
               const QString &secret) override
    {
        ++writes;
        if (!available)
            return false;
        items.insert(key(account, service), secret);
        return true;
    }

    static QString key(const QString &account, const QString &service)
    {
        return account + u'\x1f' + service;
    }

    QHash<QString, QString> items;
    bool available = true;
    int reads = 0;
    int writes = 0;
};
