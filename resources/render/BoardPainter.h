#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>

// The bare board: laminate under green solder mask, the copper beneath the
// mask, the white silkscreen on it, and the gold fingers of the edge connector.
class TBoardPainter
{
public:
    explicit TBoardPainter(QPainter &painter);

    void Backdrop(const QRectF &area);
    // `bare` is where the mask stops short of the edge connector.
    void Laminate(const QPainterPath &outline, const QRectF &bare);
    // Copper is collected and etched in one go, so that the clearance cut
    // around one trace never bites into a neighbour drawn before it.
    void Pour(const QPainterPath &area);
    void Trace(const QPolygonF &path, double width = 1.8);
    void Via(QPointF centre, double radius = 2.6);
    void Etch();
    void Fiducial(QPointF centre);
    void Finger(const QRectF &finger);
    void SilkText(QPointF anchor, const QString &text, double pixelSize, Qt::Alignment align = Qt::AlignCenter,
                  bool vertical = false);
    void SilkBox(const QRectF &box);

private:
    struct TTrace
    {
        QPolygonF Path;
        double Width;
    };
    struct TVia
    {
        QPointF Centre;
        double Radius;
    };

    void EtchClearances(QPainter &copper) const;
    void EtchCopper(QPainter &copper) const;

    QPainter &FPainter;
    QPainterPath FPour;
    QVector<TTrace> FTraces;
    QVector<TVia> FVias;
};
