#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QQuickItem>

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
}
