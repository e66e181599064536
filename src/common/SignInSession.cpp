#include "SignInSession.h"

void SignInSession::signIn(const QString &account)
{
    m_account = account;
    emit signedIn(account);
}
