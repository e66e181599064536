#include "LPQueryListController.h"

#include "LPQueryTableViewCell.h"

void LPQueryListController::setDataSource(const QList<PayRecord> &dataSource)
{
    m_dataSource = dataSource;
    emit dataSourceChanged();
}

QVariantList LPQueryListController::rows() const
{
    QVariantList rows;
    rows.reserve(m_dataSource.size());
    for (const PayRecord &record : m_dataSource)
        rows.append(QVariant(LPQueryTableViewCell::setDic(record)));
    return rows;
}

void LPQueryListController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("缴费记录"));
    setIsShowWhiteBack(true);
}
