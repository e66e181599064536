#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

class Clock;
class LocalNotifications;
struct ServiceReply;

/// The company's messages for an app in the background: the service's answer to
/// backMessage read into records, the greatest message id seen, and a local notification
/// for each record. The application delegate asks and hands the answers here.
class MessagePolling
{
public:
    MessagePolling(LocalNotifications *notifications, const Clock *clock);

    void setClock(const Clock *clock) { m_clock = clock; }
    /// Forgets earlier polls: the next one asks for every message after id 0.
    void reset();
    /// Reads an answer to backMessage and notifies the messages it carries.
    void read(const ServiceReply &reply);
    /// Schedules a notification, one second ahead, for each record from index pushNumber()
    /// on, numbering the badge from pushNumber() + 1.
    void notify(const QVariantList &records);

    /// The record of a single polled message.
    QVariantMap singleRecord() const { return m_singleRecord; }
    /// Id of the last message seen.
    QString lastId() const { return m_lastId; }
    /// Messages waiting to be notified.
    QVariantList waiting() const { return m_waiting; }
    /// How many were notified; the badge of the last one.
    // Kept name (traceability): see docs/names.md
    qint64 pushNumber() const { return m_pushNumber; }

private:
    void takeGreaterId(const QVariantMap &message);

    LocalNotifications *m_notifications;
    const Clock *m_clock;
    QVariantMap m_singleRecord;
    QString m_lastId = QStringLiteral("0");
    QVariantList m_waiting;
    qint64 m_pushNumber = 0;
};
