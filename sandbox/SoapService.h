#pragma once

#include "HttpAnswer.h"

#include <QByteArray>

namespace sandbox {

class Store;

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
