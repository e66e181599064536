#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <functional>

class Clock;

/// The date picker over the whole window: a date-only wheel that cannot go past the moment
/// the picker was made, "确定" to hand the date back, "取消" or the dimmed area to leave.
// Kept name (traceability): see docs/names.md
class LPDatePicker : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_PROPERTY(int year READ year NOTIFY dateChanged)
    Q_PROPERTY(int month READ month NOTIFY dateChanged)
    Q_PROPERTY(int day READ day NOTIFY dateChanged)
    /// The wheel's years run from firstYear up to the year of the latest date allowed.
    Q_PROPERTY(int firstYear READ firstYear CONSTANT)
    Q_PROPERTY(int lastYear READ lastYear CONSTANT)
    Q_PROPERTY(bool open READ isOpen NOTIFY openChanged)

public:
    // Kept name (traceability): see docs/names.md
    using BackDateBlock = std::function<void(const QString &date)>;

    /// `date` is the wheel's first date as "yyyy-MM-dd"; none (or one that does not read)
    /// opens at today. The latest date allowed is today on `clock`, in local time.
    LPDatePicker(const QString &date, BackDateBlock backDateBlock, const Clock *clock,
                 QObject *parent = nullptr);

    // Kept name (traceability): see docs/names.md
    static QDate translateDateWithString(const QString &text);
    static QString translateStringWithDate(QDate date);

    QDate date() const { return m_date; }
    QDate maximumDate() const { return m_maximumDate; }
    int year() const { return m_date.year(); }
    int month() const { return m_date.month(); }
    int day() const { return m_date.day(); }
    int firstYear() const { return 1900; }
    int lastYear() const { return m_maximumDate.year(); }
    bool isOpen() const { return m_open; }

    /// Where the wheels came to rest. A day past the month's end becomes its last day, a
    /// date past the latest allowed becomes that date.
    Q_INVOKABLE void selectDate(int year, int month, int day);
    /// Whether the wheels may rest there: a real day, not after the latest date allowed.
    Q_INVOKABLE bool isSelectable(int year, int month, int day) const;

    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void show();
    /// Hands the wheel's date back, then closes.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void sure();
    /// Closes without handing anything back.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void cancle();

signals:
    void dateChanged();
    void openChanged();

private:
    void setOpen(bool open);

    BackDateBlock m_backDateBlock;
    QDate m_maximumDate;
    QDate m_date;
    bool m_open = false;
};
