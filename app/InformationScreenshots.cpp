#include "Screenshots.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

void addInformationScreenshots(ScreenshotTour &tour, QmlNavigator &navigator)
{
    Q_UNUSED(tour);
    Q_UNUSED(navigator);
}
