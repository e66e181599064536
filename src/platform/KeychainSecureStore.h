#pragma once

#include "SecureStore.h"

#include <chrono>
#include <memory>

/// Secrets in the desktop's keychain (the freedesktop secret service, through QtKeychain).
///
/// Each call waits for the keychain's answer. When the keychain has no working backend,
/// reads and writes go to the fallback store instead, and a read that the keychain cannot
/// answer from its own items also looks there, so an item written while no keychain ran is
/// still found. The keychain item's label is chosen by QtKeychain, not by the caller.
class KeychainSecureStore final : public SecureStore
{
public:
    /// Longest wait for one keychain answer; a hung daemon must not stop the app from starting.
    static constexpr std::chrono::milliseconds answerTimeout{30000};

    explicit KeychainSecureStore(std::unique_ptr<SecureStore> fallback);

    /// Whether a secret service is running on a connected session bus right now.
    static bool secretServiceRunning();

    std::optional<QString> read(const QString &account, const QString &service) override;
    bool write(const QString &account, const QString &service, const QString &label,
               const QString &secret) override;

private:
    std::unique_ptr<SecureStore> m_fallback;
};
