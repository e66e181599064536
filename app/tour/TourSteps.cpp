#include "TourSteps.h"

void addTourSteps(GuidedTour &tour, const TourContext &context)
{
    addAccountTourSteps(tour, context);
    addHomeTourSteps(tour, context);
    addMessageTourSteps(tour, context);
}
