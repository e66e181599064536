#include "Screenshots.h"

#include "account/SignViewController.h"
#include "driver/ScreenshotTour.h"
#include "shell/CareMode.h"
#include "shell/HomeViewController.h"
#include "shell/KTLoadingView.h"
#include "shell/QmlNavigator.h"

#include <QCoreApplication>
#include <QPointer>

using namespace Qt::StringLiterals;

void addScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session,
                    CareMode &careMode)
{
    const auto home = [&navigator] {
        return navigator.stack().value(0);
    };
    const auto signIn = [&navigator] {
        return navigator.modals().value(0);
    };
    auto loading = std::make_shared<QPointer<KTLoadingView>>();

    tour.add(u"sign-in"_s, [signIn] { return qobject_cast<SignViewController *>(signIn()); });
    tour.add(u"alert"_s, [signIn] {
        return on<SignViewController>(signIn(), [](SignViewController *screen) {
            screen->setAccountText(u"12345"_s);
            screen->setPassWordText({});
            screen->loginBtn();
        });
    });
    tour.add(u"registration"_s, [&navigator, signIn] {
        navigator.closeAlerts();
        return on<SignViewController>(signIn(),
                                      [](SignViewController *screen) { screen->riginBtn(); });
    });
    // Long enough for the carousel pictures to arrive or fail.
    tour.add(
        u"home"_s,
        [&navigator, signIn] {
            return on<SignViewController>(signIn(), [&navigator](SignViewController *screen) {
                navigator.dismiss(screen, false);
            });
        },
        2500);
    tour.add(u"loading"_s, [home, loading] {
        return on<HomeViewController>(home(), [loading](HomeViewController *screen) {
            *loading = new KTLoadingView(screen);
            (*loading)->startAnimation();
            (*loading)->setType(0);
        });
    });
    tour.add(u"progress"_s, [&navigator, loading] {
        if (!*loading)
            return false;
        (*loading)->endAnimation();
        navigator.showProgress(QCoreApplication::translate("Screenshots", "正在创建订单"));
        return true;
    });
    tour.add(u"coming-soon"_s, [&navigator, home] {
        navigator.hideProgress();
        return on<HomeViewController>(home(),
                                      [](HomeViewController *screen) { screen->changJianWenTi(); });
    });

    // Red packets before payment: the payment tour spends one of the seeded packets.
    addRedPacketScreenshots(tour, navigator, session);
    addPaymentScreenshots(tour, navigator, session);
    addRecordScreenshots(tour, navigator);
    addInformationScreenshots(tour, navigator);
    addMapScreenshots(tour, navigator);

    // Care mode last, for this run only: the home of four large actions, then the payment
    // screen in larger text.
    tour.add(u"home-care"_s, [&navigator, &careMode] {
        returnHome(navigator);
        careMode.enableForRun();
        return true;
    });
    tour.add(u"pay-care"_s,
             [&navigator] { return fromHome(navigator, &HomeViewController::WaterPayBtnClick); });
}

bool fromHome(QmlNavigator &navigator, void (HomeViewController::*open)())
{
    returnHome(navigator);
    return on<HomeViewController>(navigator.stack().value(0),
                                  [open](HomeViewController *home) { (home->*open)(); });
}

void returnHome(QmlNavigator &navigator)
{
    navigator.closeAlerts();
    navigator.hideProgress();
    while (navigator.stack().size() > 1)
        navigator.pop(false);
}
