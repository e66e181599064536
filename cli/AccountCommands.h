#pragma once

#include "platform/AppOptions.h"

#include <QStringList>

/// The saved accounts (常用户号) of the app's profile in --home: the list the payment screen
/// shows under its account field.
namespace AccountCommands {

/// `accounts list`, `accounts add ACCOUNT LABEL`, `accounts remove ACCOUNT`. The checks and
/// messages are the payment screen's; exit 2 on bad arguments, 1 when removing an account
/// that is not saved.
int accounts(const QStringList &arguments, const AppOptions &options, bool json);

} // namespace AccountCommands
