#include "TourNavigation.h"
#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QDate>
#include <QQuickItem>

using namespace Qt::StringLiterals;

namespace {

const QString startPrompt = u"请点击选择开始日期"_s;
const QString endPrompt = u"请点击选择结束日期"_s;
const QString queryTitle = u"查    询"_s;
// What the payment steps paid for account 1000001: its unpaid water, electricity and gas bills
// (864.80) less the 5.00 red packet.
const QString paidAccount = u"1000001"_s;
const QString paidAmount = u"859.80元"_s;

QString isoDate(QDate date)
{
    return date.toString(u"yyyy-MM-dd"_s);
}

QQuickItem *wheel(ViewProbe &probe, const QString &name)
{
    return probe.visibleNamed(name).value(0);
}

/// How far one entry of the wheel is from the next.
qreal entryHeight(const QQuickItem *wheel)
{
    return wheel->height() / wheel->property("visibleItemCount").toInt();
}

/// The entry a wheel shows in the middle band, once it has come to rest there.
QString restingEntry(ViewProbe &probe, const QString &name)
{
    QQuickItem *shown = wheel(probe, name);
    if (!shown)
        return {};
    const qreal middle = ViewProbe::centre(shown).y();
    QList<QQuickItem *> pending = shown->childItems();
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        pending += item->childItems();
        const QString text = item->property("text").toString();
        if (!text.isEmpty() && ViewProbe::shown(item) &&
            qAbs(ViewProbe::centre(item).y() - middle) < entryHeight(shown) / 8)
            return text;
    }
    return {};
}

/// The wheels rest on `date`, year, month and day.
QString wheelsShow(ViewProbe &probe, QDate date)
{
    const QStringList expected{u"%1年"_s.arg(date.year()), u"%1月"_s.arg(date.month()),
                               u"%1日"_s.arg(date.day())};
    const QStringList shown{restingEntry(probe, u"yearWheel"_s),
                            restingEntry(probe, u"monthWheel"_s),
                            restingEntry(probe, u"dayWheel"_s)};
    return shown == expected
               ? QString()
               : u"wheels at %1 instead of %2"_s.arg(shown.join(u' '), expected.join(u' '));
}

/// The picker has sprung open to full size at today.
QString pickerOpenAtToday(ViewProbe &probe)
{
    const QQuickItem *panel = probe.visibleNamed(u"datePickerPanel"_s).value(0);
    if (!panel || panel->scale() != 1)
        return u"the date picker is not open"_s;
    const QString buttons = GuidedTour::showsTexts({u"取消"_s, u"确定"_s})(probe);
    return buttons.isEmpty() ? wheelsShow(probe, QDate::currentDate()) : buttons;
}

/// The query screen with these titles on its date rows and no picker over it.
GuidedTour::Expectation queryScreen(const QString &start, const QString &end)
{
    return [start, end](ViewProbe &probe) {
        if (!probe.visibleNamed(u"datePickerPanel"_s).isEmpty())
            return u"the date picker is still open"_s;
        return GuidedTour::showsTexts(
            {u"缴费记录"_s, u"开始日期"_s, start, u"结束日期"_s, end, queryTitle})(probe);
    };
}

/// Taps an entry a wheel shows off the band: the wheel rolls it into the band.
GuidedTour::Action tapEntry(const QString &name, const QString &entry)
{
    return [name, entry](ViewProbe &probe) {
        QQuickItem *shown = wheel(probe, name);
        if (!shown)
            return false;
        QList<QQuickItem *> pending = shown->childItems();
        while (!pending.isEmpty()) {
            QQuickItem *item = pending.takeFirst();
            pending += item->childItems();
            if (item->property("text").toString() == entry)
                return probe.tap(item);
        }
        return false;
    };
}

/// The receipts kept on this device: the one of the payment a moment ago, and back.
void addReceiptSteps(GuidedTour &tour, const GuidedTour::Expectation &queryScreenShown)
{
    const QString row = u"户号 "_s + paidAccount;
    tour.add(
        u"records-receipts"_s, [](ViewProbe &probe) { return probe.tapText(u"电子凭证"_s); },
        GuidedTour::showsTexts({u"电子凭证"_s, row, paidAmount}));
    tour.add(
        u"records-receipt"_s, [row](ViewProbe &probe) { return probe.tapText(row); },
        GuidedTour::showsTexts({u"电子缴费凭证"_s, u"实付金额"_s, paidAmount}));
    tour.add(u"records-receipt-back"_s, TourNavigation::tapBack, [row](ViewProbe &probe) {
        const QString shown = GuidedTour::showsTexts({row, paidAmount})(probe);
        return shown.isEmpty() ? GuidedTour::lacksTexts({u"电子缴费凭证"_s})(probe) : shown;
    });
    tour.add(u"records-receipts-back"_s, TourNavigation::tapBack, queryScreenShown);
}

/// The last twelve months: this month holds the payment, and its row lists it.
void addMonthSteps(GuidedTour &tour, const GuidedTour::Expectation &queryScreenShown)
{
    const QString thisMonth = u"%1月"_s.arg(QDate::currentDate().month());
    tour.add(
        u"records-months"_s, [](ViewProbe &probe) { return probe.tapText(u"近12个月缴费"_s); },
        [thisMonth](ViewProbe &probe) {
            const QString shown = GuidedTour::showsTexts(
                {u"近12个月"_s, u"合计 "_s + paidAmount, thisMonth, paidAmount})(probe);
            if (!shown.isEmpty())
                return shown;
            // Twelve rows, each with a bar as long as its share: this month's is the longest.
            const QList<QQuickItem *> bars = probe.visibleNamed(u"monthBar"_s);
            return bars.size() == 1 && bars.constFirst()->width() > 100
                       ? QString()
                       : u"%1 bars shown, expected one full bar"_s.arg(bars.size());
        });
    tour.add(
        u"records-month"_s, [thisMonth](ViewProbe &probe) { return probe.tapText(thisMonth); },
        GuidedTour::showsTexts({u"缴费编号"_s, paidAccount, u"缴费日期"_s,
                                isoDate(QDate::currentDate()), u"缴费金额"_s, paidAmount}));
    tour.add(u"records-month-back"_s, TourNavigation::tapBack,
             GuidedTour::showsTexts({u"近12个月"_s, u"合计 "_s + paidAmount}));
    tour.add(u"records-months-back"_s, TourNavigation::tapBack, queryScreenShown);
}

} // namespace

void addRecordTourSteps(GuidedTour &tour, const TourContext &)
{
    const QDate today = QDate::currentDate();
    const QDate monthBack = today.addMonths(-1);

    tour.add(
        u"records"_s, [](ViewProbe &probe) { return probe.tapText(u"缴费记录"_s); },
        queryScreen(startPrompt, endPrompt));
    tour.add(
        u"records-start-picker"_s, [](ViewProbe &probe) { return probe.tapText(startPrompt); },
        pickerOpenAtToday);
    // A month back from January is December of the year before: the year goes first, since
    // the wheels refuse a December still to come.
    if (monthBack.year() != today.year()) {
        tour.add(u"records-start-year"_s, tapEntry(u"yearWheel"_s, u"%1年"_s.arg(monthBack.year())),
                 [monthBack, today](ViewProbe &probe) {
                     return wheelsShow(probe, QDate(monthBack.year(), today.month(), today.day()));
                 });
    }
    tour.add(u"records-start-month"_s, tapEntry(u"monthWheel"_s, u"%1月"_s.arg(monthBack.month())),
             [monthBack](ViewProbe &probe) { return wheelsShow(probe, monthBack); });
    tour.add(
        u"records-start-date"_s, [](ViewProbe &probe) { return probe.tapText(u"确定"_s); },
        queryScreen(isoDate(monthBack), endPrompt));
    tour.add(
        u"records-end-picker"_s, [](ViewProbe &probe) { return probe.tapText(endPrompt); },
        pickerOpenAtToday);
    tour.add(
        u"records-end-date"_s, [](ViewProbe &probe) { return probe.tapText(u"确定"_s); },
        queryScreen(isoDate(monthBack), isoDate(today)));
    // The payment made from this device a moment ago.
    tour.add(
        u"records-list"_s, [](ViewProbe &probe) { return probe.tapText(queryTitle); },
        GuidedTour::showsTexts({u"缴费编号"_s, paidAccount, u"缴费日期"_s, isoDate(today),
                                u"缴费金额"_s, paidAmount}));
    tour.add(u"records-back"_s, TourNavigation::tapBack, [monthBack, today](ViewProbe &probe) {
        const QString shown = queryScreen(isoDate(monthBack), isoDate(today))(probe);
        return shown.isEmpty() ? GuidedTour::lacksTexts({paidAmount})(probe) : shown;
    });
    addReceiptSteps(tour, queryScreen(isoDate(monthBack), isoDate(today)));
    addMonthSteps(tour, queryScreen(isoDate(monthBack), isoDate(today)));
    tour.add(u"records-home"_s, TourNavigation::tapBack, TourNavigation::home);
}
