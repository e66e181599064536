#include "TourSteps.h"

#include "shell/GuidedTour.h"

void addPaymentTourSteps(GuidedTour &tour, const TourContext &context)
{
    Q_UNUSED(tour);
    Q_UNUSED(context);
}
