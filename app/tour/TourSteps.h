#pragma once

#include <QUrl>

class GuidedTour;
class QNetworkAccessManager;
class QmlNavigator;

/// What the tour's steps reach besides the window.
struct TourContext
{
    QmlNavigator *navigator = nullptr;
    QNetworkAccessManager *network = nullptr;
    QUrl websiteUrl;
};

/// The customer's walk, area by area, in the order a first-time customer takes it.
void addTourSteps(GuidedTour &tour, const TourContext &context);

void addAccountTourSteps(GuidedTour &tour, const TourContext &context);
void addHomeTourSteps(GuidedTour &tour, const TourContext &context);
void addMessageTourSteps(GuidedTour &tour, const TourContext &context);
