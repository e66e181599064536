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

// Each area starts on the home screen and ends back on it.
void addAccountTourSteps(GuidedTour &tour, const TourContext &context);
void addHomeTourSteps(GuidedTour &tour, const TourContext &context);
void addRedPacketTourSteps(GuidedTour &tour, const TourContext &context);
void addPaymentTourSteps(GuidedTour &tour, const TourContext &context);
void addRecordTourSteps(GuidedTour &tour, const TourContext &context);
void addInformationTourSteps(GuidedTour &tour, const TourContext &context);
void addMapTourSteps(GuidedTour &tour, const TourContext &context);
void addMessageTourSteps(GuidedTour &tour, const TourContext &context);
