#pragma once

#include "ServiceOperation.h"

#include <QByteArray>
#include <QString>
#include <QVariantMap>
#include <optional>

/// A service reply unwrapped: the text of `return`, and that text read again as a document.
struct ServiceReply
{
    std::optional<QString> returnText;
    std::optional<QVariantMap> replyDocument;

    /// Whether the return text is read into the reply document too. A caller that reads the
    /// return text in a way of its own takes the text alone.
    enum class Reading { document, textOnly };

    /// Body bytes that are not XML (in UTF-8 or the encoding they declare), or lack the
    /// envelope's key path, give an absent return text; the reply document exists only for
    /// operations that have one and only when the return text is itself a document.
    static ServiceReply unwrap(ServiceOperation operation, const QByteArray &body,
                               Reading reading = Reading::document);
};
