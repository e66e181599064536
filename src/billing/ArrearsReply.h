#pragma once

#include "PayModel.h"

#include <QString>
#include <optional>

/// Reading the reply to an arrears query.
namespace ArrearsReply {

/// The names under which a query that ends without a result is announced.
// Kept name (traceability): see docs/names.md
inline const QString noSuchUser = QStringLiteral("NOUserPostName");
inline const QString noArrears = QStringLiteral("NoArrearage");
inline const QString noInformation = QStringLiteral("Nomessage");
inline const QString noData = QStringLiteral("NOReceiveData");

struct Outcome
{
    /// Empty for a result; otherwise the name of the notification to post.
    QString notification;
    PayModel model;
};

/// Reads the return text of the reply (absent when the reply had none) as a document.
/// Every reply ends in one outcome: a message the app does not know is reported as no
/// data, so that nobody waits for an answer that will not come. The bills are the entries of
/// the `queryList` element with exactly 12 child elements; other entries are ignored.
Outcome read(const std::optional<QString> &returnText);

} // namespace ArrearsReply
