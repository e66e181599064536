#include "ReceiptViewController.h"

#include "shell/Navigator.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QVariantList lineMaps(const QList<ReceiptLine> &lines)
{
    QVariantList maps;
    for (const ReceiptLine &line : lines)
        maps.append(QVariantMap{{u"caption"_s, line.caption}, {u"value"_s, line.value}});
    return maps;
}

} // namespace

ReceiptViewController::ReceiptViewController(Navigator *navigator, const KeptReceipt &kept,
                                             const ReceiptFolder *folder, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_kept(kept)
    , m_folder(folder)
{}

QString ReceiptViewController::company() const
{
    return Receipt::company();
}

QString ReceiptViewController::heading() const
{
    return Receipt::heading();
}

QVariantList ReceiptViewController::customerLines() const
{
    return lineMaps(m_kept.receipt.customerLines());
}

QStringList ReceiptViewController::billColumns() const
{
    return m_kept.receipt.billColumns();
}

QVariantList ReceiptViewController::bills() const
{
    QVariantList rows;
    for (const ReceiptBill &bill : m_kept.receipt.bills)
        rows.append(QVariant(Receipt::billCells(bill)));
    return rows;
}

QVariantList ReceiptViewController::amountLines() const
{
    return lineMaps(m_kept.receipt.amountLines());
}

QVariantList ReceiptViewController::orderLines() const
{
    return lineMaps(m_kept.receipt.orderLines());
}

void ReceiptViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("电子凭证"));
    setIsShowWhiteBack(true);
}

void ReceiptViewController::openPdf()
{
    if (!QFile::exists(m_kept.pdfPath)) {
        navigator()->notice(tr("凭证文件已不存在：%1").arg(m_kept.pdfPath));
        return;
    }
    if (!m_folder || !m_folder->open(m_kept.pdfPath))
        navigator()->notice(tr("没有可以打开PDF的程序，凭证保存在：%1").arg(m_kept.pdfPath));
}
