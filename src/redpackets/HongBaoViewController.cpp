#include "HongBaoViewController.h"

#include "RedPacketListRows.h"
#include "RedPacketReply.h"
#include "RedPacketsLog.h"
#include "service/ServiceClient.h"
#include "shell/KTLoadingView.h"
#include "shell/Navigator.h"

#include <utility>

using namespace Qt::StringLiterals;

HongBaoViewController::HongBaoViewController(Navigator *navigator, ServiceClient *client,
                                             std::optional<QString> account, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_client(client)
    , m_account(std::move(account))
{}

void HongBaoViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setIsShowWhiteBack(true);
    setTitle(tr("我的红包"));
    if (!m_account) {
        // Packets belong to a signed-in account; asking for nobody's would only ever fail.
        qCInfo(lcRedPackets) << "no sign-in: red packets not queried";
        finish();
        return;
    }
    query(*m_account);
}

void HongBaoViewController::query(const QString &account)
{
    m_loadingView = new KTLoadingView(this);
    m_loadingView->startAnimation();
    m_loadingView->setType(0);
    m_client->call(
        ServiceOperation::queryHbxx, {{u"useraccount"_s, account}}, this,
        [this](const ServiceReply &reply) {
            if (reply.returnText) {
                m_packets.append(RedPacketReply::records(reply.replyDocument));
                emit rowsChanged();
            }
            finish();
        },
        [this] {
            finish();
            navigator()->notice(tr("网络异常!"));
        });
}

void HongBaoViewController::finish()
{
    if (m_loadingView) {
        m_loadingView->endAnimation();
        delete std::exchange(m_loadingView, nullptr);
    }
    m_answered = true;
    emit answeredChanged();
}

QVariantList HongBaoViewController::rows() const
{
    QVariantList rows;
    for (const RedPacketRecord &packet : m_packets) {
        rows.append(QVariantMap{{u"date"_s, RedPacketListRows::dateText(packet)},
                                {u"amount"_s, RedPacketListRows::amountText(packet)}});
    }
    return rows;
}

qreal HongBaoViewController::rowHeight(qreal windowWidth) const
{
    return RedPacketListRows::rowHeight(windowWidth);
}

qreal HongBaoViewController::sectionHeaderHeight(int section, qreal windowWidth) const
{
    return RedPacketListRows::sectionHeaderHeight(section, windowWidth);
}
