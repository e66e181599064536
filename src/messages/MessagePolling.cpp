#include "MessagePolling.h"

#include "MessagesLog.h"
#include "platform/Clock.h"
#include "platform/LocalNotifications.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceReply.h"

#include <QDateTime>
#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

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

MessagePolling::MessagePolling(LocalNotifications *notifications, const Clock *clock)
    : m_notifications(notifications)
    , m_clock(clock)
{}

void MessagePolling::reset()
{
    m_singleRecord.clear();
    m_waiting.clear();
    m_lastId = u"0"_s;
    m_pushNumber = 0;
}

void MessagePolling::read(const ServiceReply &reply)
{
    m_pushNumber = 0;
    m_waiting.clear();
    if (!reply.replyDocument) {
        qCInfo(lcMessages) << "message poll: no reply document, nothing to notify";
        return;
    }

    // Kept name (wire): see docs/names.md
    const QVariant queryList =
        DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"queryList"});
    // A blank message is skipped, but its id still counts as seen: asking for it again
    // would only skip it again.
    if (queryList.typeId() == QMetaType::QVariantMap) {
        // Filled afresh: a message without a title must not show the previous one's.
        m_singleRecord = messageRecord(queryList.toMap());
        takeGreaterId(queryList.toMap());
        if (!isBlank(m_singleRecord))
            m_waiting.append(m_singleRecord);
    } else if (queryList.typeId() == QMetaType::QVariantList) {
        for (const QVariantMap &message : DocumentDictionary::elements(queryList)) {
            takeGreaterId(message);
            const QVariantMap record = messageRecord(message);
            if (!isBlank(record))
                m_waiting.append(record);
        }
    }
    qCInfo(lcMessages).noquote() << "message poll:" << m_waiting.size()
                                 << "message(s), last-seen msgid" << m_lastId;
    if (!m_waiting.isEmpty())
        notify(m_waiting);
}

void MessagePolling::takeGreaterId(const QVariantMap &message)
{
    // Only a greater id replaces the last-seen one, so after a list it is the greatest,
    // whatever the order; ids that are missing or not numbers read as 0 and never win.
    // Kept name (wire): see docs/names.md
    const QString id = DocumentDictionary::textAt(message, {u"msgid"}).value_or(QString());
    if (idNumber(id) > idNumber(m_lastId))
        m_lastId = id;
}

void MessagePolling::notify(const QVariantList &records)
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
