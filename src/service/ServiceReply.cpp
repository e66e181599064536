#include "ServiceReply.h"

#include "DocumentDictionary.h"
#include "ServiceLog.h"
#include "XMLReader.h"

using namespace Qt::StringLiterals;

ServiceReply ServiceReply::unwrap(ServiceOperation operation, const QByteArray &body,
                                  Reading reading)
{
    ServiceReply reply;

    // The reader takes the bytes as they are: decoding the body to text only for the
    // reader to encode it again would double the cost of a large reply. It also decodes a
    // body whose declaration names another encoding, and refuses bytes that fit none.
    QString why;
    const std::optional<QVariantMap> envelope = XMLReader::dictionaryForXMLData(body, &why);
    if (!envelope) {
        qCInfo(lcService) << "reply is not an XML document:" << why;
        return reply;
    }

    const ServiceOperationInfo &info = operationInfo(operation);
    // The service's prefixes are part of the contract: other prefixes mean no return text.
    // Kept name (wire): see docs/names.md
    const QString responseName = u"ns0:"_s + info.name + u"Response"_s;
    reply.returnText = DocumentDictionary::textAt(
        *envelope, {u"soap:Envelope", u"soap:Body", responseName, u"return"});
    if (!reply.returnText) {
        qCInfo(lcService) << "reply to" << info.name << "has no return text";
        return reply;
    }
    if (info.hasReplyDocument && reading == Reading::document)
        reply.replyDocument = XMLReader::dictionaryForXMLString(*reply.returnText);
    return reply;
}
