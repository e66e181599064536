#pragma once

#include "platform/AppOptions.h"

#include <QString>

/// The messages the service leaves for the app.
namespace MessageCommands {

/// `messages [--since ID] [--json]`: what the service hands out to an app that has seen
/// messages up to `since`, in the service's order.
int messages(const AppOptions &options, const QString &since, bool json);

} // namespace MessageCommands
