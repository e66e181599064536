#pragma once

#include <QString>
#include <optional>

/// Secrets that outlive the settings file: generic-password items keyed by account and service.
class SecureStore
{
public:
    virtual ~SecureStore() = default;

    /// The stored secret, or nothing when no item exists or the store cannot be read.
    virtual std::optional<QString> read(const QString &account, const QString &service) = 0;
    /// Stores the secret, replacing an existing item's data. False when the store refused it.
    virtual bool write(const QString &account, const QString &service, const QString &label,
                       const QString &secret) = 0;
};
