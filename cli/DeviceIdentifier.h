#pragma once

#include "platform/AppOptions.h"

#include <QString>
#include <optional>

/// The device identifier a command acts for: the one given on the command line, else the
/// one the app keeps under "UUID" in the home folder's settings. Without either, says how
/// to get one and gives nothing.
std::optional<QString> deviceIdentifier(const AppOptions &options, const QString &given);
