#include "widgets/Scale.h"

#include <cmath>

int ScalePercent(int dotsPerInch)
{
    return int(std::lround(dotsPerInch * 100.0 / 96.0));
}
