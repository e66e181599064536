#pragma once

#include "platform/AppOptions.h"

#include <QStringList>

/// The commands that read what the information screens show: payment records, notices.
namespace InfoCommands {

/// `records START END`: the payments of a device between two dates, as the record list shows
/// them. The date checks and messages are the record screen's.
/// With `byMonth`, the sum of every calendar month from START's to END's instead, months
/// without payments as 0.00, and the total.
int records(const QStringList &arguments, const AppOptions &options, const QString &uuid,
            bool byMonth, bool json);
/// `notices`: the notices of the website's list page, as the notice screen lists them.
int notices(const QStringList &arguments, const AppOptions &options, bool json);

} // namespace InfoCommands
