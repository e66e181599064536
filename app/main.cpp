// Composition root of the app: makes the platform services, hands them to the
// application delegate, and runs the event loop.

#include "NoticeProbe.h"
#include "QmlModules.h"
#include "Screenshots.h"
#include "ScriptedSignIn.h"
#include "StartupProbe.h"
#include "billing/PaymentResults.h"
#include "billing/ReceiptFolder.h"
#include "common/SignInSession.h"
#include "driver/GuidedTour.h"
#include "driver/ScreenshotTour.h"
#include "home/HomeViewController.h"
#include "home/ImageCache.h"
#include "home/ImageCacheProvider.h"
#include "platform/AppIdentity.h"
#include "platform/AppOptions.h"
#include "platform/Clock.h"
#include "platform/DesktopFileOpener.h"
#include "platform/DesktopNotifications.h"
#include "platform/IniSettingsStore.h"
#include "platform/NetworkPageFetcher.h"
#include "platform/NetworkReachability.h"
#include "platform/NetworkTransport.h"
#include "platform/NotificationCenter.h"
#include "platform/SandboxWallet.h"
#include "platform/SecureStoreFactory.h"
#include "platform/SingleInstance.h"
#include "service/ServiceClient.h"
#include "shell/AppDelegate.h"
#include "shell/AppLifecycle.h"
#include "shell/CareMode.h"
#include "shell/QmlNavigator.h"
#include "tour/TourSteps.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcApp, "tarvo.app")

int main(int argc, char *argv[])
{
    // The web engine's own sandbox cannot start for root (containers, CI).
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Help and version are printed, not shown: they must work without a display too.
    const bool printsOnly = std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return qstrcmp(argument, "--version") == 0 || qstrcmp(argument, "-v") == 0 ||
               qstrcmp(argument, "--help") == 0 || qstrcmp(argument, "-h") == 0 ||
               qstrcmp(argument, "--help-all") == 0;
    });
    if (printsOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The web engine (a library of some 150 MB) loads with the first web page instead of at
    // start; all it needs from start-up is these two, set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(u"tarvo"_s);
    QGuiApplication::setOrganizationName(u"Tarvo"_s);
    QGuiApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    // The name notifications carry, and the menu entry and icon the desktop shows for the window.
    QGuiApplication::setApplicationDisplayName(AppIdentity::displayName.toString());
    QGuiApplication::setDesktopFileName(AppIdentity::desktopEntry);
    QGuiApplication::setWindowIcon(QIcon(u":/tarvo/icons/tarvo.svg"_s));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Tarvo Pay: utility bills, payments and notices."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    AppOptions::addTo(parser);
    const QCommandLineOption quitAfterOption(
        u"quit-after"_s, u"Quit cleanly after this many seconds."_s, u"SECONDS"_s);
    parser.addOption(quitAfterOption);
    const QCommandLineOption screenshotOption(
        u"screenshot"_s, u"Render each screen into DIR as PNG files, then quit."_s, u"DIR"_s);
    parser.addOption(screenshotOption);
    const QCommandLineOption tourOption(
        u"tour"_s,
        u"Walk through every function as a customer would against the running sandbox, save "
        u"one picture per step into DIR, and quit; the exit status is 1 at the first step "
        u"that does not show what it should."_s,
        u"DIR"_s);
    parser.addOption(tourOption);
    const QCommandLineOption startupProbeOption(
        u"startup-probe"_s,
        u"Print the steady clock at the first frame of the sign-in screen and the resident "
        u"memory then, and quit (for the start-up benchmark)."_s);
    parser.addOption(startupProbeOption);
    const QCommandLineOption noticeProbeOption(
        u"notice-probe"_s,
        u"Open the first notice from home, print the steady clock at the tap and when its page "
        u"has been painted, and the resident memory then; save the page's HTML into FILE, and "
        u"quit (for the web view benchmark)."_s,
        u"FILE"_s);
    parser.addOption(noticeProbeOption);
    const QCommandLineOption signInOption(
        u"sign-in"_s,
        u"Sign in through the sign-in screen with remember-password on, then quit; an empty "
        u"PHONE uses the remembered account."_s,
        u"PHONE:PASSWORD"_s);
    parser.addOption(signInOption);
    const QCommandLineOption simulateBackgroundOption(
        u"simulate-background"_s,
        u"Minimise and restore the window in turn, every SECONDS (scripted runs)."_s, u"SECONDS"_s);
    parser.addOption(simulateBackgroundOption);
    const QCommandLineOption careOption(
        u"care"_s,
        u"Care mode for this run: larger text, stronger contrast, four large actions on home "
        u"(the switch on home remembers it for later runs)."_s);
    parser.addOption(careOption);
    parser.addPositionalArgument(u"url"_s, u"A URL the wallet opens the app with."_s, u"[url]"_s);
    parser.process(app);
    // The image plugins, the SVG reader and the font configuration are loaded on another core
    // while the window is built: the first icon and the first line of text would otherwise
    // wait for them. Started only after the options, since --help and --version exit at once.
    QThreadPool::globalInstance()->start([] {
        QImageReader(u":/tarvo/images/zuojiantou.svg"_s).read();
        QFontDatabase::families();
    });

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

    // A second start on the same profile raises the running window and hands it the wallet's
    // URL. A scripted run must get its own result, so it never hands over.
    const bool scripted = parser.isSet(tourOption) || parser.isSet(screenshotOption) ||
                          parser.isSet(startupProbeOption) || parser.isSet(noticeProbeOption) ||
                          parser.isSet(signInOption);
    SingleInstance instance(options.home);
    if (scripted && !instance.claimAlone()) {
        qCCritical(lcApp) << "another Tarvo Pay runs with this home folder";
        return 2;
    }
    if (!scripted) {
        switch (instance.claim(parser.positionalArguments())) {
        case SingleInstance::Role::first:
            break;
        case SingleInstance::Role::handedOver:
            qCInfo(lcApp) << "Tarvo Pay already runs with this home folder: its window is raised";
            return 0;
        case SingleInstance::Role::unreachable:
            qCCritical(lcApp) << "another Tarvo Pay runs with this home folder but does not answer";
            return 1;
        }
    }

    QNetworkAccessManager network;
    NetworkTransport transport(&network);
    ServiceClient service(&transport, options.serviceUrl);
    IniSettingsStore settings(options.home);
    const std::unique_ptr<SecureStore> secureStore = makeSecureStore(options.home);
    SandboxWallet wallet(&network, options.walletUrl(), options.walletAvailability);
    DesktopNotifications notifications;
    PaymentResults paymentResults;
    AppDelegate delegate(&settings, secureStore.get(), &service, &wallet, &notifications);
    delegate.setPaymentResults(&paymentResults);
    // The wallet's answer comes back the way a phone reopens the app: as a URL.
    wallet.setUrlOpener([&delegate](const QUrl &url) { delegate.handleOpenURL(url); });

    NetworkReachability reachability;
    SignInSession session;
    ImageCache imageCache(&network, QDir(options.home).filePath(u"imagecache"_s));
    const AccountServices accountServices{&reachability, &service, &settings, secureStore.get(),
                                          &session};
    NotificationCenter notificationCenter;
    const SystemClock clock;
    NetworkPageFetcher pageFetcher(&network);
    CareMode careMode(&settings);
    if (parser.isSet(careOption))
        careMode.enableForRun();
    qCInfo(lcApp).nospace() << "care mode " << (careMode.isEnabled() ? "on" : "off") << ", text at "
                            << careMode.textFactor() << "x";
    DesktopFileOpener fileOpener;
    ReceiptFolder receipts(options.receiptFolder, &fileOpener);
    qCInfo(lcApp).noquote() << "receipts folder:" << receipts.path();
    const ScreenServices screenServices{
        accountServices, &imageCache,     options.websiteUrl, &notificationCenter, &wallet,  &clock,
        &pageFetcher,    &paymentResults, options.tileUrl,    &careMode,           &receipts};
    QmlNavigator navigator(nullptr);
    QQmlApplicationEngine engine;
    importQmlModules(engine);
    navigator.serve(engine);
    careMode.serve(engine);
    // Where the desktop has no notification service, the window shows notifications itself.
    engine.setInitialProperties(
        {{u"notifications"_s, QVariant::fromValue<QObject *>(&notifications)}});
    engine.addImageProvider(ImageCacheProvider::name, new ImageCacheProvider(&imageCache));
    QObject::connect(&delegate, &AppDelegate::windowNeeded, &engine, [&] {
        engine.load(QUrl(u"qrc:/qt/qml/Tarvo/Shell/Main.qml"_s));
        navigator.push(new HomeViewController(&navigator, screenServices, nullptr), false);
    });
    delegate.didFinishLaunchingWithOptions();
    if (engine.rootObjects().isEmpty()) {
        qCCritical(lcApp) << "the main window could not be loaded";
        return 1;
    }

    // Message polling: a desktop has no background of its own, so the main window's being
    // minimised or hidden stands in for it.
    AppLifecycle lifecycle(&delegate);
    auto *mainWindow = qobject_cast<QWindow *>(engine.rootObjects().constFirst());
    lifecycle.track(mainWindow);
    // No badge while the customer is looking at the app; a notification's action opens it.
    notifications.setWindowInFront(!lifecycle.isInBackground());
    QObject::connect(&lifecycle, &AppLifecycle::inBackgroundChanged, &notifications,
                     [&notifications](bool away) { notifications.setWindowInFront(!away); });
    QObject::connect(&notifications, &DesktopNotifications::openAppRequested, mainWindow,
                     [mainWindow] { AppLifecycle::bringToFront(mainWindow); });
    QObject::connect(&instance, &SingleInstance::startedAgain, mainWindow,
                     [mainWindow, &delegate](const QStringList &arguments) {
                         AppLifecycle::bringToFront(mainWindow);
                         if (!arguments.isEmpty())
                             delegate.handleOpenURL(QUrl(arguments.constFirst()));
                     });
    if (parser.isSet(simulateBackgroundOption)) {
        const double seconds = parser.value(simulateBackgroundOption).toDouble();
        if (seconds > 0)
            AppLifecycle::simulateTrips(mainWindow,
                                        std::chrono::milliseconds(qint64(seconds * 1000)));
    }

    if (!parser.positionalArguments().isEmpty())
        delegate.handleOpenURL(QUrl(parser.positionalArguments().constFirst()));

    if (parser.isSet(tourOption)) {
        auto *tour = new GuidedTour(qobject_cast<QQuickWindow *>(mainWindow),
                                    parser.value(tourOption), &app);
        addTourSteps(*tour, {&navigator, &network, options.websiteUrl});
        QObject::connect(tour, &GuidedTour::finished, &app,
                         [](bool passed) { QCoreApplication::exit(passed ? 0 : 1); });
        tour->start();
    } else if (parser.isSet(startupProbeOption)) {
        new StartupProbe(qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst()),
                         &navigator, &app);
    } else if (parser.isSet(noticeProbeOption)) {
        new NoticeProbe(qobject_cast<QQuickWindow *>(mainWindow), &navigator,
                        parser.value(noticeProbeOption), &app);
    } else if (parser.isSet(screenshotOption)) {
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        auto *tour = new ScreenshotTour(window, parser.value(screenshotOption), &app);
        addScreenshots(*tour, navigator, session, careMode);
        QObject::connect(tour, &ScreenshotTour::finished, &app,
                         [](bool allSaved) { QCoreApplication::exit(allSaved ? 0 : 1); });
        tour->start();
    } else if (parser.isSet(signInOption)) {
        const QString credentials = parser.value(signInOption);
        const qsizetype colon = credentials.indexOf(u':');
        auto *signIn = new ScriptedSignIn(&navigator, &session, credentials.left(colon),
                                          colon < 0 ? QString() : credentials.mid(colon + 1), &app);
        QObject::connect(signIn, &ScriptedSignIn::finished, &app,
                         [](bool signedIn) { QCoreApplication::exit(signedIn ? 0 : 1); });
        QTimer::singleShot(0, signIn, &ScriptedSignIn::start);
    }

    // Armed only now: a quit during the launch's waits would end those waits, not the app.
    if (quitAfter) {
        qCInfo(lcApp) << "quitting after" << quitAfter->count() << "ms";
        QTimer::singleShot(*quitAfter, &app, &QCoreApplication::quit);
    }
    return QGuiApplication::exec();
}
