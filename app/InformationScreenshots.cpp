#include "Screenshots.h"
#include "driver/ScreenshotTour.h"
#include "home/HomeViewController.h"
#include "shell/QmlNavigator.h"
#include "website/AnnouncementViewController.h"
#include "website/LPServiceGuideViewController.h"

using namespace Qt::StringLiterals;

namespace {

// Long enough for the rows to slide in (one second, a twentieth more per row).
constexpr int listSettleMs = 2000;
// Long enough for the page to arrive and the web engine to draw it.
constexpr int pageSettleMs = 3000;

QObject *top(QmlNavigator &navigator)
{
    return navigator.stack().value(navigator.stack().size() - 1);
}

} // namespace

void addInformationScreenshots(ScreenshotTour &tour, QmlNavigator &navigator)
{
    using Notices = AnnouncementViewController;
    using Guide = LPServiceGuideViewController;
    tour.add(
        u"notices"_s,
        [&navigator] { return fromHome(navigator, &HomeViewController::notificationBtnClick); },
        listSettleMs);
    tour.add(
        u"notice"_s,
        [&navigator] {
            return on<Notices>(top(navigator),
                               [](Notices *notices) { notices->didSelectRowAtIndex(0); });
        },
        pageSettleMs);
    tour.add(
        u"guide-list"_s,
        [&navigator] { return fromHome(navigator, &HomeViewController::serviceGuaidBtnClick); },
        listSettleMs);
    tour.add(
        u"guide"_s,
        [&navigator] {
            return on<Guide>(top(navigator), [](Guide *guide) { guide->didSelectRowAtIndex(2); });
        },
        pageSettleMs);
    tour.add(
        u"publicity-list"_s,
        [&navigator] { return fromHome(navigator, &HomeViewController::advertiseBtnClick); },
        listSettleMs);
    tour.add(
        u"publicity"_s,
        [&navigator] {
            return on<Guide>(top(navigator), [](Guide *guide) { guide->didSelectRowAtIndex(0); });
        },
        pageSettleMs);
    tour.add(
        u"about"_s,
        [&navigator] { return fromHome(navigator, &HomeViewController::aboutMeBtnClick); },
        pageSettleMs);
}
