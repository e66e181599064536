#pragma once

#include "driver/GuidedTour.h"

#include <QQuickItem>
#include <QTest>

// Going back the way a customer does, shared by the areas that go deeper than one screen.
namespace TourNavigation {

using namespace Qt::StringLiterals;

/// Taps the back arrow of the screen on top: the one pushed last.
inline bool tapBack(ViewProbe &probe)
{
    // A screen still sliding in takes no taps, as on a phone: let it settle first.
    QTest::qWait(400);
    const QList<QQuickItem *> arrows = probe.visibleNamed(u"whiteBack"_s);
    return !arrows.isEmpty() && probe.tap(arrows.constLast());
}

/// The home screen, with nothing pushed over it.
inline QString home(ViewProbe &probe)
{
    if (!probe.visibleNamed(u"whiteBack"_s).isEmpty())
        return u"a pushed screen is still shown"_s;
    return GuidedTour::showsTexts({u"缴费记录"_s, u"公告通知"_s, u"营业网点"_s})(probe);
}

} // namespace TourNavigation
