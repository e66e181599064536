#include "SignViewController.h"

#include "AccountLog.h"
#include "MobileNumber.h"
#include "RegisterViewController.h"
#include "common/DataMD5.h"
#include "common/SignInSession.h"
#include "platform/Reachability.h"
#include "service/ServiceClient.h"
#include "shell/Navigator.h"

using namespace Qt::StringLiterals;

SignViewController::SignViewController(Navigator *navigator, const AccountServices &services,
                                       QObject *parent)
    : ViewController(navigator, parent)
    , m_services(services)
    , m_credentials(services.settings, services.secureStore)
{}

void SignViewController::setAccountText(const QString &text)
{
    if (m_accountText == text)
        return;
    m_accountText = text;
    emit accountTextChanged();
}

void SignViewController::setPassWordText(const QString &text)
{
    if (m_passWordText == text)
        return;
    m_passWordText = text;
    emit passWordTextChanged();
}

void SignViewController::setMiMaKuang(bool selected)
{
    if (m_miMaKuang == selected)
        return;
    m_miMaKuang = selected;
    emit miMaKuangChanged();
}

void SignViewController::viewDidLoad()
{
    m_credentials.migrateLegacyPassword();
    initInterface();
}

void SignViewController::initInterface()
{
    if (!m_credentials.remembersPassword())
        return;
    setAccountText(m_credentials.account());
    setPassWordText(m_credentials.password());
    setMiMaKuang(true);
}

void SignViewController::loginBtn()
{
    if (!m_services.reachability->isReachable()) {
        navigator()->notice(tr("网络异常!"));
        return;
    }
    if (m_accountText.isEmpty() || m_passWordText.isEmpty() || !isMobile(m_accountText)) {
        navigator()->notice(tr("密码或账号输入格式错误!"));
        return;
    }
    qCInfo(lcAccount) << "signing in";
    // The reply speaks of the pair sent; the fields may have been edited by the time it comes.
    const QString account = m_accountText;
    const QString password = m_passWordText;
    m_services.service->call(
        ServiceOperation::checkUser,
        {{u"password"_s, DataMD5::accountMd5(password)}, {u"useraccount"_s, account}}, this,
        [this, account, password](const ServiceReply &reply) {
            didCheckUser(reply.returnText.value_or(QString()), account, password);
        },
        [this] {
            qCInfo(lcAccount) << "no reply to the sign-in";
            navigator()->notice(tr("网络异常!"));
        });
}

void SignViewController::didCheckUser(const QString &returnText, const QString &account,
                                      const QString &password)
{
    if (returnText == u"1") {
        qCInfo(lcAccount) << "signed in";
        if (m_credentials.remembersPassword())
            m_credentials.remember(account, password);
        m_services.session->signIn(account);
        navigator()->dismiss(this, true);
    } else if (returnText == u"X") {
        qCInfo(lcAccount) << "sign-in refused";
        navigator()->notice(tr("密码或账号错误!"));
    } else {
        qCInfo(lcAccount) << "sign-in reply not understood";
    }
}

void SignViewController::riginBtn()
{
    navigator()->present(new RegisterViewController(navigator(), m_services), true);
}

void SignViewController::remerberPassword()
{
    setMiMaKuang(!m_miMaKuang);
    m_credentials.setRemembersPassword(m_miMaKuang);
}
