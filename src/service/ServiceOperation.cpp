#include "ServiceOperation.h"

using namespace Qt::StringLiterals;

const QList<ServiceOperationInfo> &serviceOperations()
{
    // Kept name (wire): see docs/names.md
    static const QList<ServiceOperationInfo> operations = {
        {ServiceOperation::queryExpense,
         u"queryExpense"_s,
         {{u"queryType"_s, u""_s}, {u"queryValue"_s, {}}},
         true},
        {ServiceOperation::createOrder,
         u"createOrder"_s,
         {{u"userbh"_s, {}},
          {u"uuid"_s, {}},
          {u"rcvblAmtId"_s, {}},
          {u"ypay"_s, {}},
          {u"spay"_s, {}},
          {u"hbid"_s, {}},
          {u"hbje"_s, {}},
          {u"drives"_s, u"IOS1"_s}},
         true},
        {ServiceOperation::queryHbxx, u"queryHbxx"_s, {{u"useraccount"_s, {}}}, true},
        {ServiceOperation::registerUser,
         u"registerUser"_s,
         {{u"password"_s, {}}, {u"useraccount"_s, {}}, {u"uuid"_s, {}}},
         true},
        {ServiceOperation::checkUser,
         u"checkUser"_s,
         {{u"password"_s, {}}, {u"useraccount"_s, {}}},
         false},
        {ServiceOperation::queryPayList,
         u"queryPayList"_s,
         {{u"ksrq"_s, {}}, {u"jsrq"_s, {}}, {u"uuid"_s, {}}},
         true},
        {ServiceOperation::updateInfo, u"updateInfo"_s, {{u"uuid"_s, {}}}, true},
        {ServiceOperation::backMessage, u"backMessage"_s, {{u"msgid"_s, {}}}, true},
    };
    return operations;
}

const ServiceOperationInfo &operationInfo(ServiceOperation operation)
{
    return serviceOperations().at(qsizetype(operation));
}

std::optional<ServiceOperation> operationFromName(const QString &name)
{
    for (const ServiceOperationInfo &info : serviceOperations()) {
        if (info.name == name)
            return info.operation;
    }
    return std::nullopt;
}
