#include "ServiceCommands.h"

#include "CliOutput.h"
#include "platform/NetworkTransport.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"
#include "service/XMLReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace ServiceCommands {

namespace {

struct Request
{
    ServiceOperation operation;
    QHash<QString, QString> fields;
};

QString fieldList(const ServiceOperationInfo &info)
{
    QStringList names;
    for (const ServiceField &field : info.fields)
        names.append(field.name);
    return names.join(u", "_s);
}

/// OP followed by NAME=VALUE pairs; a value may itself contain "=".
std::optional<Request> parseRequest(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        CliOutput::error(u"name an operation"_s);
        return std::nullopt;
    }
    const std::optional<ServiceOperation> operation = operationFromName(arguments.first());
    if (!operation) {
        QStringList known;
        for (const ServiceOperationInfo &info : serviceOperations())
            known.append(info.name);
        CliOutput::error(u"unknown operation \"%1\"; the operations are: %2"_s.arg(
            arguments.first(), known.join(u", "_s)));
        return std::nullopt;
    }
    const ServiceOperationInfo &info = operationInfo(*operation);
    Request request{*operation, {}};
    for (const QString &argument : arguments.mid(1)) {
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.left(equals);
        const bool known = std::any_of(info.fields.cbegin(), info.fields.cend(),
                                       [&name](const ServiceField &f) { return f.name == name; });
        if (equals < 0 || !known) {
            CliOutput::error(u"\"%1\" is not NAME=VALUE with a field of %2 (%3)"_s.arg(
                argument, info.name, fieldList(info)));
            return std::nullopt;
        }
        const QString value = argument.mid(equals + 1);
        if (!Envelope::canCarry(value)) {
            CliOutput::error(
                u"the value of %1 holds control characters, which no request can carry"_s.arg(
                    name));
            return std::nullopt;
        }
        request.fields.insert(name, value);
    }
    return request;
}

std::optional<QByteArray> readInput(const QStringList &arguments)
{
    QFile file;
    if (arguments.isEmpty() || arguments.first() == u"-"_s) {
        if (!file.open(stdin, QIODevice::ReadOnly))
            return std::nullopt;
    } else {
        file.setFileName(arguments.first());
        if (!file.open(QIODevice::ReadOnly)) {
            CliOutput::error(u"cannot read %1: %2"_s.arg(arguments.first(), file.errorString()));
            return std::nullopt;
        }
    }
    // One byte over the reader's bound is enough for it to refuse the input.
    return file.read(XMLReader::maximumInputSize + 1);
}

} // namespace

int envelope(const QStringList &arguments)
{
    const std::optional<Request> request = parseRequest(arguments);
    if (!request)
        return 2;
    const QByteArray body = Envelope::body(request->operation, request->fields) + '\n';
    std::fwrite(body.constData(), 1, size_t(body.size()), stdout);
    return 0;
}

int call(const QStringList &arguments, const AppOptions &options, bool json)
{
    const std::optional<Request> request = parseRequest(arguments);
    if (!request)
        return 2;

    QNetworkAccessManager manager;
    NetworkTransport transport(&manager);
    ServiceClient client(&transport, options.serviceUrl);
    int status = 1;
    client.call(
        request->operation, request->fields, &manager,
        [&status, json](const ServiceReply &reply) {
            if (json) {
                QJsonObject object;
                if (reply.returnText)
                    object.insert(u"returnText"_s, *reply.returnText);
                if (reply.replyDocument)
                    object.insert(u"replyDocument"_s,
                                  QJsonDocument::fromVariant(*reply.replyDocument).object());
                CliOutput::printJson(object);
            } else {
                CliOutput::print(u"return text: "_s +
                                 (reply.returnText ? *reply.returnText : u"(absent)"_s));
                CliOutput::print(reply.replyDocument
                                     ? u"reply document:\n"_s +
                                           CliOutput::dictionaryTree(*reply.replyDocument)
                                     : u"reply document: (absent)"_s);
            }
            status = reply.returnText ? 0 : 1;
            QCoreApplication::quit();
        },
        [&options] {
            CliOutput::error(u"no reply from %1"_s.arg(options.serviceUrl.toString()));
            QCoreApplication::exit(3);
        });
    const int loopStatus = QCoreApplication::exec();
    return loopStatus != 0 ? loopStatus : status;
}

int readXml(const QStringList &arguments, bool json)
{
    const std::optional<QByteArray> input = readInput(arguments);
    if (!input)
        return 1;
    QString error;
    const std::optional<QVariantMap> dictionary = XMLReader::dictionaryForXMLData(*input, &error);
    if (!dictionary) {
        CliOutput::error(u"not a well-formed XML document: %1"_s.arg(error));
        return 1;
    }
    if (json)
        CliOutput::printJson(QJsonDocument::fromVariant(*dictionary).object());
    else
        CliOutput::print(CliOutput::dictionaryTree(*dictionary));
    return 0;
}

} // namespace ServiceCommands
