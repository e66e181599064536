#include "Navigator.h"

#include <QCoreApplication>

void Navigator::notice(const QString &message, std::function<void()> afterwards)
{
    alert(QCoreApplication::translate("Navigator", "温馨提示"), message,
          {{QCoreApplication::translate("Navigator", "确定"), std::move(afterwards)}});
}
