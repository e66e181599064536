#pragma once

#include <QObject>
#include <QString>
#include <functional>

/// The keychain's side of one question: QtKeychain in the app, a stand-in in tests.
///
/// An answer comes later, on the main thread, and only while `context` lives; a keychain
/// daemon that hangs never answers at all.
class KeychainBackend
{
public:
    enum class Outcome {
        Done,     ///< read: the item's text is in `text`; write: stored
        NotFound, ///< read: the keychain holds no such item
        Unusable, ///< no keychain, or it does not work: the fallback store serves
        Refused,  ///< the keychain answered no (e.g. the customer denied access)
    };
    struct Answer
    {
        Outcome outcome = Outcome::Unusable;
        QString text;
        QString errorString;
    };
    using Done = std::function<void(const Answer &answer)>;

    virtual ~KeychainBackend() = default;

    virtual void read(const QString &account, const QString &service, QObject *context,
                      Done done) = 0;
    virtual void write(const QString &account, const QString &service, const QString &secret,
                       QObject *context, Done done) = 0;
};
