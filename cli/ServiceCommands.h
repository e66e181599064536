#pragma once

#include "platform/AppOptions.h"

#include <QStringList>

/// The commands that speak the service's wire format directly.
namespace ServiceCommands {

/// `envelope OP NAME=VALUE...`: the request body, exactly, and one newline.
int envelope(const QStringList &arguments);
/// `call OP NAME=VALUE... [--json]`: sends the request and prints what came back.
int call(const QStringList &arguments, const AppOptions &options, bool json);
/// `read-xml [FILE] [--json]`: the document dictionary of a file or of stdin.
int readXml(const QStringList &arguments, bool json);

} // namespace ServiceCommands
