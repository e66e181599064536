#pragma once

#include "TestData.h"
#include "service/Envelope.h"
#include "service/ServiceOperation.h"

#include <QByteArray>
#include <QList>
#include <QString>

/// Service replies as a broken or hostile peer might send them, for tables that check a
/// reader or a screen ends each in a defined outcome.
namespace BadReplies {

struct Case
{
    QByteArray name;
    QByteArray body;
};

/// A reply as the service writes it, with the return content given already escaped.
inline QByteArray soapReply(const QString &operation, const QString &escapedReturn,
                            const QString &soapPrefix = QStringLiteral("soap"),
                            const QString &nsPrefix = QStringLiteral("ns0"))
{
    using namespace Qt::StringLiterals;
    const QString response = nsPrefix + u':' + operation + u"Response"_s;
    return (u"<"_s + soapPrefix + u":Envelope xmlns:"_s + soapPrefix + u"=\""_s +
            Envelope::soapNamespace + u"\"><"_s + soapPrefix + u":Body><"_s + response +
            u" xmlns:"_s + nsPrefix + u"=\""_s + Envelope::serviceNamespace + u"\"><return>"_s +
            escapedReturn + u"</return></"_s + response + u"></"_s + soapPrefix + u":Body></"_s +
            soapPrefix + u":Envelope>"_s)
        .toUtf8();
}

/// The same with an inner document given as plain markup.
inline QByteArray documentReply(const QString &operation, const QString &document)
{
    return soapReply(operation, Envelope::escapeText(document));
}

/// A DOCTYPE declaring entities that expand to 10^9 "lol"s.
inline QByteArray billionLaughs()
{
    QByteArray doctype = "<!DOCTYPE lolz [<!ENTITY lol0 \"lol\">";
    for (int i = 1; i < 10; ++i) {
        doctype += "<!ENTITY lol" + QByteArray::number(i) + " \"";
        for (int j = 0; j < 10; ++j)
            doctype += "&lol" + QByteArray::number(i - 1) + ';';
        doctype += "\">";
    }
    return doctype + "]>";
}

/// The service's reply to `operation` with a file under tests/data as its return document.
inline QByteArray fileReply(const QString &operation, const QString &dataFile)
{
    return documentReply(operation, QString::fromUtf8(TestData::file(dataFile)));
}

/// A web server's own error page where the service should answer.
inline QByteArray htmlErrorPage()
{
    return TestData::file(QStringLiteral("service/server-error-page.html"));
}

/// The service's fault: an envelope without a return text.
inline QByteArray soapFault()
{
    return TestData::file(QStringLiteral("service/soap-fault.xml"));
}

/// Bodies that must give no return text (or no reply document) for `operation`: each
/// sender has to end such a reply in its own defined outcome.
inline QList<Case> forOperation(ServiceOperation operation)
{
    const QString name = operationInfo(operation).name;
    const QByteArray good = documentReply(name, QStringLiteral("<info><flag>1</flag></info>"));
    // The inner document travels escaped inside the outer one.
    const auto withFlag = [&good](const QByteArray &flag) {
        return QByteArray(good).replace("&lt;flag&gt;1&lt;", "&lt;flag&gt;" + flag + "&lt;");
    };
    return {
        {"empty body", {}},
        {"not XML", "Service Unavailable"},
        {"GBK text", withFlag("\xb2\xe9\xd1\xaf")},
        {"Latin-1 byte", withFlag("\xe9")},
        {"cut short", good.chopped(20)},
        {"HTML error page", htmlErrorPage()},
        {"SOAP fault", soapFault()},
        {"entity bomb", billionLaughs() + withFlag("&lol9;")},
        {"entity bomb in the return text",
         soapReply(name, Envelope::escapeText(QString::fromLatin1(billionLaughs())) +
                             QStringLiteral("&lt;info&gt;&amp;lol9;&lt;/info&gt;"))},
        {"other prefixes",
         soapReply(name, QStringLiteral("1"), QStringLiteral("S"), QStringLiteral("ns2"))},
        {"reply of another operation",
         soapReply(name == u"checkUser" ? QStringLiteral("queryHbxx") : QStringLiteral("checkUser"),
                   QStringLiteral("1"))},
        {"return repeated", QByteArray(good).replace("</return>", "</return><return>2</return>")},
        {"empty return", soapReply(name, {})},
        {"return text not XML", soapReply(name, QStringLiteral("java.lang.NullPointerException"))},
        {"return text of another shape",
         documentReply(name, QStringLiteral("<result><code>1</code></result>"))},
    };
}

} // namespace BadReplies
