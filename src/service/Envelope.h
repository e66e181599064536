#pragma once

#include "ServiceOperation.h"

#include <QByteArray>
#include <QHash>
#include <QString>

/// Builds the SOAP 1.1 request envelope of one operation.
///
/// The fields form a small argument document that travels as escaped text inside
/// `arg0`. Values are escaped at both levels, so a "<" or "&" typed by a customer
/// reaches the service as that character; clean values give the classic bytes.
namespace Envelope {

inline constexpr QLatin1StringView soapNamespace{"http://schemas.xmlsoap.org/soap/envelope/"};
inline constexpr QLatin1StringView schemaInstanceNamespace{
    "http://www.w3.org/2001/XMLSchema-instance"};
// Kept name (wire): see docs/names.md
inline constexpr QLatin1StringView serviceNamespace{"http://service.trvo.tarvo.cn/"};

/// The argument document: declaration and `info` element, values escaped once.
QString argumentDocument(ServiceOperation operation, const QHash<QString, QString> &values);
/// The whole envelope text; a field the caller leaves out is written empty.
QString text(ServiceOperation operation, const QHash<QString, QString> &values);
/// The request body: the envelope text as UTF-8.
QByteArray body(ServiceOperation operation, const QHash<QString, QString> &values);

/// Escapes "&", "<", ">" and carriage returns for use as element text.
QString escapeText(const QString &value);

/// Whether a value can travel in the envelope at all: XML has no way, not even a
/// reference, to carry control characters other than tab, line feed and carriage return,
/// nor U+FFFE, U+FFFF or unpaired surrogates. Senders check typed values with this first.
bool canCarry(QStringView value);

} // namespace Envelope
