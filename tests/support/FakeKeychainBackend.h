#pragma once

#include "platform/KeychainBackend.h"

#include <QHash>

/// A keychain held in memory that answers at once, fails as unusable, or hangs like a
/// daemon that never replies.
class FakeKeychainBackend final : public KeychainBackend
{
public:
    enum class Mode { Answers, Unusable, Hangs };

    void read(const QString &account, const QString &service, QObject *, Done done) override
    {
        ++questions;
        if (mode == Mode::Hangs)
            return;
        if (mode == Mode::Unusable)
            return done({Outcome::Unusable, {}, QStringLiteral("no backend")});
        const auto item = items.constFind(key(account, service));
        done(item == items.cend() ? Answer{Outcome::NotFound, {}, {}}
                                  : Answer{Outcome::Done, *item, {}});
    }
    void write(const QString &account, const QString &service, const QString &secret, QObject *,
               Done done) override
    {
        ++questions;
        if (mode == Mode::Hangs)
            return;
        if (mode == Mode::Unusable)
            return done({Outcome::Unusable, {}, QStringLiteral("no backend")});
        items.insert(key(account, service), secret);
        done({Outcome::Done, {}, {}});
    }

    static QString key(const QString &account, const QString &service)
    {
        return account + u'\x1f' + service;
    }

    QHash<QString, QString> items;
    Mode mode = Mode::Answers;
    int questions = 0;
};
