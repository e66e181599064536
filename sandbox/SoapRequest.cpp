#include "SoapRequest.h"

#include "service/Envelope.h"

#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

SoapFault clientFault(const QString &message)
{
    return {u"Client"_s, message};
}

// The next token, or a fault for what the service never reads: malformed text, a DTD
// (which could declare entities) or a reference to an entity.
std::optional<SoapFault> advance(QXmlStreamReader &xml, const QString &where)
{
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::DTD)
        return clientFault(where + u": document type declarations are not accepted"_s);
    if (token == QXmlStreamReader::EntityReference)
        return clientFault(where + u": entity references are not accepted"_s);
    if (xml.hasError())
        return clientFault(where + u": "_s + xml.errorString());
    return std::nullopt;
}

// Moves to the next start element inside the current one; false at its end.
std::optional<SoapFault> nextChild(QXmlStreamReader &xml, const QString &where, bool *found)
{
    for (;;) {
        if (std::optional<SoapFault> fault = advance(xml, where))
            return fault;
        if (xml.isStartElement()) {
            *found = true;
            return std::nullopt;
        }
        if (xml.isEndElement() || xml.atEnd()) {
            *found = false;
            return std::nullopt;
        }
    }
}

// The text content of the current element; child elements make it unreadable.
std::optional<SoapFault> elementText(QXmlStreamReader &xml, const QString &where, QString *text)
{
    for (;;) {
        if (std::optional<SoapFault> fault = advance(xml, where))
            return fault;
        if (xml.isCharacters())
            text->append(xml.text());
        else if (xml.isStartElement())
            return clientFault(where + u": element <"_s + xml.name().toString() +
                               u"> where text belongs"_s);
        else if (xml.isEndElement())
            return std::nullopt;
    }
}

// Skips the current element whole, still refusing DTDs and entities inside it.
std::optional<SoapFault> skipElement(QXmlStreamReader &xml, const QString &where)
{
    for (int depth = 1; depth > 0;) {
        if (std::optional<SoapFault> fault = advance(xml, where))
            return fault;
        if (xml.isStartElement())
            ++depth;
        else if (xml.isEndElement())
            --depth;
    }
    return std::nullopt;
}

// Reads to the end so that a document broken after the part we use is still refused.
std::optional<SoapFault> readToEnd(QXmlStreamReader &xml, const QString &where)
{
    while (!xml.atEnd()) {
        if (std::optional<SoapFault> fault = advance(xml, where))
            return fault;
    }
    return std::nullopt;
}

std::variant<QHash<QString, QString>, SoapFault> readArguments(const QString &document)
{
    static const QString where = u"argument document"_s;
    QXmlStreamReader xml(document);
    bool found = false;
    if (std::optional<SoapFault> fault = nextChild(xml, where, &found))
        return *fault;
    if (!found || xml.name() != u"info")
        return clientFault(where + u": the root element must be <info>"_s);

    QHash<QString, QString> fields;
    for (;;) {
        if (std::optional<SoapFault> fault = nextChild(xml, where, &found))
            return *fault;
        if (!found)
            break;
        const QString name = xml.name().toString();
        QString value;
        if (std::optional<SoapFault> fault = elementText(xml, where, &value))
            return *fault;
        if (!fields.contains(name)) // a repeated field keeps its first value
            fields.insert(name, value);
    }
    if (std::optional<SoapFault> fault = readToEnd(xml, where))
        return *fault;
    return fields;
}

} // namespace

std::variant<SoapCall, SoapFault> readSoapCall(const QByteArray &body)
{
    static const QString where = u"envelope"_s;
    QXmlStreamReader xml(body);
    bool found = false;
    if (std::optional<SoapFault> fault = nextChild(xml, where, &found))
        return *fault;
    if (!found || xml.name() != u"Envelope")
        return clientFault(u"not a SOAP envelope"_s);
    if (xml.namespaceUri() != Envelope::soapNamespace)
        return SoapFault{u"VersionMismatch"_s, u"only SOAP 1.1 envelopes are served"_s};

    // Envelope children: an optional Header, then Body.
    for (;;) {
        if (std::optional<SoapFault> fault = nextChild(xml, where, &found))
            return *fault;
        if (!found)
            return clientFault(u"the envelope has no Body"_s);
        if (xml.name() == u"Body" && xml.namespaceUri() == Envelope::soapNamespace)
            break;
        if (std::optional<SoapFault> fault = skipElement(xml, where))
            return *fault;
    }

    if (std::optional<SoapFault> fault = nextChild(xml, where, &found))
        return *fault;
    if (!found)
        return clientFault(u"the Body holds no operation"_s);
    SoapCall call;
    call.operation = xml.name().toString();
    // An operation of another service, even with a familiar name, is not ours to run.
    if (xml.namespaceUri() != Envelope::serviceNamespace)
        return clientFault(call.operation + u" is not an operation of this service's namespace"_s);

    std::optional<QString> argument;
    for (;;) {
        if (std::optional<SoapFault> fault = nextChild(xml, where, &found))
            return *fault;
        if (!found)
            break;
        if (xml.name() == u"arg0" && !argument) {
            QString text;
            if (std::optional<SoapFault> fault = elementText(xml, where, &text))
                return *fault;
            argument = text;
        } else if (std::optional<SoapFault> fault = skipElement(xml, where)) {
            return *fault;
        }
    }
    if (std::optional<SoapFault> fault = readToEnd(xml, where))
        return *fault;
    if (!argument)
        return clientFault(call.operation + u" has no arg0"_s);

    auto fields = readArguments(*argument);
    if (auto *fault = std::get_if<SoapFault>(&fields))
        return *fault;
    call.fields = std::get<QHash<QString, QString>>(std::move(fields));
    return call;
}

} // namespace sandbox
