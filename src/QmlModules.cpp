#include "QmlModules.h"

#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>

// The modules are static plugins: each import keeps its plugin in the linked program.
Q_IMPORT_QML_PLUGIN(Tarvo_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_ShellPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_HomePlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_AccountPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_BillingPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_RedPacketsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_RecordsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_InfoPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_MapPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_WebPlugin)

void importQmlModules(QQmlEngine &engine)
{
    // Where the modules' files are: Qt 6.4 does not look there by itself.
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
}
