#include "Screenshots.h"
#include "driver/ScreenshotTour.h"
#include "records/LPDatePicker.h"
#include "records/LPPayRecordViewController.h"
#include "shell/HomeViewController.h"
#include "shell/QmlNavigator.h"

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
    using Screen = LPPayRecordViewController;
    const auto screen = [&navigator] {
        return navigator.stack().value(1);
    };

    tour.add(u"records"_s, [&navigator] {
        return fromHome(navigator, &HomeViewController::PayReconderBtnClick);
    });
    tour.add(u"records-date-picker"_s, [screen] {
        return on<Screen>(screen(), [](Screen *records) { records->showSelectStartDatePicker(); });
    });
    // The last month up to today: it holds the payment the payment shots made from this device.
    tour.add(u"records-dates"_s, [screen] {
        return on<Screen>(screen(), [](Screen *records) {
            choose(records->datePicker(), QDate::currentDate().addMonths(-1));
            records->showSelectOverDatePicker();
            choose(records->datePicker(), QDate::currentDate());
        });
    });
    tour.add(
        u"records-list"_s,
        [screen] { return on<Screen>(screen(), [](Screen *records) { records->query(); }); }, 1500);
    // The receipt the payment shots kept, and the last twelve months with its payment.
    tour.add(u"records-receipts"_s, [&navigator, screen] {
        while (navigator.stack().size() > 2)
            navigator.pop(false);
        return on<Screen>(screen(), [](Screen *records) { records->showReceipts(); });
    });
    tour.add(
        u"records-months"_s,
        [&navigator, screen] {
            navigator.pop(false);
            return on<Screen>(screen(), [](Screen *records) { records->showMonthlyPayments(); });
        },
        1500);
}
