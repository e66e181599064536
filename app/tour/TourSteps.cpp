#include "TourSteps.h"

void addTourSteps(GuidedTour &tour, const TourContext &context)
{
    addAccountTourSteps(tour, context);
    addHomeTourSteps(tour, context);
    // The red packets are listed before one of them pays a bill.
    addRedPacketTourSteps(tour, context);
    addPaymentTourSteps(tour, context);
    addRecordTourSteps(tour, context);
    addInformationTourSteps(tour, context);
    addMapTourSteps(tour, context);
    addMessageTourSteps(tour, context);
}
