#pragma once

#include "messages/MessagePolling.h"
#include "platform/Clock.h"
#include "platform/WXApiDelegate.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

class LocalNotifications;
class PaymentResults;
class SecureStore;
class ServiceClient;
class SettingsStore;
class WalletSdk;
struct ServiceReply;

/// The application's start-up and its lasting per-process state.
///
/// At launch it makes sure the installation has its device identifier, announces it to
/// the company service, registers with the wallet, asks for the main window and for
/// notification permission. Afterwards it takes the URLs the wallet opens the app with,
/// asks the service for messages whenever the app goes into the background, has
/// MessagePolling post them as local notifications, and clears the badge when the app comes
/// back.
// Kept name (traceability): see docs/names.md
class AppDelegate : public QObject, public WXApiDelegate
{
    Q_OBJECT

public:
    /// Secure-store item of the device identifier.
    // Kept name (stored): see docs/names.md
    static constexpr QLatin1StringView identifierAccount{"QDMRVL"};
    static constexpr QLatin1StringView identifierService{"LP"};
    /// Settings key of the working copy of the device identifier.
    // Kept name (stored): see docs/names.md
    static constexpr QLatin1StringView identifierSettingsKey{"UUID"};

    AppDelegate(SettingsStore *settings, SecureStore *secureStore, ServiceClient *service,
                WalletSdk *wallet, LocalNotifications *notifications, QObject *parent = nullptr);

    /// The launch sequence; the window is made by whoever answers windowNeeded().
    // Kept name (traceability): see docs/names.md
    bool didFinishLaunchingWithOptions();
    /// Hands a URL that opened the app to the wallet; true when the wallet took it.
    // Kept name (traceability): see docs/names.md
    bool handleOpenURL(const QUrl &url);
    /// Announces the device identifier in the settings to the company service.
    // Kept name (traceability): see docs/names.md
    void updateInfo();
    /// A new device identifier: a random UUID, 36 characters, upper case, no braces.
    // Kept name (traceability): see docs/names.md
    static QString uuid();

    /// The app went into the background: asks the service for the messages after `msgid`.
    // Kept name (traceability): see docs/names.md
    void applicationDidEnterBackground();
    /// The app came back: the badge is cleared; scheduled notifications stay.
    // Kept name (traceability): see docs/names.md
    void applicationWillEnterForeground();
    /// Schedules a notification, one second ahead, for each record from index `pushNumber`
    /// on, numbering the badge from `pushNumber` + 1.
    // Kept name (traceability): see docs/names.md
    void addLocalNotification(const QVariantList &records);

    /// The clock that dates notifications; the system clock unless set.
    void setClock(const Clock *clock) { m_messages.setClock(clock); }
    /// Where the wallet's answers to payments go; they are only logged without it.
    void setPaymentResults(PaymentResults *results) { m_paymentResults = results; }

    // Kept name (traceability): see docs/names.md
    void onResp(const PayResp &resp) override;

signals:
    /// Emitted once during launch, after the service and wallet steps and before the
    /// notification permission is asked; the main window should exist when it returns.
    void windowNeeded();

private:
    void restoreDeviceIdentifier();
    void didReceiveReply(const ServiceReply &reply);

    SettingsStore *m_settings;
    SecureStore *m_secureStore;
    ServiceClient *m_service;
    WalletSdk *m_wallet;
    LocalNotifications *m_notifications;
    SystemClock m_systemClock;
    PaymentResults *m_paymentResults = nullptr;
    MessagePolling m_messages{m_notifications, &m_systemClock};
    /// Which reply is expected: 0 updateInfo, 1 backMessage.
    // Kept name (traceability): see docs/names.md
    qint64 m_flag = 0;
};
