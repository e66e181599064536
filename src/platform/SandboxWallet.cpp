#include "SandboxWallet.h"

#include "PlatformLog.h"
#include "WXApiDelegate.h"
#include "WholeReply.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

// A wallet answer is a few hundred bytes; anything much larger is not one.
constexpr qint64 maximumAnswerSize = 64 * 1024;

} // namespace

SandboxWallet::SandboxWallet(QNetworkAccessManager *network, QUrl walletUrl,
                             WalletAvailability availability)
    : m_network(network)
    , m_walletUrl(std::move(walletUrl))
    , m_availability(availability)
{}

void SandboxWallet::setUrlOpener(std::function<void(const QUrl &)> opener)
{
    m_opener = std::move(opener);
}

QJsonObject SandboxWallet::requestJson(const QString &appId, const PayReq &request)
{
    // Kept name (wire): see docs/names.md
    return {{u"appid"_s, appId},
            {u"partnerId"_s, request.partnerId},
            {u"prepayId"_s, request.prepayId},
            {u"package"_s, request.package},
            {u"nonceStr"_s, request.nonceStr},
            {u"timeStamp"_s, qint64(request.timeStamp)},
            {u"sign"_s, request.sign}};
}

void SandboxWallet::registerApp(const QString &appId, const QString &description)
{
    m_appId = appId;
    qCDebug(lcPlatform) << "wallet app id registered for" << description;
}

bool SandboxWallet::handleOpenURL(const QUrl &url, WXApiDelegate *delegate)
{
    // QUrl keeps schemes in lower case; app ids are compared the same way.
    if (m_appId.isEmpty() || url.scheme().compare(m_appId, Qt::CaseInsensitive) != 0 ||
        url.host() != u"pay"_s || (!url.path().isEmpty() && url.path() != u"/"_s))
        return false;

    const QUrlQuery query(url);
    bool isNumber = false;
    // Kept name (wire): see docs/names.md
    const int errCode = query.queryItemValue(u"ret"_s).toInt(&isNumber);
    if (!isNumber)
        return false;

    PayResp resp;
    resp.errCode = errCode;
    resp.errStr = query.queryItemValue(u"errStr"_s, QUrl::FullyDecoded);
    resp.returnKey = query.queryItemValue(u"returnKey"_s, QUrl::FullyDecoded);
    resp.type = query.queryItemValue(u"type"_s).toInt();
    if (delegate)
        delegate->onResp(resp);
    return true;
}

bool SandboxWallet::isWXAppInstalled() const
{
    return m_availability != WalletAvailability::missing;
}

bool SandboxWallet::isWXAppSupportApi() const
{
    return m_availability == WalletAvailability::installed;
}

bool SandboxWallet::sendReq(const PayReq &request)
{
    if (!isWXAppInstalled() || !isWXAppSupportApi()) {
        qCInfo(lcPlatform) << "no wallet app to open for order" << request.prepayId;
        return false;
    }
    QNetworkRequest post(m_walletUrl);
    post.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    QNetworkReply *reply = m_network->post(
        post, QJsonDocument(requestJson(m_appId, request)).toJson(QJsonDocument::Compact));
    limitExchange(reply, m_timeout);
    // Owned here, so that a wallet going away takes its unanswered requests with it.
    reply->setParent(this);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        // An answer with an error status still carries the wallet's URL; only a missing or
        // unreadable answer leaves the app without one. A reply ended by its deadline is
        // closed and holds nothing to read.
        const QByteArray answer = reply->isOpen() ? reply->read(maximumAnswerSize) : QByteArray();
        const QUrl answered = QUrl(
            QJsonDocument::fromJson(answer).object().value(u"url"_s).toString(), QUrl::StrictMode);
        if (answered.isValid() && !answered.scheme().isEmpty()) {
            open(answered);
            return;
        }
        if (reply->error() != QNetworkReply::NoError)
            qCWarning(lcPlatform) << "no answer from the wallet:" << reply->errorString();
        else
            qCWarning(lcPlatform) << "the wallet's answer holds no URL";
        open(noAnswerUrl());
    });
    qCInfo(lcPlatform) << "wallet opened for order" << request.prepayId;
    return true;
}

void SandboxWallet::open(const QUrl &url)
{
    if (m_opener)
        m_opener(url);
    else
        qCWarning(lcPlatform) << "no URL opener set; the wallet's answer is dropped";
}

QUrl SandboxWallet::noAnswerUrl() const
{
    // The answer the app would get from a wallet that failed: no screen waits forever.
    QUrlQuery query;
    query.addQueryItem(u"ret"_s, u"-1"_s);
    query.addQueryItem(u"errStr"_s, u"钱包无响应"_s);
    QUrl url;
    url.setScheme(m_appId);
    url.setHost(u"pay"_s);
    url.setPath(u"/"_s);
    url.setQuery(query);
    return url;
}
