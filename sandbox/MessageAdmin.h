#pragma once

#include "HttpAnswer.h"

#include <QByteArray>
#include <QHostAddress>

namespace sandbox {

class Store;

/// Leaves a new message for the app while the sandbox runs, as the company would.
///
/// Only peers on this machine may add: the sandbox can listen on other addresses for the
/// app, and messages reach every customer.
class MessageAdmin
{
public:
    static constexpr QLatin1StringView path{"/admin/messages"};

    explicit MessageAdmin(const Store &store);

    /// `body` is a JSON object with the strings "title" and "text"; the answer is
    /// `{"msgid": N}` with the new id (201), or a refusal (400, 403, 500).
    HttpAnswer add(const QHostAddress &peer, const QByteArray &body) const;

private:
    const Store &m_store;
};

} // namespace sandbox
