#pragma once

class QmlNavigator;

/// Makes the screen base known to QML as module "Tarvo": the Navigator singleton and the
/// controller types pages name in their required properties. Once per process.
void registerScreenTypes(QmlNavigator *navigator);
