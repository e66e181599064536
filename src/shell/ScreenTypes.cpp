#include "ScreenTypes.h"

#include "BaseViewController.h"
#include "QmlNavigator.h"

#include <QQmlEngine>

using namespace Qt::StringLiterals;

void registerScreenTypes(QmlNavigator *navigator)
{
    const char *uri = "Tarvo";
    qmlRegisterSingletonInstance(uri, 1, 0, "Navigator", navigator);
    const QString madeInCpp = u"made by the screens in C++"_s;
    qmlRegisterUncreatableType<ViewController>(uri, 1, 0, "ViewController", madeInCpp);
    qmlRegisterUncreatableType<BaseViewController>(uri, 1, 0, "BaseViewController", madeInCpp);
}
