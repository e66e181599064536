// The start-up yardstick: the smallest Qt Quick program that shows a phone-sized window with
// one line of Chinese text, reporting its first frame and memory the way `tarvo --startup-probe`
// does.
#include "ResidentMemory.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick\n"
                    "Window { width: 375; height: 667; visible: true;"
                    " Text { anchors.centerIn: parent; text: '\xe7\x99\xbb\xe5\xbd\x95' } }");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    QObject::connect(
        window, &QQuickWindow::frameSwapped, &app,
        [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-frame-ns %lld\nrss-kib %s\n",
                        static_cast<long long>(std::chrono::nanoseconds(now).count()),
                        residentKibText().constData());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        },
        Qt::SingleShotConnection);
    return app.exec();
}
