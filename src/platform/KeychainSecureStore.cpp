#include "KeychainSecureStore.h"

#include "PlatformLog.h"
#include "QtKeychainBackend.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QTimer>

using namespace Qt::StringLiterals;

using Outcome = KeychainBackend::Outcome;

KeychainSecureStore::KeychainSecureStore(std::unique_ptr<SecureStore> fallback,
                                         std::unique_ptr<KeychainBackend> keychain)
    : m_fallback(std::move(fallback))
    , m_keychain(keychain ? std::move(keychain) : std::make_unique<QtKeychainBackend>())
{}

KeychainSecureStore::~KeychainSecureStore() = default;

bool KeychainSecureStore::secretServiceRunning()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(u"org.freedesktop.secrets"_s).value();
}

std::optional<KeychainBackend::Answer> KeychainSecureStore::ask(const Question &question)
{
    if (m_keychainHung)
        return std::nullopt;
    std::optional<KeychainBackend::Answer> answer;
    // The loop is the answer's context: an answer after the time-out finds it gone.
    QEventLoop loop;
    question(&loop, [&answer, &loop](const KeychainBackend::Answer &given) {
        answer = given;
        loop.quit();
    });
    // A backend may answer before the question returns.
    if (!answer) {
        QTimer::singleShot(answerTimeout, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!answer) {
        m_keychainHung = true;
        qCWarning(lcPlatform) << "the keychain gave no answer within" << answerTimeout.count()
                              << "ms; the private file serves for the rest of this run";
    }
    return answer;
}

std::optional<QString> KeychainSecureStore::read(const QString &account, const QString &service)
{
    const std::optional<KeychainBackend::Answer> answer =
        ask([&](QObject *context, KeychainBackend::Done done) {
            m_keychain->read(account, service, context, std::move(done));
        });
    if (!answer)
        return m_fallback->read(account, service);
    switch (answer->outcome) {
    case Outcome::Done:
        alignFallback(account, service, service, answer->text);
        return answer->text;
    case Outcome::NotFound: {
        // Written while no keychain ran: the keychain takes a copy, the fallback keeps its own.
        const std::optional<QString> kept = m_fallback->read(account, service);
        if (kept) {
            const std::optional<KeychainBackend::Answer> copied =
                askToWrite(account, service, *kept);
            if (copied && copied->outcome == Outcome::Done)
                qCInfo(lcPlatform) << "an item of the fallback store copied into the keychain";
        }
        return kept;
    }
    case Outcome::Unusable:
        qCInfo(lcPlatform) << "keychain read failed (" << answer->errorString
                           << "); reading the fallback store";
        return m_fallback->read(account, service);
    case Outcome::Refused:
        break;
    }
    qCWarning(lcPlatform) << "keychain read refused:" << answer->errorString;
    return std::nullopt;
}

bool KeychainSecureStore::write(const QString &account, const QString &service,
                                const QString &label, const QString &secret)
{
    const std::optional<KeychainBackend::Answer> answer = askToWrite(account, service, secret);
    if (!answer)
        return m_fallback->write(account, service, label, secret);
    switch (answer->outcome) {
    case Outcome::Done:
        alignFallback(account, service, label, secret);
        return true;
    case Outcome::Unusable:
        qCInfo(lcPlatform) << "keychain write failed (" << answer->errorString
                           << "); writing the fallback store";
        return m_fallback->write(account, service, label, secret);
    case Outcome::NotFound:
    case Outcome::Refused:
        break;
    }
    qCWarning(lcPlatform) << "keychain write refused:" << answer->errorString;
    return false;
}

std::optional<KeychainBackend::Answer> KeychainSecureStore::askToWrite(const QString &account,
                                                                       const QString &service,
                                                                       const QString &secret)
{
    return ask([&](QObject *context, KeychainBackend::Done done) {
        m_keychain->write(account, service, secret, context, std::move(done));
    });
}

void KeychainSecureStore::alignFallback(const QString &account, const QString &service,
                                        const QString &label, const QString &secret)
{
    const std::optional<QString> kept = m_fallback->read(account, service);
    if (!kept || *kept == secret)
        return;
    if (m_fallback->write(account, service, label, secret))
        qCInfo(lcPlatform) << "the fallback store's copy of an item brought in line with the "
                              "keychain";
}
