#pragma once

#include "SettingsStore.h"

#include <QSettings>

/// The app's settings as an INI file in the profile folder.
///
/// Every change is written through at once, so a process that is killed keeps what it
/// stored, and every read sees what another process wrote. A damaged file is read as far as
/// it parses and rewritten on the next change.
class IniSettingsStore final : public SettingsStore
{
public:
    static constexpr QLatin1StringView fileName{"settings.ini"};

    /// Settings in `home`/settings.ini; the file is created on the first change.
    explicit IniSettingsStore(const QString &home);

    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;
    void remove(const QString &key) override;

private:
    void writeThrough();

    mutable QSettings m_settings;
};
