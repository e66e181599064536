#include "Screenshots.h"
#include "common/SignInSession.h"
#include "driver/ScreenshotTour.h"
#include "home/HomeViewController.h"
#include "shell/QmlNavigator.h"

using namespace Qt::StringLiterals;

void addRedPacketScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session)
{
    // The tour skips the sign-in exchange; the packets belong to the seeded user.
    tour.add(u"my-red-packets"_s, [&navigator, &session] {
        session.signIn(u"13912345678"_s);
        return fromHome(navigator, &HomeViewController::myHongBao);
    });
}
