#pragma once

#include "KeychainBackend.h"
#include "SecureStore.h"

#include <chrono>
#include <memory>

/// Secrets in the desktop's keychain, with a fallback store where the keychain cannot serve.
///
/// Each call waits for the keychain's answer. When the keychain has no working backend,
/// reads and writes go to the fallback store instead. The two are kept in line: an item
/// found only in the fallback (written while no keychain ran) is copied into the keychain,
/// and an item the fallback also holds is given the keychain's value, so whichever of the
/// two serves a later run finds the same secret. Nothing is copied into the fallback that
/// it did not hold already.
class KeychainSecureStore final : public SecureStore
{
public:
    /// Longest wait for one keychain answer. A keychain that stays silent that long is taken
    /// for hung and not asked again during this run, so a hung daemon delays start-up once.
    static constexpr std::chrono::milliseconds answerTimeout{2000};

    explicit KeychainSecureStore(std::unique_ptr<SecureStore> fallback,
                                 std::unique_ptr<KeychainBackend> keychain = {});
    ~KeychainSecureStore() override;

    /// Whether a secret service is running on a connected session bus right now.
    static bool secretServiceRunning();

    /// True once the keychain has let a question go unanswered: the fallback serves alone.
    bool keychainHung() const { return m_keychainHung; }

    std::optional<QString> read(const QString &account, const QString &service) override;
    bool write(const QString &account, const QString &service, const QString &label,
               const QString &secret) override;

private:
    using Question = std::function<void(QObject *context, KeychainBackend::Done done)>;

    /// The keychain's answer, or nothing when it has hung (now or earlier in the run).
    std::optional<KeychainBackend::Answer> ask(const Question &question);
    std::optional<KeychainBackend::Answer>
    askToWrite(const QString &account, const QString &service, const QString &secret);
    void alignFallback(const QString &account, const QString &service, const QString &label,
                       const QString &secret);

    std::unique_ptr<SecureStore> m_fallback;
    std::unique_ptr<KeychainBackend> m_keychain;
    bool m_keychainHung = false;
};
