#include "KeychainSecureStore.h"

#include "PlatformLog.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace {

/// How a finished (or abandoned) keychain job turned out.
struct JobResult
{
    bool finished = false;
    QKeychain::Error error = QKeychain::OtherError;
    QString errorString;
    QString text;
};

// Runs the job to completion in a local event loop. The job deletes itself when it
// finishes; if that is after the time-out, the loop is gone and so is the connection.
JobResult runJob(QKeychain::Job *job)
{
    JobResult result;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&result, &loop](QKeychain::Job *done) {
        result.finished = true;
        result.error = done->error();
        result.errorString = done->errorString();
        if (auto *reader = qobject_cast<QKeychain::ReadPasswordJob *>(done))
            result.text = reader->textData();
        loop.quit();
    });
    QTimer::singleShot(KeychainSecureStore::answerTimeout, &loop, &QEventLoop::quit);
    job->start();
    // A backend may answer before start() returns.
    if (!result.finished)
        loop.exec();
    if (!result.finished)
        result.errorString = u"no answer from the keychain"_s;
    return result;
}

// Errors after which the item is kept in the fallback store: the keychain is not there
// or not working. A refusal by the user is an answer and is honoured.
bool keychainUnusable(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
    case QKeychain::OtherError:
        return true;
    default:
        return false;
    }
}

} // namespace

KeychainSecureStore::KeychainSecureStore(std::unique_ptr<SecureStore> fallback)
    : m_fallback(std::move(fallback))
{}

bool KeychainSecureStore::secretServiceRunning()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(u"org.freedesktop.secrets"_s).value();
}

std::optional<QString> KeychainSecureStore::read(const QString &account, const QString &service)
{
    auto *job = new QKeychain::ReadPasswordJob(service);
    job->setKey(account);
    const JobResult result = runJob(job);
    if (result.error == QKeychain::NoError)
        return result.text;
    if (result.error == QKeychain::EntryNotFound)
        return m_fallback->read(account, service);
    if (keychainUnusable(result.error)) {
        qCInfo(lcPlatform) << "keychain read failed (" << result.errorString
                           << "); reading the fallback store";
        return m_fallback->read(account, service);
    }
    qCWarning(lcPlatform) << "keychain read refused:" << result.errorString;
    return std::nullopt;
}

bool KeychainSecureStore::write(const QString &account, const QString &service,
                                const QString &label, const QString &secret)
{
    auto *job = new QKeychain::WritePasswordJob(service);
    job->setKey(account);
    job->setTextData(secret);
    const JobResult result = runJob(job);
    if (result.error == QKeychain::NoError)
        return true;
    if (keychainUnusable(result.error)) {
        qCInfo(lcPlatform) << "keychain write failed (" << result.errorString
                           << "); writing the fallback store";
        return m_fallback->write(account, service, label, secret);
    }
    qCWarning(lcPlatform) << "keychain write refused:" << result.errorString;
    return false;
}
