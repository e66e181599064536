#include "IniSettingsStore.h"

#include "PlatformLog.h"

#include <QDir>

IniSettingsStore::IniSettingsStore(const QString &home)
    : m_settings(QDir(home).filePath(fileName), QSettings::IniFormat)
{
    if (m_settings.status() != QSettings::NoError)
        qCWarning(lcPlatform) << "settings file" << m_settings.fileName()
                              << "is damaged; keeping what could be read";
}

QVariant IniSettingsStore::value(const QString &key) const
{
    // Another process (tarvo-cli) may have changed the file since: read it again if so, or a
    // later change here would write back what it had replaced.
    m_settings.sync();
    return m_settings.value(key);
}

void IniSettingsStore::setValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    writeThrough();
}

void IniSettingsStore::remove(const QString &key)
{
    m_settings.remove(key);
    writeThrough();
}

void IniSettingsStore::writeThrough()
{
    m_settings.sync();
    // The change still holds for this run; only the next start will not see it.
    if (m_settings.status() == QSettings::AccessError)
        qCWarning(lcPlatform) << "cannot write the settings file" << m_settings.fileName()
                              << "; changes last only until the app quits";
}
