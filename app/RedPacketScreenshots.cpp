#include "Screenshots.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

void addRedPacketScreenshots(ScreenshotTour &tour, QmlNavigator &navigator)
{
    Q_UNUSED(tour);
    Q_UNUSED(navigator);
}
