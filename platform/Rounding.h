#pragma once
#include <cmath>

// Nearest integer with halves going to the even neighbour (4.5 -> 4, 5.5 -> 6),
// which is what nearbyint does under the default rounding mode.
inline int Round(double x)
{
    return static_cast<int>(std::nearbyint(x));
}
