#include "GdiCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

// Left (and, by symmetry, right) inset of one row of an ellipse that fills a
// Width x Height box: the pixels whose centres lie inside the ellipse,
// widened where needed so that the shape touches all four sides of its box.
int EllipseInset(int width, int height, int row)
{
    if (row == (height - 1) / 2 || row == height / 2)
        return 0;
    const double a = width / 2.0;
    const double b = height / 2.0;
    const double dy = (row + 0.5 - b) / b;
    const double halfSpan = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    const int inset = static_cast<int>(std::ceil(a - halfSpan - 0.5 - 1e-9));
    return std::clamp(inset, 0, (width - 1) / 2);
}

// A rectangle is a rounded rectangle without corners and an ellipse one whose
// corners fill the box, so one rule serves all three shapes.
int RoundRectInset(int width, int height, int cornerWidth, int cornerHeight, int row)
{
    cornerWidth = std::min(cornerWidth, width);
    cornerHeight = std::min(cornerHeight, height);
    if (cornerWidth <= 0 || cornerHeight <= 0)
        return 0;
    const int roundedRows = cornerHeight / 2;
    if (row < roundedRows)
        return EllipseInset(cornerWidth, cornerHeight, row);
    if (row >= height - roundedRows)
        return EllipseInset(cornerWidth, cornerHeight, row - (height - cornerHeight));
    return 0;
}

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

} // namespace

TGdiCanvas::TGdiCanvas(QImage &target)
    : FTarget(target)
{
}

void TGdiCanvas::Rectangle(int left, int top, int right, int bottom)
{
    RoundRect(left, top, right, bottom, 0, 0);
}

void TGdiCanvas::Ellipse(int left, int top, int right, int bottom)
{
    RoundRect(left, top, right, bottom, right - left, bottom - top);
}

void TGdiCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                           int cornerHeight)
{
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return;
    const QRgb brush = Rgb(Brush.Color);
    // Without a pen the brush takes the outline's place, so the shape keeps its box.
    const QRgb pen = Pen.Style == psSolid ? Rgb(Pen.Color) : brush;
    const int firstRow = std::max(top, 0);
    const int endRow = std::min(bottom, FTarget.height());
    for (int y = firstRow; y < endRow; ++y) {
        const int row = y - top;
        const int inset = RoundRectInset(width, height, cornerWidth, cornerHeight, row);
        const int from = left + inset;
        const int to = right - inset;
        if (row == 0 || row == height - 1 || width <= 2) {
            FillSpan(y, from, to, pen);
            continue;
        }
        // The interior is the same shape one pixel smaller on every side;
        // what the shape covers beyond it is the outline.
        const int innerInset =
            RoundRectInset(width - 2, height - 2, cornerWidth - 2, cornerHeight - 2, row - 1);
        const int innerFrom = std::max(from, left + 1 + innerInset);
        const int innerTo = std::min(to, right - 1 - innerInset);
        FillSpan(y, from, innerFrom, pen);
        FillSpan(y, innerFrom, innerTo, brush);
        FillSpan(y, innerTo, to, pen);
    }
}

void TGdiCanvas::FillSpan(int row, int from, int to, QRgb color)
{
    from = std::max(from, 0);
    to = std::min(to, FTarget.width());
    if (from >= to)
        return;
    QRgb *line = reinterpret_cast<QRgb *>(FTarget.scanLine(row));
    std::fill(line + from, line + to, color);
}
