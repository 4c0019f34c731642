#pragma once

#include <QPointF>
#include <QPolygonF>

// Trace shapes as a board router lays them: straight runs joined by 45 degree
// bends.
class TRoute
{
public:
    // Runs horizontally from `from` to x = bendX, diagonally until level with
    // `to`, then horizontally into `to`.
    static QPolygonF Across(QPointF from, QPointF to, double bendX);
    // Runs horizontally from `from` until above or below `to`, then turns
    // through a short 45 degree corner and runs vertically into `to`.
    static QPolygonF Corner(QPointF from, QPointF to, double chamfer);
    // The same as Across with the roles of x and y swapped.
    static QPolygonF Down(QPointF from, QPointF to, double bendY);
};
