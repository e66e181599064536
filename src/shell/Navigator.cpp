#include "Navigator.h"

#include <QCoreApplication>

void Navigator::notice(const QString &message)
{
    alert(QCoreApplication::translate("Navigator", "温馨提示"), message,
          {{QCoreApplication::translate("Navigator", "确定"), {}}});
}
