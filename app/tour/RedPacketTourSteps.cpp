#include "TourNavigation.h"
#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QDate>
#include <QMap>
#include <QQuickItem>

using namespace Qt::StringLiterals;

namespace {

QString endOfMonth(QDate date)
{
    return QDate(date.year(), date.month(), date.daysInMonth()).toString(Qt::ISODate);
}

/// The packets on screen, amount text → date text, each pair read from one row.
QMap<QString, QString> packetsShown(ViewProbe &probe)
{
    QMap<QString, QString> shown;
    for (const QQuickItem *amount : probe.visibleNamed(u"redPacketAmount"_s)) {
        const QQuickItem *date = ViewProbe::besideNamed(amount, u"redPacketDate"_s);
        shown.insert(amount->property("text").toString(),
                     date ? date->property("text").toString() : QString());
    }
    return shown;
}

QString describe(const QMap<QString, QString> &packets)
{
    QStringList rows;
    for (auto packet = packets.cbegin(); packet != packets.cend(); ++packet)
        rows.append(packet.key() + u" / "_s + packet.value());
    return rows.join(u", "_s);
}

} // namespace

void addRedPacketTourSteps(GuidedTour &tour, const TourContext &)
{
    // The signed-in customer holds a 5-yuan packet valid for six months and a 10-yuan one
    // valid for a year, each to the end of its month.
    const QDate today = QDate::currentDate();
    const QMap<QString, QString> packets{{u"5.00元"_s, endOfMonth(today.addMonths(6))},
                                         {u"10.00元"_s, endOfMonth(today.addMonths(12))}};
    tour.add(
        u"redpackets-list"_s, [](ViewProbe &probe) { return probe.tapText(u"我的红包"_s); },
        [packets](ViewProbe &probe) {
            const QString left = GuidedTour::lacksTexts({u"缴费记录"_s})(probe);
            if (!left.isEmpty())
                return left;
            const QMap<QString, QString> shown = packetsShown(probe);
            return shown == packets ? QString()
                                    : u"packets shown: [%1], expected [%2]"_s.arg(
                                          describe(shown), describe(packets));
        });
    tour.add(u"redpackets-back-home"_s, TourNavigation::tapBack, TourNavigation::home);
}
