#pragma once

#include "QmlModules.h"
#include "driver/ViewProbe.h"
#include "shell/QmlNavigator.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTest>

/// The app's real main window loaded offscreen, its navigator wired to the views, for the tests
/// that look at screens the way a person does.
class MainWindowFixture
{
public:
    /// Loads the main window and waits until it is drawn; false when it did not come up.
    bool load()
    {
        importQmlModules(engine);
        navigator.serve(engine);
        engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Tarvo/Shell/Main.qml")));
        if (engine.rootObjects().size() != 1)
            return false;
        window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        return window && QTest::qWaitForWindowExposed(window);
    }

    ViewProbe probe() const { return ViewProbe(window); }

    QmlNavigator navigator{nullptr};
    QQmlApplicationEngine engine;
    QQuickWindow *window = nullptr;
};
