#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

void addHomeTourSteps(GuidedTour &tour, const TourContext &)
{
    // The carousel shows the website's pictures once they have arrived.
    tour.add(u"home-carousel"_s, {}, [](ViewProbe &probe) {
        const QList<QQuickItem *> pictures = probe.visibleNamed(u"wheelPicture"_s);
        for (const QQuickItem *picture : pictures) {
            if (picture->property("status").toInt() == 1 /* Image.Ready */)
                return QString();
        }
        return u"no carousel picture loaded (%1 on screen)"_s.arg(pictures.size());
    });

    // Care mode: larger text, four large actions, the others one tap away; then off again,
    // so that the rest of the tour sees home as it was.
    const QStringList leading{u"缴费"_s, u"缴费记录"_s, u"公告通知"_s, u"营业网点"_s};
    const QStringList others{u"我的红包"_s, u"服务指南"_s, u"水电气宣传"_s, u"常见问题"_s,
                             u"关于我们"_s};
    tour.add(
        u"home-care-mode"_s, [](ViewProbe &probe) { return probe.tapText(u"关怀模式"_s); },
        [leading, others](ViewProbe &probe) {
            const QString missing =
                GuidedTour::showsTexts(leading + QStringList{u"更多服务"_s})(probe);
            if (!missing.isEmpty())
                return missing;
            if (!probe.visibleNamed(u"wheelPicture"_s).isEmpty())
                return u"the carousel is still shown"_s;
            return GuidedTour::lacksTexts(others + QStringList{u"水电气缴费"_s})(probe);
        });
    tour.add(
        u"home-care-more"_s,
        [](ViewProbe &probe) {
            QTest::qWait(300); // the menu has just been laid out anew
            return probe.tapText(u"更多服务"_s);
        },
        GuidedTour::showsTexts(others + QStringList{u"收起更多服务"_s}));
    tour.add(
        u"home-care-off"_s,
        [](ViewProbe &probe) {
            if (!probe.tapText(u"收起更多服务"_s))
                return false;
            QTest::qWait(300);
            return probe.tapText(u"关怀模式"_s);
        },
        [](ViewProbe &probe) {
            const QString missing =
                GuidedTour::showsTexts({u"水电气缴费"_s, u"我的红包"_s, u"关于我们"_s})(probe);
            return missing.isEmpty() ? GuidedTour::lacksTexts({u"更多服务"_s})(probe) : missing;
        });
}
