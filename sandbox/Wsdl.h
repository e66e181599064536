#pragma once

#include <QByteArray>
#include <QUrl>

namespace sandbox {

/// The service description a SOAP tool reads: WSDL 1.1, document/literal wrapped. Each
/// operation takes one string `arg0` and returns one string `return`, both unqualified
/// children of an element in the service namespace, as the app writes and reads them.
QByteArray wsdlDocument(const QUrl &serviceAddress);

} // namespace sandbox
