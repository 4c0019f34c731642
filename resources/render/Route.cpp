#include "Route.h"

#include <algorithm>
#include <cmath>

namespace {

QPointF Transposed(QPointF p)
{
    return {p.y(), p.x()};
}

} // namespace

QPolygonF TRoute::Across(QPointF from, QPointF to, double bendX)
{
    const double rise = std::abs(to.y() - from.y());
    const double direction = to.x() >= bendX ? 1.0 : -1.0;
    const double diagonalEnd = bendX + direction * rise;
    // A diagonal that would overshoot the target meets it head on instead.
    const double landX = direction > 0 ? std::min(diagonalEnd, to.x()) : std::max(diagonalEnd, to.x());
    return QPolygonF({from, {bendX, from.y()}, {landX, to.y()}, to});
}

QPolygonF TRoute::Corner(QPointF from, QPointF to, double chamfer)
{
    const double cut = std::min(chamfer, std::abs(to.y() - from.y()));
    const double dx = to.x() >= from.x() ? cut : -cut;
    const double dy = to.y() >= from.y() ? cut : -cut;
    return QPolygonF({from, {to.x() - dx, from.y()}, {to.x(), from.y() + dy}, to});
}

QPolygonF TRoute::Down(QPointF from, QPointF to, double bendY)
{
    QPolygonF path = Across(Transposed(from), Transposed(to), bendY);
    std::transform(path.begin(), path.end(), path.begin(), Transposed);
    return path;
}
