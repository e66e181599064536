#include "NetworkPageFetcher.h"

#include "WholeReply.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>

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

    deliverWhole(m_manager->get(request), context, maximumPageSize, m_deadline, std::move(onPage),
                 std::move(onFailure));
}
