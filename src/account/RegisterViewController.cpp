#include "RegisterViewController.h"

#include "AccountLog.h"
#include "MobileNumber.h"
#include "common/DataMD5.h"
#include "platform/Reachability.h"
#include "platform/SettingsStore.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceClient.h"
#include "shell/Navigator.h"

#include <QPointer>

using namespace Qt::StringLiterals;

RegisterViewController::RegisterViewController(Navigator *navigator,
                                               const AccountServices &services, QObject *parent)
    : ViewController(navigator, parent)
    , m_services(services)
{}

void RegisterViewController::setAccountText(const QString &text)
{
    if (m_accountText == text)
        return;
    m_accountText = text;
    emit accountTextChanged();
}

void RegisterViewController::setPassWordText(const QString &text)
{
    if (m_passWordText == text)
        return;
    m_passWordText = text;
    emit passWordTextChanged();
}

void RegisterViewController::registerBtn()
{
    if (!m_services.reachability->isReachable()) {
        navigator()->notice(tr("网络异常!"));
        return;
    }
    if (m_accountText.isEmpty() || m_passWordText.isEmpty() || !isMobile(m_accountText)) {
        navigator()->notice(tr("密码或账号输入格式错误!"));
        return;
    }
    // Kept name (stored): see docs/names.md
    const QString device = m_services.settings->string(u"UUID"_s);
    qCInfo(lcAccount) << "registering";
    m_services.service->call(
        ServiceOperation::registerUser,
        {{u"password"_s, DataMD5::accountMd5(m_passWordText)},
         {u"useraccount"_s, m_accountText},
         {u"uuid"_s, device}},
        this,
        [this](const ServiceReply &reply) {
            didRegister(reply.replyDocument.value_or(QVariantMap()));
        },
        [this] {
            qCInfo(lcAccount) << "no reply to the registration";
            navigator()->notice(tr("网络异常!"));
        });
}

void RegisterViewController::didRegister(const QVariantMap &reply)
{
    // Kept name (wire): see docs/names.md
    const QString flag = DocumentDictionary::textAt(reply, {u"info", u"flag"}).value_or(QString());
    qCInfo(lcAccount) << "registration answered with flag" << flag;
    const QString signIn = tr("登录");
    if (flag == u"1") {
        // Kept name (wire): see docs/names.md
        const bool withRedPacket =
            DocumentDictionary::valueAt(reply, {u"info"}).toMap().contains(u"hb"_s);
        const QString message = withRedPacket
                                    ? tr("注册成功！恭喜您获得红包，请登录后再查看，是否现在登录？")
                                    : tr("注册成功！是否现在登录？");
        navigator()->alert(tr("温馨提示"), message, {{signIn, [screen = QPointer(this)] {
                                                          if (screen)
                                                              screen->navigator()->dismiss(screen,
                                                                                           true);
                                                      }}});
    } else if (flag == u"3") {
        navigator()->alert(tr("温馨提示"), tr("一台设备只能注册一次，此台设备已经注册过了！"),
                           {{signIn, {}}});
    } else if (flag == u"2") {
        navigator()->alert(tr("温馨提示"), tr("此号码已经被注册，不能重复注册!"), {{signIn, {}}});
    }
}

void RegisterViewController::loginBtn()
{
    navigator()->dismiss(this, true);
}
