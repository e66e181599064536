#pragma once

#include "SecureStore.h"

#include <QJsonObject>

/// Secrets in a JSON file readable by its owner only, for desktops without a keychain.
///
/// The file holds one object per service, keyed by account. A file that cannot be
/// read as such holds no secrets; the next write replaces it. A file that cannot be
/// read at all (no access, a folder, too large) is never replaced: writes fail instead.
class FileSecureStore final : public SecureStore
{
public:
    // Kept name (stored): see docs/names.md
    static constexpr QLatin1StringView fileName{"secure-store.json"};

    /// Secrets in `home`/secure-store.json.
    explicit FileSecureStore(const QString &home);

    const QString &filePath() const { return m_filePath; }

    std::optional<QString> read(const QString &account, const QString &service) override;
    bool write(const QString &account, const QString &service, const QString &label,
               const QString &secret) override;

private:
    /// Nothing when the file exists but cannot be read.
    std::optional<QJsonObject> load() const;

    QString m_filePath;
};
