#include "TourNavigation.h"
#include "TourSteps.h"

#include <QQuickItem>

using namespace Qt::StringLiterals;

namespace {

// The outlets the app ships with: name and address.
const QList<std::pair<QString, QString>> outlets{
    {u"塔沃公用事业客户服务中心"_s, u"城关区滨江路88号公用事业大厦一楼"_s},
    {u"东兴营业厅"_s, u"东兴区解放路121号"_s},
    {u"南湖营业厅"_s, u"南湖区南湖大道36号南湖商业广场旁"_s},
    {u"北站营业厅"_s, u"北站路7号火车北站东侧"_s},
    {u"西山燃气服务站"_s, u"西山路215号"_s},
    {u"高新区供电服务点"_s, u"高新区汇智路18号创业园B座"_s},
    {u"自来水二厂便民服务点"_s, u"水厂路2号"_s},
    {u"檀木林社区缴费点"_s, u"檀木林街58号社区服务中心"_s},
};

QString markersShown(ViewProbe &probe)
{
    const QList<QQuickItem *> markers = probe.visibleNamed(u"myAnnoView"_s);
    qsizetype drawn = 0;
    for (const QQuickItem *marker : markers)
        drawn += marker->property("status").toInt() == 1 /* Image.Ready */;
    if (drawn != outlets.size())
        return u"%1 of %2 markers drawn"_s.arg(drawn).arg(outlets.size());
    return GuidedTour::showsTexts({u"网点查询"_s})(probe);
}

} // namespace

void addMapTourSteps(GuidedTour &tour, const TourContext &)
{
    tour.add(
        u"map"_s, [](ViewProbe &probe) { return probe.tapText(u"营业网点"_s); },
        [](ViewProbe &probe) {
            const QString markers = markersShown(probe);
            if (!markers.isEmpty())
                return markers;
            const QList<QQuickItem *> callouts = probe.visibleNamed(u"callout"_s);
            return callouts.isEmpty() ? QString() : u"a callout is open"_s;
        });
    // The callout of the tapped marker: one outlet's name over that outlet's address.
    tour.add(
        u"map-callout"_s,
        [](ViewProbe &probe) { return probe.tap(probe.visibleNamed(u"myAnnoView"_s).value(0)); },
        [](ViewProbe &probe) {
            if (probe.visibleNamed(u"callout"_s).isEmpty())
                return u"no callout"_s;
            QStringList named;
            for (const auto &[name, address] : outlets) {
                if (probe.visibleText(name)) {
                    if (!probe.visibleText(address))
                        return u"the callout of %1 lacks its address"_s.arg(name);
                    named.append(name);
                }
            }
            return named.size() == 1 ? QString()
                                     : u"the callout names %1 outlets"_s.arg(named.size());
        });
    tour.add(u"map-home"_s, TourNavigation::tapBack, TourNavigation::home);
}
