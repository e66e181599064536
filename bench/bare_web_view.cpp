// The web view yardstick: the smallest Qt Quick program that shows a page of HTML in a
// WebEngineView. Once its window has shown its first frame it makes the web view with the
// HTML of FILE, as the app makes its web view when a notice page has arrived, and reports the
// same lines as `tarvo --notice-probe`: the steady clock when the view was asked for
// ("tap-ns"), at the first frame swapped after the page has loaded and its text has been read
// back ("painted-ns"), and the resident memory then. Quits a second later.
#include "ResidentMemory.h"

#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QtWebEngineQuick/QtWebEngineQuick>
#include <chrono>
#include <cstdio>

namespace {

qint64 steadyNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

enum class Step { window, page, painting, done };

} // namespace

int main(int argc, char **argv)
{
    QtWebEngineQuick::initialize();
    QGuiApplication app(argc, argv);
    QFile file(app.arguments().value(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: tarvo_bench_bare_web_view FILE.html\n");
        return 2;
    }
    const QString html = QString::fromUtf8(file.readAll());
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick\n"
                    "import QtWebEngine\n"
                    "Window {\n"
                    "  id: root; width: 375; height: 667; visible: true\n"
                    "  property string html\n"
                    "  property string shownText\n"
                    "  Loader {\n"
                    "    anchors.fill: parent; active: root.html !== ''\n"
                    "    sourceComponent: WebEngineView {\n"
                    "      Component.onCompleted: loadHtml(root.html)\n"
                    "      onLoadingChanged: (request) => {\n"
                    "        if (request.status === WebEngineView.LoadSucceededStatus)\n"
                    "          runJavaScript(\"document.body ? document.body.innerText : ''\",\n"
                    "                        (text) => root.shownText = text)\n"
                    "      }\n"
                    "    }\n"
                    "  }\n"
                    "}\n");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;

    Step step = Step::window;
    qint64 tapNs = 0;
    qint64 loadedNs = 0;
    const auto frameSwapped = [&](qint64 ns) {
        if (step == Step::window) {
            step = Step::page;
            tapNs = steadyNow();
            window->setProperty("html", html);
        } else if (step == Step::painting && ns >= loadedNs) {
            step = Step::done;
            std::printf("tap-ns %lld\npainted-ns %lld\nrss-kib %s\n", static_cast<long long>(tapNs),
                        static_cast<long long>(ns), residentKibText().constData());
            std::fflush(stdout);
            QTimer::singleShot(1000, qApp, [] { QCoreApplication::exit(0); });
        }
    };
    QObject::connect(
        window, &QQuickWindow::frameSwapped, &app,
        [&] {
            const qint64 ns = steadyNow();
            QMetaObject::invokeMethod(
                &app, [&, ns] { frameSwapped(ns); }, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    // Looked at every 10 ms, as the app's probe does.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (step == Step::page && !window->property("shownText").toString().isEmpty()) {
            step = Step::painting;
            loadedNs = steadyNow();
            window->update();
        }
    });
    poll.start(10);
    return app.exec();
}
