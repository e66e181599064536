#include "Clock.h"

#include <QDateTime>

double SystemClock::secondsSinceEpoch() const
{
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}
