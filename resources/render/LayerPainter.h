#pragma once

#include <QPainter>
#include <QPainterPath>

#include "Random.h"

// Everything that stands on the board paints itself on one layer and its
// shadow on another; the shadow layer is blurred before the two are laid on
// the board, which is what makes the shadows soft.
class TLayerPainter
{
public:
    TLayerPainter(QPainter &parts, QPainter &shadows, unsigned seed);

protected:
    // Drops the shadow of an outline standing `height` pixels above the board.
    void Shadow(const QPainterPath &outline, double height, int alpha = 150);
    // Where the top of something `height` pixels tall at `base` appears: the
    // camera hangs above the middle, so tall things lean away from it.
    static QPointF Lean(QPointF base, double height);
    // The outline of a body whose footprint is `foot` and whose top is seen
    // shifted by `shift`: footprint, top and the sides between them.
    static QPainterPath Swept(const QPainterPath &foot, QPointF shift);
    static QPainterPath Rounded(const QRectF &rect, double radius = 0);
    QPainter &FParts;
    TRandom FRandom;

private:
    QPainter &FShadows;
};
