#pragma once

#include <QString>
#include <QVariant>

/// The app's persistent key-value settings ("UUID", "userNumber", "isRember", ...).
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// An invalid QVariant when the key is not set.
    virtual QVariant value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QVariant &value) = 0;
    virtual void remove(const QString &key) = 0;

    QString string(const QString &key) const { return value(key).toString(); }
};
