#pragma once

#include <QByteArray>

namespace sandbox {

/// An HTTP answer independent of the server that sends it.
struct HttpAnswer
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

} // namespace sandbox
