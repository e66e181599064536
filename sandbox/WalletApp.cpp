#include "WalletApp.h"

#include "SandboxLog.h"
#include "Settlement.h"
#include "common/DataMD5.h"
#include "common/WeChatConfig.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

const QString unreadableRequest = u"支付请求无法识别"_s;
const QString foreignMerchant = u"商户信息不符"_s;
const QString badSignature = u"签名错误"_s;

struct WalletRequest
{
    QString appid, partnerId, prepayId, package, nonceStr, sign;
    quint32 timeStamp = 0;
};

std::optional<WalletRequest> readRequest(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    for (const QLatin1StringView name :
         {"appid"_L1, "partnerId"_L1, "prepayId"_L1, "package"_L1, "nonceStr"_L1, "sign"_L1}) {
        if (!object.value(name).isString())
            return std::nullopt;
    }
    const qint64 timeStamp = object.value("timeStamp"_L1).toInteger(-1);
    if (timeStamp < 0 || timeStamp > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return WalletRequest{object.value("appid"_L1).toString(),
                         object.value("partnerId"_L1).toString(),
                         object.value("prepayId"_L1).toString(),
                         object.value("package"_L1).toString(),
                         object.value("nonceStr"_L1).toString(),
                         object.value("sign"_L1).toString(),
                         quint32(timeStamp)};
}

HttpAnswer openApp(int status, const QUrlQuery &query)
{
    QUrl url;
    url.setScheme(WeChatConfig::appId);
    url.setHost(u"pay"_s);
    url.setPath(u"/"_s);
    url.setQuery(query);
    const QJsonObject reply{{"url"_L1, url.toString(QUrl::FullyEncoded)}};
    return {status, "application/json", QJsonDocument(reply).toJson(QJsonDocument::Compact)};
}

HttpAnswer refuse(const QString &prepayId, const QString &reason, int status = 200)
{
    qCInfo(lcSandbox).noquote() << u"wallet refused order \"%1\": %2"_s.arg(prepayId, reason);
    QUrlQuery query;
    query.addQueryItem(u"ret"_s, u"-1"_s);
    query.addQueryItem(u"errStr"_s, reason);
    return openApp(status, query);
}

} // namespace

WalletApp::WalletApp(const Store &store)
    : m_store(store)
{}

HttpAnswer WalletApp::pay(const QByteArray &body) const
{
    const std::optional<WalletRequest> request = readRequest(body);
    if (!request)
        return refuse(QString(), unreadableRequest, 400);
    if (request->appid != WeChatConfig::appId || request->partnerId != WeChatConfig::merchantId ||
        request->package != WeChatConfig::package)
        return refuse(request->prepayId, foreignMerchant);
    // The key never travels: the wallet signs the same fields again and compares.
    const QString expected =
        DataMD5().createMD5SingForPay(request->appid, request->partnerId, request->prepayId,
                                      request->package, request->nonceStr, request->timeStamp);
    if (request->sign != expected)
        return refuse(request->prepayId, badSignature);
    if (const std::optional<QString> reason = settleOrder(m_store, request->prepayId))
        return refuse(request->prepayId, *reason);

    QUrlQuery query;
    query.addQueryItem(u"ret"_s, u"0"_s);
    query.addQueryItem(u"returnKey"_s, request->prepayId);
    return openApp(200, query);
}

} // namespace sandbox
