#pragma once

#include "KeychainBackend.h"

/// The desktop's keychain (the freedesktop secret service) through QtKeychain.
///
/// The item's label is chosen by QtKeychain, not by the caller.
class QtKeychainBackend final : public KeychainBackend
{
public:
    void read(const QString &account, const QString &service, QObject *context, Done done) override;
    void write(const QString &account, const QString &service, const QString &secret,
               QObject *context, Done done) override;
};
