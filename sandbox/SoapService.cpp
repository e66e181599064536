#include "SoapService.h"

#include "SandboxLog.h"
#include "SoapRequest.h"
#include "SoapWriter.h"
#include "operations/Operations.h"
#include "service/ServiceOperation.h"

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

const QByteArray xmlContentType = "text/xml; charset=utf-8";

HttpAnswer faultAnswer(const SoapFault &fault)
{
    qCInfo(lcSandbox).noquote() << "fault" << fault.code << ":" << fault.message;
    // SOAP 1.1 over HTTP: every fault is sent with status 500.
    return {500, xmlContentType, SoapWriter::fault(fault)};
}

OperationResult dispatch(ServiceOperation operation, const Store &store, const Fields &fields)
{
    switch (operation) {
    case ServiceOperation::queryExpense:
        return Operations::queryExpense(store, fields);
    case ServiceOperation::createOrder:
        return Operations::createOrder(store, fields);
    case ServiceOperation::queryHbxx:
        return Operations::queryHbxx(store, fields);
    case ServiceOperation::registerUser:
        return Operations::registerUser(store, fields);
    case ServiceOperation::checkUser:
        return Operations::checkUser(store, fields);
    case ServiceOperation::queryPayList:
        return Operations::queryPayList(store, fields);
    case ServiceOperation::updateInfo:
        return Operations::updateInfo(store, fields);
    case ServiceOperation::backMessage:
        return Operations::backMessage(store, fields);
    }
    return OperationResult::failed(u"operation without a handler"_s);
}

} // namespace

SoapService::SoapService(const Store &store)
    : m_store(store)
{}

HttpAnswer SoapService::handle(const QByteArray &body) const
{
    if (body.size() > maximumRequestSize)
        return faultAnswer({u"Client"_s, u"request larger than 1 MiB"_s});

    std::variant<SoapCall, SoapFault> reading = readSoapCall(body);
    if (const auto *fault = std::get_if<SoapFault>(&reading))
        return faultAnswer(*fault);
    const SoapCall &call = std::get<SoapCall>(reading);

    const std::optional<ServiceOperation> operation = operationFromName(call.operation);
    if (!operation)
        return faultAnswer({u"Client"_s, u"unknown operation "_s + call.operation});

    const OperationResult result = dispatch(*operation, m_store, call.fields);
    if (result.serverFault)
        return faultAnswer({u"Server"_s, *result.serverFault});
    qCDebug(lcSandbox).noquote() << call.operation << "answered"
                                 << (result.returnText ? result.returnText->size() : -1)
                                 << "characters";
    return {200, xmlContentType, SoapWriter::response(call.operation, result.returnText)};
}

} // namespace sandbox
