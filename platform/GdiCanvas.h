#pragma once
// Drawing with a pen and a brush on a 32-bit image, the way the Win32 GDI
// draws: every shape is given by its bounding box with exclusive right and
// bottom edges, the one-pixel outline lies inside the box, nothing is
// antialiased and nothing is painted outside the box.  A box whose right or
// bottom edge does not lie beyond its left or top edge draws nothing.

#include "Color.h"

#include <QImage>
#include <cstdint>

enum TPenStyle : std::uint8_t { psSolid, psClear };

class TGdiCanvas
{
public:
    // The pen is always one pixel wide.
    struct TPen {
        TColor Color = clBlack;
        TPenStyle Style = psSolid;
    };
    struct TBrush {
        TColor Color = clWhite;
    };

    // Draws into Target, which must outlive the canvas and be Format_RGB32
    // whenever a shape is drawn; it may be reassigned in between.
    explicit TGdiCanvas(QImage &Target);

    TPen Pen;
    TBrush Brush;

    void Rectangle(int Left, int Top, int Right, int Bottom);
    // The corners are quarters of an ellipse CornerWidth x CornerHeight,
    // limited to the size of the box.
    void RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight);
    void Ellipse(int Left, int Top, int Right, int Bottom);

private:
    void FillSpan(int Row, int From, int To, QRgb Color);

    QImage &FTarget;
};
