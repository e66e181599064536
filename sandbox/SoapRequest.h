#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <variant>

namespace sandbox {

/// A SOAP 1.1 fault: code without prefix ("Client", "Server", "VersionMismatch").
struct SoapFault
{
    QString code;
    QString message;
};

/// One call read from a request: the operation's local name and its argument fields.
struct SoapCall
{
    QString operation;
    QHash<QString, QString> fields;
};

/// Reads a request as a SOAP 1.1 service does: namespace-aware (any prefixes, white space,
/// an XML declaration), the operation found in the Body by local name in the service's
/// namespace, `arg0`'s text taken as the argument document and the children of its `info`
/// root as the fields.
///
/// A DTD or an entity reference at either level is refused before anything is expanded;
/// an unreadable envelope or argument document is the client's fault.
std::variant<SoapCall, SoapFault> readSoapCall(const QByteArray &body);

} // namespace sandbox
