#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace sandbox {

/// The argument fields of one call, by name; a field the caller left out reads as "".
using Fields = QHash<QString, QString>;

/// What an operation hands back: the return text (absent for a null result), or a
/// server fault when the database failed.
struct OperationResult
{
    std::optional<QString> returnText;
    std::optional<QString> serverFault;

    static OperationResult text(QString text) { return {std::move(text), std::nullopt}; }
    static OperationResult null() { return {}; }
    static OperationResult failed(QString why) { return {std::nullopt, std::move(why)}; }
};

} // namespace sandbox
