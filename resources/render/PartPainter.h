#pragma once

#include "LayerPainter.h"
#include "Package.h"

#include <QStringList>

// The plastic and ceramic parts of the card: moulded chips, chip passives,
// capacitors, pin headers with their shunt and the serial-number sticker.
class TPartPainter : public TLayerPainter
{
public:
    using TLayerPainter::TLayerPainter;

    // Black epoxy with tinned leads, a pin-1 dimple at the top left and laser
    // marking; `upright` runs the marking along a tall package. J leads curl
    // under the body, so only their bends show.
    void Chip(const TPackage &package, const QStringList &marking, bool upright, bool jLeads = false);
    void Resistor(QPointF centre, Qt::Orientation orientation);
    void Capacitor(QPointF centre, Qt::Orientation orientation);
    void Tantalum(QPointF centre, Qt::Orientation orientation);
    void Electrolytic(QPointF centre, double radius);
    void ResistorNetwork(const QRectF &body, const QString &marking);
    // Posts on a 10-pixel pitch; a shunt covers posts capFrom and capFrom + 1
    // unless capFrom is negative.
    void Header(QPointF centre, int pins, Qt::Orientation orientation, int capFrom);
    // Where post `index` of such a header stands, for the traces that reach it.
    static QPointF HeaderPin(QPointF centre, int pins, int index, Qt::Orientation orientation);
    void Sticker(const QRectF &paper, const QString &serial);

private:
    void Lead(QPointF root, QPointF tip, double width, bool jLead);
    void Epoxy(const QRectF &body);
    void PinOneDimple(const QRectF &body);
    void Marking(const QRectF &body, const QStringList &lines, bool upright);
    void ChipPassive(QPointF centre, QSizeF size, Qt::Orientation orientation, const QColor &body);
    void Vent(QPointF centre, double reach);
    void HeaderBase(const QRectF &cell);
    void Post(QPointF base);
    void Shunt(const QRectF &footprint);
    void Streak(const QPainterPath &foot, double height, int alpha);
};
