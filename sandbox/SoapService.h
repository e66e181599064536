#pragma once

#include <QByteArray>

namespace sandbox {

class Store;

/// An HTTP answer independent of the server that sends it.
struct HttpAnswer
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

/// The company web service: one SOAP request body in, one reply or fault out.
class SoapService
{
public:
    explicit SoapService(const Store &store);

    /// Bodies larger than this are refused unread.
    static constexpr qsizetype maximumRequestSize = 1024 * 1024;

    HttpAnswer handle(const QByteArray &body) const;

private:
    const Store &m_store;
};

} // namespace sandbox
