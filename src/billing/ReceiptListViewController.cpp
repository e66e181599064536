#include "ReceiptListViewController.h"

#include "Money.h"
#include "ReceiptViewController.h"
#include "shell/Navigator.h"

using namespace Qt::StringLiterals;

ReceiptListViewController::ReceiptListViewController(Navigator *navigator,
                                                     const ReceiptFolder *folder, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_folder(folder)
{}

QVariantList ReceiptListViewController::rows() const
{
    QVariantList rows;
    for (const KeptReceipt &kept : m_receipts) {
        const Receipt &receipt = kept.receipt;
        const QString amount = Money::yuanText(receipt.paidFen) + tr("元");
        const QString time = receipt.orderTime.toString(u"yyyy-MM-dd HH:mm"_s);
        rows.append(
            QVariantMap{{u"account"_s, receipt.account},
                        {u"amount"_s, amount},
                        {u"time"_s, time},
                        {u"name"_s, tr("户号%1，%2，实付%3").arg(receipt.account, time, amount)}});
    }
    return rows;
}

QString ReceiptListViewController::folderPath() const
{
    return m_folder ? m_folder->path() : QString();
}

void ReceiptListViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("电子凭证"));
    setIsShowWhiteBack(true);
    m_receipts = m_folder ? m_folder->list() : QList<KeptReceipt>();
    emit rowsChanged();
}

void ReceiptListViewController::openReceipt(int index)
{
    if (index < 0 || index >= m_receipts.size())
        return;
    navigator()->push(new ReceiptViewController(navigator(), m_receipts.at(index), m_folder), true);
}
