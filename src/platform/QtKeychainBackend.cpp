#include "QtKeychainBackend.h"

#include <qt6keychain/keychain.h>

namespace {

KeychainBackend::Outcome outcomeOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return KeychainBackend::Outcome::Done;
    case QKeychain::EntryNotFound:
        return KeychainBackend::Outcome::NotFound;
    // The keychain is not there or not working. A refusal by the user is an answer.
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
    case QKeychain::OtherError:
        return KeychainBackend::Outcome::Unusable;
    default:
        return KeychainBackend::Outcome::Refused;
    }
}

// The job deletes itself when it finishes; an answer after `context` has gone is dropped.
void run(QKeychain::Job *job, QObject *context, KeychainBackend::Done done)
{
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [done = std::move(done)](QKeychain::Job *finished) {
                         KeychainBackend::Answer answer{
                             outcomeOf(finished->error()), {}, finished->errorString()};
                         if (auto *reader = qobject_cast<QKeychain::ReadPasswordJob *>(finished))
                             answer.text = reader->textData();
                         done(answer);
                     });
    job->start();
}

} // namespace

void QtKeychainBackend::read(const QString &account, const QString &service, QObject *context,
                             Done done)
{
    auto *job = new QKeychain::ReadPasswordJob(service);
    job->setKey(account);
    run(job, context, std::move(done));
}

void QtKeychainBackend::write(const QString &account, const QString &service, const QString &secret,
                              QObject *context, Done done)
{
    auto *job = new QKeychain::WritePasswordJob(service);
    job->setKey(account);
    job->setTextData(secret);
    run(job, context, std::move(done));
}
