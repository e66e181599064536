#include "ScriptedSignIn.h"

#include "account/SignViewController.h"
#include "common/SignInSession.h"
#include "shell/QmlNavigator.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

ScriptedSignIn::ScriptedSignIn(QmlNavigator *navigator, SignInSession *session,
                               const QString &account, const QString &password, QObject *parent)
    : QObject(parent)
    , m_navigator(navigator)
    , m_session(session)
    , m_account(account)
    , m_password(password)
{}

void ScriptedSignIn::start()
{
    auto *signIn = qobject_cast<SignViewController *>(m_navigator->modals().value(0));
    if (!signIn) {
        qCWarning(lcApp) << "scripted sign-in: no sign-in screen is showing";
        emit finished(false);
        return;
    }
    connect(m_navigator, &QmlNavigator::alertRequested, this,
            [this](int, const QString &, const QString &message) {
                qCInfo(lcApp).noquote() << "scripted sign-in: the screen said" << message;
                emit finished(false);
            });
    connect(m_navigator, &QmlNavigator::dismissRequested, this, [this] {
        qCInfo(lcApp).noquote() << "scripted sign-in: signed in as"
                                << m_session->account().value_or(QString())
                                << "- sign-in dismissed, home screen showing with"
                                << m_navigator->stack().size() << "screen(s) on the stack";
        emit finished(true);
    });
    if (!m_account.isEmpty()) {
        signIn->setAccountText(m_account);
        signIn->setPassWordText(m_password);
        // As a user who wants to be remembered at the next start.
        if (!signIn->miMaKuang())
            signIn->remerberPassword();
    }
    qCInfo(lcApp).noquote() << "scripted sign-in: tapping the sign-in button for"
                            << signIn->accountText();
    signIn->loginBtn();
}
