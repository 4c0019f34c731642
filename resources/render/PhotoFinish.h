#pragma once

#include <QImage>

#include "Random.h"

// What a camera adds to a scene: a lens that never resolves single pixels,
// light that falls off towards the corners, and sensor grain. The grain comes
// from a seeded generator, so the same scene always develops to the same bytes.
class TPhotoFinish
{
public:
    explicit TPhotoFinish(unsigned seed);

    // Three box passes of the given radius, close to a Gaussian; works on any
    // 32-bit format, premultiplied alpha included.
    static void Blur(QImage &image, int radius);

    void Develop(QImage &photo);

private:
    static void Soften(QImage &photo);
    static void FallOff(QImage &photo);
    void Mottle(QImage &photo);
    void Dust(QImage &photo);
    void AddGrain(QImage &photo);

    TRandom FRandom;
};
