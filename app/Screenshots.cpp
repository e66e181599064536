#include "Screenshots.h"

#include "account/SignViewController.h"
#include "shell/HomeViewController.h"
#include "shell/KTLoadingView.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

#include <QCoreApplication>
#include <QPointer>

using namespace Qt::StringLiterals;

void addScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session)
{
    const auto home = [&navigator] {
        return qobject_cast<HomeViewController *>(navigator.stack().value(0));
    };
    const auto signIn = [&navigator] {
        return qobject_cast<SignViewController *>(navigator.modals().value(0));
    };
    auto loading = std::make_shared<QPointer<KTLoadingView>>();

    tour.add(u"sign-in"_s, [] {});
    tour.add(u"alert"_s, [signIn] {
        signIn()->setAccountText(u"12345"_s);
        signIn()->setPassWordText({});
        signIn()->loginBtn();
    });
    tour.add(u"registration"_s, [&navigator, signIn] {
        navigator.closeAlerts();
        signIn()->riginBtn();
    });
    // Long enough for the carousel pictures to arrive or fail.
    tour.add(
        u"home"_s, [&navigator, signIn] { navigator.dismiss(signIn(), false); }, 2500);
    tour.add(u"loading"_s, [home, loading] {
        *loading = new KTLoadingView(home());
        (*loading)->startAnimation();
        (*loading)->setType(0);
    });
    tour.add(u"progress"_s, [&navigator, loading] {
        (*loading)->endAnimation();
        navigator.showProgress(QCoreApplication::translate("Screenshots", "正在创建订单"));
    });
    tour.add(u"coming-soon"_s, [&navigator, home] {
        navigator.hideProgress();
        home()->changJianWenTi();
    });

    // Red packets before payment: the payment tour spends one of the seeded packets.
    addRedPacketScreenshots(tour, navigator, session);
    addPaymentScreenshots(tour, navigator, session);
    addRecordScreenshots(tour, navigator);
    addInformationScreenshots(tour, navigator);
    addMapScreenshots(tour, navigator);
}

void returnHome(QmlNavigator &navigator)
{
    navigator.closeAlerts();
    navigator.hideProgress();
    while (navigator.stack().size() > 1)
        navigator.pop(false);
}
