#include "NetworkPageFetcher.h"

#include "WholeReply.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>

NetworkPageFetcher::NetworkPageFetcher(QNetworkAccessManager *manager)
    : m_manager(manager)
{}

void NetworkPageFetcher::get(const QUrl &url, std::chrono::milliseconds timeout, QObject *context,
                             PageHandler onPage, FailureHandler onFailure)
{
    QNetworkRequest request(url);

    deliverWhole(m_manager->get(request), context, maximumPageSize, timeout, std::move(onPage),
                 std::move(onFailure));
}
