#include "LPPayDeatilViewController.h"

#include "PayAction.h"
#include "platform/SettingsStore.h"
#include "shell/Navigator.h"

using namespace Qt::StringLiterals;

LPPayDeatilViewController::LPPayDeatilViewController(Navigator *navigator,
                                                     const ScreenServices &services,
                                                     const QList<queryListModel> &dataSource,
                                                     const PayModel &model, const QString &userID,
                                                     QObject *parent)
    : BaseViewController(navigator, parent)
    , m_services(services)
    , m_payAction(new PayAction(navigator, services, this))
    , m_dataSource(dataSource)
    , m_model(model)
    , m_userID(userID)
{
    // The bills listed here are paid: back to the payment screen, which looks again.
    connect(m_payAction, &PayAction::paid, this, [this](const QString &account) {
        this->navigator()->pop(true);
        emit paid(account);
    });
}

QString LPPayDeatilViewController::typeText(const QString &rcvType)
{
    if (rcvType == u"W"_s)
        return tr("水费");
    if (rcvType == u"P"_s)
        return tr("电费");
    return tr("气费");
}

QVariantList LPPayDeatilViewController::rows() const
{
    QVariantList rows;
    for (const queryListModel &bill : m_dataSource)
        rows.append(QVariantMap{{u"date"_s, bill.rcvblYm},
                                {u"type"_s, typeText(bill.rcvType)},
                                {u"amount"_s, bill.rcvblAmt}});
    return rows;
}

void LPPayDeatilViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("欠费明细"));
    setIsShowWhiteBack(true);
}

void LPPayDeatilViewController::pay()
{
    m_payAction->pay([this] {
        return PayAction::Payment::of(m_userID, m_services.account.settings->string(u"UUID"_s),
                                      m_model);
    });
}
