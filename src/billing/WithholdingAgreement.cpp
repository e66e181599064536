#include "WithholdingAgreement.h"

#include "BillingLog.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace WithholdingAgreement {

QString text()
{
    QFile file(u":/tarvo/agreement/withholding-agreement.txt"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcBilling) << "no withholding agreement in the app's resources";
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace WithholdingAgreement
