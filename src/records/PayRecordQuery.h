#pragma once

#include <QHash>
#include <QString>
#include <optional>

/// The payment record query: which date pairs may be sent, and what is sent.
///
/// Dates are the titles of the two date buttons: a prompt until a date is chosen, then
/// the date as "yyyy-MM-dd".
namespace PayRecordQuery {

inline constexpr QStringView startPrompt = u"请点击选择开始日期";
inline constexpr QStringView endPrompt = u"请点击选择结束日期";

inline constexpr QStringView alertTitle = u"温馨提示";
inline constexpr QStringView alertButton = u"确定";
inline constexpr QStringView startAfterEndMessage = u"开始日期不能大于结束日期";
inline constexpr QStringView missingDateMessage = u"请检查开始日期与结束日期是否都有值";
inline constexpr QStringView noRecordsMessage = u"该时间段暂无缴费记录";

/// A button title holds a date once it has a dash; the prompts have none.
bool isChosenDate(QStringView title);

/// Why the pair must not be sent, or nothing when it may. A start after the end is
/// checked first; equal dates are allowed.
std::optional<QString> refusal(const QString &start, const QString &end);

/// The queryPayList fields: both dates as shown, dashes kept, and the device identifier.
QHash<QString, QString> fields(const QString &start, const QString &end, const QString &uuid);

} // namespace PayRecordQuery
