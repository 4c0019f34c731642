#pragma once

#include "LayerPainter.h"

#include <QStringList>
#include <QVector>

// The metal of the card: the mounting bracket, the D-sub connector that
// reaches through it, and the oscillator can.
class TMetalPainter : public TLayerPainter
{
public:
    using TLayerPainter::TLayerPainter;

    // The bracket seen nearly edge on: a plated strip with the screw tab at the
    // top, the tongue below the board and the connector's face in its cut-out.
    void Bracket(const QRectF &strip, const QRectF &cutOut);
    // A right-angle D-sub on the board: shell and moulding, board-lock ears,
    // and its pins running back to the solder joints at `joints`.
    void DSub(const QRectF &body, const QVector<QPointF> &joints);
    void Oscillator(const QRectF &can, const QStringList &marking);

private:
    QPainterPath BracketOutline(const QRectF &strip) const;
    void ScrewTab(const QRectF &strip);
    void Plating(const QPainterPath &area, const QRectF &bounds, const QColor &light, const QColor &dark);
    void Brush(const QPainterPath &area, const QRectF &bounds, Qt::Orientation grain);
    void ConnectorFace(const QRectF &cutOut);
    void JackPost(QPointF centre);
    void Rivet(QPointF centre, double radius);
    void PinRun(QPointF from, QPointF joint);
    void SolderJoint(QPointF centre);
};
