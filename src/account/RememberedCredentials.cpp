#include "RememberedCredentials.h"

#include "AccountLog.h"
#include "platform/SecureStore.h"
#include "platform/SettingsStore.h"

RememberedCredentials::RememberedCredentials(SettingsStore *settings, SecureStore *secureStore)
    : m_settings(settings)
    , m_secureStore(secureStore)
{}

bool RememberedCredentials::remembersPassword() const
{
    return m_settings->value(rememberKey).toBool();
}

void RememberedCredentials::setRemembersPassword(bool on)
{
    m_settings->setValue(rememberKey, on);
}

QString RememberedCredentials::account() const
{
    return m_settings->string(accountKey);
}

QString RememberedCredentials::password() const
{
    return m_secureStore->read(passwordAccount, passwordService).value_or(QString());
}

void RememberedCredentials::remember(const QString &account, const QString &password)
{
    m_settings->setValue(accountKey, account);
    if (!m_secureStore->write(passwordAccount, passwordService, passwordService, password))
        qCWarning(lcAccount) << "the secure store refused the remembered password";
}

void RememberedCredentials::migrateLegacyPassword()
{
    const QVariant legacy = m_settings->value(legacyPasswordKey);
    if (!legacy.isValid())
        return;
    // Removed only once it is safe elsewhere: a failing store must not lose it.
    if (!m_secureStore->write(passwordAccount, passwordService, passwordService,
                              legacy.toString())) {
        qCWarning(lcAccount) << "could not move the remembered password to the secure store";
        return;
    }
    m_settings->remove(legacyPasswordKey);
    qCInfo(lcAccount) << "moved the remembered password from the settings to the secure store";
}
