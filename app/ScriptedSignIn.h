#pragma once

#include <QObject>
#include <QString>

class QmlNavigator;
class SignInSession;

/// Signs in through the real sign-in screen, as a user would, for runs without a display.
/// Reports the outcome on the log: home reached, or the message the screen showed.
class ScriptedSignIn : public QObject
{
    Q_OBJECT

public:
    ScriptedSignIn(QmlNavigator *navigator, SignInSession *session, const QString &account,
                   const QString &password, QObject *parent = nullptr);

    void start();

signals:
    void finished(bool signedIn);

private:
    QmlNavigator *m_navigator;
    SignInSession *m_session;
    QString m_account;
    QString m_password;
};
