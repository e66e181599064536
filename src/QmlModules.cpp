#include "QmlModules.h"

#include <QtQml/qqmlextensionplugin.h>

// The modules are static plugins: each import keeps its plugin in the linked program.
Q_IMPORT_QML_PLUGIN(Tarvo_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_ShellPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_AccountPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_BillingPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_RedPacketsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_RecordsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_InfoPlugin)
Q_IMPORT_QML_PLUGIN(Tarvo_WebPlugin)

void importQmlModules() {}
