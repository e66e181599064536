#include "TourSteps.h"

#include "shell/GuidedTour.h"

void addInformationTourSteps(GuidedTour &tour, const TourContext &context)
{
    Q_UNUSED(tour);
    Q_UNUSED(context);
}
