#pragma once

class QmlNavigator;
class ScreenshotTour;

/// The screens `tarvo --screenshot DIR` renders, in order; each shot starts from where the one
/// before it left the app. A new screen adds one line here.
void addScreenshots(ScreenshotTour &tour, QmlNavigator &navigator);
