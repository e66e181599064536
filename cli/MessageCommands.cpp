#include "MessageCommands.h"

#include "CliOutput.h"
#include "CliServices.h"
#include "service/DocumentDictionary.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace MessageCommands {

namespace {

// The three texts of a message element; one the element lacks is left out.
QJsonObject messageJson(const QVariantMap &message)
{
    QJsonObject object;
    for (const QString &key : {u"titles"_s, u"contexts"_s, u"msgid"_s}) {
        if (const std::optional<QString> text = DocumentDictionary::textAt(message, {key}))
            object.insert(key, *text);
    }
    return object;
}

QString messageText(const QJsonObject &message)
{
    return u"%1  %2\n    %3"_s.arg(message.value(u"msgid"_s).toString(u"-"_s),
                                   message.value(u"titles"_s).toString(),
                                   message.value(u"contexts"_s).toString());
}

} // namespace

int messages(const AppOptions &options, const QString &since, bool json)
{
    CliServices services(options);
    int status = 1;
    services.client.call(
        ServiceOperation::backMessage, {{u"msgid"_s, since}}, &services.network,
        [&status, json](const ServiceReply &reply) {
            if (!reply.replyDocument) {
                CliOutput::error(u"the reply holds no message list"_s);
                QCoreApplication::exit(1);
                return;
            }
            // One message comes as a single element, several as a list.
            QJsonArray messages;
            for (const QVariantMap &message : DocumentDictionary::elements(
                     DocumentDictionary::valueAt(*reply.replyDocument, {u"info", u"queryList"})))
                messages.append(messageJson(message));
            if (json) {
                CliOutput::printJson(messages);
            } else if (messages.isEmpty()) {
                CliOutput::print(u"no messages"_s);
            } else {
                for (const QJsonValue &message : std::as_const(messages))
                    CliOutput::print(messageText(message.toObject()));
            }
            status = 0;
            QCoreApplication::exit(0);
        },
        [&options] {
            CliOutput::error(u"no reply from %1"_s.arg(options.serviceUrl.toString()));
            QCoreApplication::exit(3);
        });
    const int loopStatus = QCoreApplication::exec();
    return loopStatus != 0 ? loopStatus : status;
}

} // namespace MessageCommands
