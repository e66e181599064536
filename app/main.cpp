// Composition root of the app: makes the platform services, hands them to the
// application delegate, and runs the event loop.

#include "platform/AppOptions.h"
#include "platform/DesktopNotifications.h"
#include "platform/IniSettingsStore.h"
#include "platform/NetworkTransport.h"
#include "platform/SandboxWallet.h"
#include "platform/SecureStoreFactory.h"
#include "service/ServiceClient.h"
#include "shell/AppDelegate.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QQmlApplicationEngine>
#include <QTimer>
#include <chrono>
#include <optional>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcApp, "tarvo.app")

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(u"tarvo"_s);
    QGuiApplication::setOrganizationName(u"Tarvo"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Tarvo Pay: utility bills, payments and notices."_s);
    parser.addHelpOption();
    AppOptions::addTo(parser);
    const QCommandLineOption quitAfterOption(
        u"quit-after"_s, u"Quit cleanly after this many seconds."_s, u"SECONDS"_s);
    parser.addOption(quitAfterOption);
    parser.addPositionalArgument(u"url"_s, u"A URL the wallet opens the app with."_s, u"[url]"_s);
    parser.process(app);

    std::optional<std::chrono::milliseconds> quitAfter;
    if (parser.isSet(quitAfterOption)) {
        bool isNumber = false;
        const double seconds = parser.value(quitAfterOption).toDouble(&isNumber);
        if (!isNumber || seconds < 0) {
            qCCritical(lcApp) << "--quit-after needs a number of seconds";
            return 2;
        }
        quitAfter = std::chrono::milliseconds(qint64(seconds * 1000));
    }
    if (parser.positionalArguments().size() > 1) {
        qCCritical(lcApp) << "at most one URL can be given";
        return 2;
    }

    const AppOptions options = AppOptions::from(parser);
    if (!options.error.isEmpty()) {
        qCCritical(lcApp).noquote() << options.error;
        return 2;
    }
    if (!QDir().mkpath(options.home))
        qCWarning(lcApp).noquote() << "cannot create the home folder" << options.home;
    qCInfo(lcApp).noquote() << "home folder:" << options.home;

    QNetworkAccessManager network;
    NetworkTransport transport(&network);
    ServiceClient service(&transport, options.serviceUrl);
    IniSettingsStore settings(options.home);
    const std::unique_ptr<SecureStore> secureStore = makeSecureStore(options.home);
    SandboxWallet wallet(&network, options.walletUrl(), options.walletAvailability);
    DesktopNotifications notifications;
    AppDelegate delegate(&settings, secureStore.get(), &service, &wallet, &notifications);
    // The wallet's answer comes back the way a phone reopens the app: as a URL.
    wallet.setUrlOpener([&delegate](const QUrl &url) { delegate.handleOpenURL(url); });

    QQmlApplicationEngine engine;
    QObject::connect(&delegate, &AppDelegate::windowNeeded, &engine,
                     [&engine] { engine.load(QUrl(u"qrc:/qt/qml/TarvoApp/qml/Main.qml"_s)); });
    delegate.didFinishLaunchingWithOptions();
    if (engine.rootObjects().isEmpty()) {
        qCCritical(lcApp) << "the main window could not be loaded";
        return 1;
    }

    if (!parser.positionalArguments().isEmpty())
        delegate.handleOpenURL(QUrl(parser.positionalArguments().constFirst()));

    // Armed only now: a quit during the launch's waits would end those waits, not the app.
    if (quitAfter) {
        qCInfo(lcApp) << "quitting after" << quitAfter->count() << "ms";
        QTimer::singleShot(*quitAfter, &app, &QCoreApplication::quit);
    }
    return QGuiApplication::exec();
}
