#pragma once

#include <QList>
#include <QString>
#include <optional>

/// The eight operations of the company web service.
enum class ServiceOperation {
    // Kept name (traceability): see docs/names.md
    queryExpense,
    createOrder,
    queryHbxx,
    registerUser,
    checkUser,
    queryPayList,
    updateInfo,
    backMessage,
};

/// One request field; a fixed field always carries its own value, whatever the caller gives.
struct ServiceField
{
    QString name;
    std::optional<QString> fixedValue;
};

/// How one operation looks on the wire.
struct ServiceOperationInfo
{
    ServiceOperation operation;
    QString name;
    QList<ServiceField> fields; ///< in the order they are written
    bool hasReplyDocument;      ///< whether the return text is itself a document
};

const QList<ServiceOperationInfo> &serviceOperations();
const ServiceOperationInfo &operationInfo(ServiceOperation operation);
std::optional<ServiceOperation> operationFromName(const QString &name);
