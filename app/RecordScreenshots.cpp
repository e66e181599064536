#include "Screenshots.h"
#include "records/LPDatePicker.h"
#include "records/LPPayRecordViewController.h"
#include "shell/HomeViewController.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace {

void choose(LPDatePicker *picker, QDate date)
{
    picker->selectDate(date.year(), date.month(), date.day());
    picker->sure();
}

} // namespace

void addRecordScreenshots(ScreenshotTour &tour, QmlNavigator &navigator)
{
    const auto screen = [&navigator] {
        return qobject_cast<LPPayRecordViewController *>(navigator.stack().value(1));
    };

    tour.add(u"records"_s, [&navigator] {
        returnHome(navigator);
        qobject_cast<HomeViewController *>(navigator.stack().value(0))->PayReconderBtnClick();
    });
    tour.add(u"records-date-picker"_s, [screen] { screen()->showSelectStartDatePicker(); });
    // The last month up to today: it holds the payment the payment shots made from this device.
    tour.add(u"records-dates"_s, [screen] {
        choose(screen()->datePicker(), QDate::currentDate().addMonths(-1));
        screen()->showSelectOverDatePicker();
        choose(screen()->datePicker(), QDate::currentDate());
    });
    tour.add(
        u"records-list"_s, [screen] { screen()->query(); }, 1500);
}
