#pragma once

#include <QObject>
#include <QString>
#include <optional>

/// Who signed in during this run; the red packet query asks it for the account.
class SignInSession : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// The account of the last successful sign-in of this run, if any.
    std::optional<QString> account() const { return m_account; }
    void signIn(const QString &account);

signals:
    void signedIn(const QString &account);

private:
    std::optional<QString> m_account;
};
