#include "Random.h"

TRandom::TRandom(unsigned seed) : FEngine(seed)
{}

double TRandom::Uniform(double low, double high)
{
    return low + (high - low) * (static_cast<double>(FEngine()) / 4294967296.0);
}

double TRandom::Gauss()
{
    double sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += Uniform(0, 1);
    return (sum - 2.0) * 1.7320508;
}
