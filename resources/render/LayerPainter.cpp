#include "LayerPainter.h"

#include <cmath>

namespace {

const QPointF CameraAxis(300, 209);

}

TLayerPainter::TLayerPainter(QPainter &parts, QPainter &shadows, unsigned seed)
    : FParts(parts), FRandom(seed), FShadows(shadows)
{}

void TLayerPainter::Shadow(const QPainterPath &outline, double height, int alpha)
{
    FShadows.save();
    FShadows.translate(0.24 * height + 0.6, 0.32 * height + 0.8);
    FShadows.fillPath(outline, QColor(0, 0, 0, alpha));
    FShadows.restore();
}

QPointF TLayerPainter::Lean(QPointF base, double height)
{
    return base + (base - CameraAxis) * (height * 0.0006);
}

QPainterPath TLayerPainter::Swept(const QPainterPath &foot, QPointF shift)
{
    const int steps = 1 + static_cast<int>(std::ceil(std::hypot(shift.x(), shift.y()) * 2));
    QPainterPath swept = foot;
    for (int i = 1; i <= steps; ++i)
        swept = swept.united(foot.translated(shift * (static_cast<double>(i) / steps)));
    return swept;
}

QPainterPath TLayerPainter::Rounded(const QRectF &rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}
