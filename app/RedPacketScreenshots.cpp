#include "Screenshots.h"
#include "account/SignInSession.h"
#include "shell/HomeViewController.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

using namespace Qt::StringLiterals;

void addRedPacketScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session)
{
    // The tour skips the sign-in exchange; the packets belong to the seeded user.
    tour.add(u"my-red-packets"_s, [&navigator, &session] {
        returnHome(navigator);
        session.signIn(u"13912345678"_s);
        qobject_cast<HomeViewController *>(navigator.stack().value(0))->myHongBao();
    });
}
