#include "Screenshots.h"
#include "info/AnnouncementViewController.h"
#include "info/LPServiceGuideViewController.h"
#include "shell/HomeViewController.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

using namespace Qt::StringLiterals;

namespace {

// Long enough for the rows to slide in (one second, a twentieth more per row).
constexpr int listSettleMs = 2000;
// Long enough for the page to arrive and the web engine to draw it.
constexpr int pageSettleMs = 3000;

template<typename Screen> Screen *top(QmlNavigator &navigator)
{
    return qobject_cast<Screen *>(navigator.stack().value(navigator.stack().size() - 1));
}

HomeViewController *home(QmlNavigator &navigator)
{
    returnHome(navigator);
    return qobject_cast<HomeViewController *>(navigator.stack().value(0));
}

} // namespace

void addInformationScreenshots(ScreenshotTour &tour, QmlNavigator &navigator)
{
    tour.add(
        u"notices"_s, [&navigator] { home(navigator)->notificationBtnClick(); }, listSettleMs);
    tour.add(
        u"notice"_s,
        [&navigator] {
            if (auto *notices = top<AnnouncementViewController>(navigator))
                notices->didSelectRowAtIndex(0);
        },
        pageSettleMs);
    tour.add(
        u"guide-list"_s, [&navigator] { home(navigator)->serviceGuaidBtnClick(); }, listSettleMs);
    tour.add(
        u"guide"_s,
        [&navigator] {
            if (auto *guide = top<LPServiceGuideViewController>(navigator))
                guide->didSelectRowAtIndex(2);
        },
        pageSettleMs);
    tour.add(
        u"publicity-list"_s, [&navigator] { home(navigator)->advertiseBtnClick(); }, listSettleMs);
    tour.add(
        u"publicity"_s,
        [&navigator] {
            if (auto *publicity = top<LPServiceGuideViewController>(navigator))
                publicity->didSelectRowAtIndex(0);
        },
        pageSettleMs);
    tour.add(
        u"about"_s, [&navigator] { home(navigator)->aboutMeBtnClick(); }, pageSettleMs);
}
