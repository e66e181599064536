#include "AppDelegate.h"

#include "ShellLog.h"
#include "billing/PaymentResults.h"
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
// Kept name (traceability): see docs/names.md
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
    m_messages.reset();
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
    // Payment records are kept under the identifier, so an identifier is never replaced while
    // any copy of it exists: a secure store that is missing at one launch (no secret service,
    // an unreadable file) must not cost the customer the payments made from this device.
    // When the two copies differ, the secure store's is the device's lasting one; the
    // settings may come from a copied or restored profile.
    const QString inSettings = m_settings->string(identifierSettingsKey);
    std::optional<QString> identifier = m_secureStore->read(identifierAccount, identifierService);
    if (identifier && identifier->isEmpty())
        identifier.reset();
    if (identifier) {
        qCInfo(lcShell).noquote() << "device identifier found:" << *identifier;
        if (!inSettings.isEmpty() && inSettings != *identifier)
            qCWarning(lcShell).noquote()
                << "the settings held another device identifier," << inSettings
                << "- replaced by the secure store's; payments made under it are listed with "
                   "tarvo-cli records --uuid";
    } else {
        const bool kept = !inSettings.isEmpty();
        identifier = kept ? inSettings : uuid();
        // A failed write is not retried: the settings copy carries the identifier over to
        // the next launch, which tries again.
        const bool stored = m_secureStore->write(identifierAccount, identifierService,
                                                 identifierService, *identifier);
        qCInfo(lcShell).noquote() << (kept ? "device identifier kept from the settings:"
                                           : "device identifier made:")
                                  << *identifier
                                  << (stored ? "(stored)" : "(not stored: secure store refused)");
    }
    m_settings->setValue(identifierSettingsKey, *identifier);
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
    if (m_paymentResults)
        m_paymentResults->report(resp.errCode);
}

void AppDelegate::applicationDidEnterBackground()
{
    // One request per entry into the background; its reply is read whenever it comes.
    m_flag = 1;
    m_service->call(ServiceOperation::backMessage, {{u"msgid"_s, m_messages.lastId()}}, this,
                    [this](const ServiceReply &reply) { didReceiveReply(reply); });
    qCInfo(lcShell).noquote() << "in the background: backMessage sent after msgid"
                              << m_messages.lastId();
}

void AppDelegate::applicationWillEnterForeground()
{
    m_notifications->setApplicationIconBadgeNumber(0);
    qCInfo(lcShell) << "in the foreground: badge cleared";
}

void AppDelegate::didReceiveReply(const ServiceReply &reply)
{
    // Every reply to this delegate arrives here. The launch announcement's reply (flag 0)
    // carries nothing the app uses; only a message poll's reply (flag 1) is read.
    if (m_flag != 1)
        return;
    m_messages.read(reply);
}

void AppDelegate::addLocalNotification(const QVariantList &records)
{
    m_messages.notify(records);
}
