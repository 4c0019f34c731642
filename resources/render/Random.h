#pragma once

#include <random>

// Repeatable randomness for grain, dust and brushed metal. The standard
// distributions differ between libraries; these are built on the engine's raw
// output, so one seed gives the same picture everywhere.
class TRandom
{
public:
    explicit TRandom(unsigned seed);

    // A value in [low, high).
    double Uniform(double low, double high);
    // Close to a standard normal deviate: the sum of four uniforms.
    double Gauss();

private:
    std::mt19937 FEngine;
};
