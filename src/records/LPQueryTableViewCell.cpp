#include "LPQueryTableViewCell.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace LPQueryTableViewCell {

namespace {

QVariantMap line(const char *caption, const QString &value)
{
    return {{u"caption"_s, QCoreApplication::translate("LPQueryTableViewCell", caption)},
            {u"value"_s, value}};
}

} // namespace

QVariantList setDic(const PayRecord &dic)
{
    return {line("缴费编号", dic.userbh), line("缴费日期", dic.jfrq),
            line("缴费金额", dic.amountText())};
}

} // namespace LPQueryTableViewCell
