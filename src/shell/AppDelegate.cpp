#include "AppDelegate.h"

#include "ShellLog.h"
#include "platform/LocalNotifications.h"
#include "platform/SecureStore.h"
#include "platform/SettingsStore.h"
#include "platform/WalletSdk.h"
#include "service/ServiceClient.h"

#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

// The app's id with the wallet; payment signing uses the same id.
constexpr QLatin1StringView weChatAppId{"wx5d0c3f1a9e7b2468"};
constexpr QLatin1StringView weChatAppDescription{"Morvel"};

} // namespace

AppDelegate::AppDelegate(SettingsStore *settings, SecureStore *secureStore, ServiceClient *service,
                         WalletSdk *wallet, LocalNotifications *notifications, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_secureStore(secureStore)
    , m_service(service)
    , m_wallet(wallet)
    , m_notifications(notifications)
{}

bool AppDelegate::didFinishLaunchingWithOptions()
{
    restoreDeviceIdentifier();
    resetPollingState();
    updateInfo();
    m_wallet->registerApp(weChatAppId, weChatAppDescription);
    emit windowNeeded();
    // Asked at every launch, whatever the customer answered before.
    m_notifications->registerUserNotificationSettings(
        LocalNotifications::Badge | LocalNotifications::Sound | LocalNotifications::Alert);
    return true;
}

void AppDelegate::restoreDeviceIdentifier()
{
    // The secure store holds the lasting identifier; the settings only a working copy that
    // every request reads, refreshed here so that cleared settings do not lose it.
    std::optional<QString> identifier = m_secureStore->read(identifierAccount, identifierService);
    if (identifier) {
        qCInfo(lcShell).noquote() << "device identifier found:" << *identifier;
    } else {
        identifier = uuid();
        // A failed write is not retried: the new identifier still serves this run, and the
        // next launch makes another one.
        const bool stored = m_secureStore->write(identifierAccount, identifierService,
                                                 identifierService, *identifier);
        qCInfo(lcShell).noquote() << "device identifier made:" << *identifier
                                  << (stored ? "(stored)" : "(not stored: secure store refused)");
    }
    m_settings->setValue(identifierSettingsKey, *identifier);
}

void AppDelegate::resetPollingState()
{
    m_dicnory.clear();
    m_sendArray.clear();
    m_msgid = u"0"_s;
    m_pushNumber = 0;
}

void AppDelegate::updateInfo()
{
    m_flag = 0;
    const QString identifier = m_settings->string(identifierSettingsKey);
    m_service->call(ServiceOperation::updateInfo, {{u"uuid"_s, identifier}}, this,
                    [this](const ServiceReply &reply) { didReceiveReply(reply); });
    qCInfo(lcShell).noquote() << "updateInfo sent to" << m_service->serviceUrl().toString();
}

QString AppDelegate::uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

bool AppDelegate::handleOpenURL(const QUrl &url)
{
    const bool handled = m_wallet->handleOpenURL(url, this);
    qCInfo(lcShell) << "opened with a URL of scheme" << url.scheme()
                    << (handled ? "taken by the wallet" : "not the wallet's");
    return handled;
}

void AppDelegate::onResp(const PayResp &resp)
{
    qCInfo(lcShell) << "payment response: errCode" << resp.errCode;
}

void AppDelegate::didReceiveReply(const ServiceReply &)
{
    // Every reply to this delegate arrives here. The launch announcement's reply (flag 0)
    // carries nothing the app uses; only a message poll's reply (flag 1) is read, past
    // this check.
    if (m_flag != 1)
        return;
}
