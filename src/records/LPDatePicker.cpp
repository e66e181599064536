#include "LPDatePicker.h"

#include "platform/Clock.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace {

const QString datePattern = u"yyyy-MM-dd"_s;

QDate today(const Clock *clock)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(clock->secondsSinceEpoch() * 1000)).date();
}

} // namespace

LPDatePicker::LPDatePicker(const QString &date, BackDateBlock backDateBlock, const Clock *clock,
                           QObject *parent)
    : QObject(parent)
    , m_backDateBlock(std::move(backDateBlock))
    , m_maximumDate(today(clock))
{
    const QDate initial = translateDateWithString(date);
    m_date = initial.isValid() ? std::min(initial, m_maximumDate) : m_maximumDate;
}

QDate LPDatePicker::translateDateWithString(const QString &text)
{
    return QDate::fromString(text, datePattern);
}

QString LPDatePicker::translateStringWithDate(QDate date)
{
    return date.toString(datePattern);
}

void LPDatePicker::selectDate(int year, int month, int day)
{
    year = std::clamp(year, firstYear(), lastYear());
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, QDate(year, month, 1).daysInMonth());
    const QDate chosen = std::min(QDate(year, month, day), m_maximumDate);
    // Emitted even when nothing changed, so that wheels left on a refused day roll back.
    m_date = chosen;
    emit dateChanged();
}

bool LPDatePicker::isSelectable(int year, int month, int day) const
{
    const QDate date(year, month, day);
    return date.isValid() && year >= firstYear() && date <= m_maximumDate;
}

void LPDatePicker::show()
{
    setOpen(true);
}

void LPDatePicker::sure()
{
    // A second tap while the panel shrinks away hands nothing back again.
    if (!m_open)
        return;
    if (m_backDateBlock)
        m_backDateBlock(translateStringWithDate(m_date));
    setOpen(false);
}

void LPDatePicker::cancle()
{
    setOpen(false);
}

void LPDatePicker::setOpen(bool open)
{
    if (m_open == open)
        return;
    m_open = open;
    emit openChanged();
}
