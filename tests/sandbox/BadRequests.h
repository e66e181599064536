#pragma once

#include "BadReplies.h"
#include "service/Envelope.h"

/// Requests to the service that a careless or hostile client might send.
namespace BadRequests {

inline QByteArray goodQuery()
{
    return Envelope::body(ServiceOperation::queryExpense,
                          {{QStringLiteral("queryValue"), QStringLiteral("1000001")}});
}

/// The app's envelope for `operation` with `argument` as the content of arg0, as given.
inline QByteArray envelopeAround(const QString &operation, const QString &argument)
{
    using namespace Qt::StringLiterals;
    return (u"<s:Envelope xmlns:s=\""_s + Envelope::soapNamespace + u"\"><s:Body><"_s + operation +
            u" xmlns=\""_s + Envelope::serviceNamespace + u"\"><arg0 xmlns=\"\">"_s + argument +
            u"</arg0></"_s + operation + u"></s:Body></s:Envelope>"_s)
        .toUtf8();
}

/// Bodies the service must refuse with a fault, whatever else it is doing.
inline QList<BadReplies::Case> all()
{
    const QByteArray good = goodQuery();
    return {
        {"empty", {}},
        {"cut", good.chopped(40)},
        {"not XML", "queryExpense 1000001"},
        {"not UTF-8", QByteArray(good).replace("1000001", "10\xff\xfe")},
        {"entity bomb",
         BadReplies::billionLaughs() + QByteArray(good).replace("1000001", "&lol9;")},
        {"50 MiB", good + QByteArray(50 * 1024 * 1024, ' ')},
        {"wrong namespace",
         QByteArray(good).replace(Envelope::serviceNamespace.latin1(), "http://other.example/")},
        {"missing arg0", QByteArray(good).replace("arg0", "arg9")},
        {"arg0 not XML", envelopeAround(QStringLiteral("queryExpense"), QStringLiteral("1000001"))},
        {"unknown operation", QByteArray(good).replace("queryExpense", "dropTables")},
    };
}

} // namespace BadRequests
