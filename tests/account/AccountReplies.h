#pragma once

#include "service/Envelope.h"

#include <QByteArray>
#include <QString>

/// `checkUser` and `registerUser` replies as the service writes them.
namespace AccountReplies {

using namespace Qt::StringLiterals;

inline QByteArray envelope(const QString &operation, const QString &returnText)
{
    return (u"<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
            "<soap:Body><ns0:"_s +
            operation + u"Response xmlns:ns0=\"http://service.trvo.tarvo.cn/\"><return>"_s +
            Envelope::escapeText(returnText) + u"</return></ns0:"_s + operation +
            u"Response></soap:Body></soap:Envelope>"_s)
        .toUtf8();
}

inline QByteArray checkUser(const QString &answer)
{
    return envelope(u"checkUser"_s, answer);
}

inline QByteArray registerUser(const QString &info)
{
    return envelope(u"registerUser"_s, info);
}

} // namespace AccountReplies
