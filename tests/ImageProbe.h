#pragma once
// Reading drawings back from images: boxes are written as in the drawing
// calls, with exclusive right and bottom edges.

#include "Color.h"

#include <QImage>
#include <QRect>

inline QRect Box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

inline QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

// The smallest rectangle holding every pixel of Color inside Area (the whole
// image when Area is null); a null rectangle when there is none.
inline QRect ColourBounds(const QImage &image, QRgb color, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area & image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
