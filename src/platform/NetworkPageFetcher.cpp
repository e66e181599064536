#include "NetworkPageFetcher.h"

#include "WholeReply.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// "text/html; charset=gbk" gives "gbk"; the value may be quoted.
QByteArray charsetParameter(const QByteArray &contentType)
{
    const QList<QByteArray> parameters = contentType.split(';');
    for (qsizetype i = 1; i < parameters.size(); ++i) {
        const QByteArray parameter = parameters[i].trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0 || parameter.first(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = parameter.sliced(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.sliced(1, value.size() - 2);
        return value;
    }
    return {};
}

} // namespace

NetworkPageFetcher::NetworkPageFetcher(QNetworkAccessManager *manager,
                                       std::chrono::milliseconds deadline)
    : m_manager(manager)
    , m_deadline(deadline)
{}

void NetworkPageFetcher::get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
                             PageHandler onPage, FailureHandler onFailure)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(int(timeout.count()));

    QNetworkReply *reply = m_manager->get(request);
    // The reply is deleted only after the body has been handed over.
    deliverWhole(
        reply, context, maximumPageSize, m_deadline,
        [reply, onPage = std::move(onPage)](const QByteArray &body) {
            if (onPage)
                onPage({body, reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                        charsetParameter(reply->rawHeader("Content-Type"))});
        },
        std::move(onFailure));
}
