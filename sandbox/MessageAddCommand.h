#pragma once

#include <QString>

namespace sandbox {

/// `tarvo-sandbox message add TITLE TEXT [--port N]`: leaves a message in the sandbox
/// running on this machine at that port and prints its id. Gives the exit status.
int addMessage(quint16 port, const QString &title, const QString &text);

} // namespace sandbox
