#pragma once

#include <QString>

class SecureStore;
class SettingsStore;

/// The remember-password option and what it keeps: the option and the account in the
/// settings, the password in the secure store.
class RememberedCredentials
{
public:
    // Kept name (stored): see docs/names.md
    static constexpr QLatin1StringView rememberKey{"isRember"};
    static constexpr QLatin1StringView accountKey{"account"};
    /// Settings key under which older builds kept the password in plain text.
    // Kept name (stored): see docs/names.md
    static constexpr QLatin1StringView legacyPasswordKey{"passWord"};
    /// Secure-store item of the remembered password.
    // Kept name (stored): see docs/names.md
    static constexpr QLatin1StringView passwordAccount{"passWord"};
    static constexpr QLatin1StringView passwordService{"LP"};

    RememberedCredentials(SettingsStore *settings, SecureStore *secureStore);

    bool remembersPassword() const;
    void setRemembersPassword(bool on);

    QString account() const;
    QString password() const;
    /// Keeps both for the next start.
    void remember(const QString &account, const QString &password);

    /// Moves a password an older build left in the settings into the secure store.
    void migrateLegacyPassword();

private:
    SettingsStore *m_settings;
    SecureStore *m_secureStore;
};
