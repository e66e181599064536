#pragma once

class CareMode;
class HomeViewController;
class QObject;
class QmlNavigator;
class ScreenshotTour;
class SignInSession;

/// The screens `tarvo --screenshot DIR` renders, in order; each shot starts from where the one
/// before it left the app. A new screen adds one line to its area's file. The last shots are
/// in care mode, switched on for the run only.
void addScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session,
                    CareMode &careMode);

// Each area starts from the home screen (whatever the step before left pushed is popped
// first) and leaves its own screens behind for the next area to pop.
void addPaymentScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session);
void addRedPacketScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session);
void addRecordScreenshots(ScreenshotTour &tour, QmlNavigator &navigator);
void addInformationScreenshots(ScreenshotTour &tour, QmlNavigator &navigator);
void addMapScreenshots(ScreenshotTour &tour, QmlNavigator &navigator);

/// Closes alerts and overlays and pops the stack down to the home screen, and opens one of
/// home's screens with `open`; false when home is not there.
bool fromHome(QmlNavigator &navigator, void (HomeViewController::*open)());
/// Closes alerts and overlays and pops the stack down to the home screen.
void returnHome(QmlNavigator &navigator);

/// Runs `act` on `screen` when it is a `Screen`; false (the shot fails) when it is not there.
template<typename Screen, typename Act> bool on(QObject *screen, Act act)
{
    auto *typed = qobject_cast<Screen *>(screen);
    if (!typed)
        return false;
    act(typed);
    return true;
}
