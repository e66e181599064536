#include "AppDelegate.h"

#include "ShellLog.h"
#include "billing/PaymentResults.h"
#include "platform/LocalNotifications.h"
#include "platform/SecureStore.h"
#include "platform/SettingsStore.h"
#include "platform/WalletSdk.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceClient.h"

#include <QUuid>
#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The app's id with the wallet; payment signing uses the same id.
constexpr QLatin1StringView weChatAppId{"wx5d0c3f1a9e7b2468"};
// Kept name (traceability): see docs/names.md
constexpr QLatin1StringView weChatAppDescription{"Morvel"};

// What the customer does with a message notification: open the app.
constexpr QStringView messageAction{u"打开应用"};

// Message ids are compared by their leading number: white space, an optional sign, then
// decimal digits. No digits reads as 0; a number beyond 64 bits stays at the limit, so it
// still counts as greater.
qint64 idNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value > (largest - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : largest;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// A message element as a record: "titles" and "contexts", each only when the element has it.
QVariantMap messageRecord(const QVariantMap &message)
{
    QVariantMap record;
    // Kept name (wire): see docs/names.md
    for (const QString &key : {u"titles"_s, u"contexts"_s}) {
        if (const std::optional<QString> text = DocumentDictionary::textAt(message, {key}))
            record.insert(key, *text);
    }
    return record;
}

// A message with neither title nor text would only be a blank notification.
bool isBlank(const QVariantMap &record)
{
    return std::all_of(record.cbegin(), record.cend(),
                       [](const QVariant &text) { return text.toString().trimmed().isEmpty(); });
}

// Title, a line break, text; a record missing one of them shows the other alone.
QString alertBody(const QVariantMap &record)
{
    QStringList lines;
    for (const QString &key : {u"titles"_s, u"contexts"_s}) {
        if (record.contains(key))
            lines.append(record.value(key).toString());
    }
    return lines.join(u'\n');
}

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
    if (m_paymentResults)
        m_paymentResults->report(resp.errCode);
}

void AppDelegate::applicationDidEnterBackground()
{
    // One request per entry into the background; its reply is read whenever it comes.
    m_flag = 1;
    m_service->call(ServiceOperation::backMessage, {{u"msgid"_s, m_msgid}}, this,
                    [this](const ServiceReply &reply) { didReceiveReply(reply); });
    qCInfo(lcShell).noquote() << "in the background: backMessage sent after msgid" << m_msgid;
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
    m_pushNumber = 0;
    m_sendArray.clear();
    if (!reply.replyDocument) {
        qCInfo(lcShell) << "message poll: no reply document, nothing to notify";
        return;
    }

    // Kept name (wire): see docs/names.md
    const QVariant queryList =
        DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"queryList"});
    // A blank message is skipped, but its id still counts as seen: asking for it again
    // would only skip it again.
    if (queryList.typeId() == QMetaType::QVariantMap) {
        // Filled afresh: a message without a title must not show the previous one's.
        m_dicnory = messageRecord(queryList.toMap());
        takeGreaterId(queryList.toMap());
        if (!isBlank(m_dicnory))
            m_sendArray.append(m_dicnory);
    } else if (queryList.typeId() == QMetaType::QVariantList) {
        for (const QVariantMap &message : DocumentDictionary::elements(queryList)) {
            takeGreaterId(message);
            const QVariantMap record = messageRecord(message);
            if (!isBlank(record))
                m_sendArray.append(record);
        }
    }
    qCInfo(lcShell).noquote() << "message poll:" << m_sendArray.size()
                              << "message(s), last-seen msgid" << m_msgid;
    if (!m_sendArray.isEmpty())
        addLocalNotification(m_sendArray);
}

void AppDelegate::takeGreaterId(const QVariantMap &message)
{
    // Only a greater id replaces the last-seen one, so after a list it is the greatest,
    // whatever the order; ids that are missing or not numbers read as 0 and never win.
    // Kept name (wire): see docs/names.md
    const QString id = DocumentDictionary::textAt(message, {u"msgid"}).value_or(QString());
    if (idNumber(id) > idNumber(m_msgid))
        m_msgid = id;
}

void AppDelegate::addLocalNotification(const QVariantList &records)
{
    while (m_pushNumber < records.size()) {
        const QVariantMap record = records.at(m_pushNumber).toMap();
        ++m_pushNumber;
        const auto now =
            QDateTime::fromMSecsSinceEpoch(qint64(m_clock->secondsSinceEpoch() * 1000));
        m_notifications->scheduleLocalNotification(
            {now.addSecs(1), alertBody(record), messageAction.toString(), m_pushNumber});
    }
}
