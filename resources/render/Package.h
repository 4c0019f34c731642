#pragma once

#include <QPointF>
#include <QRectF>

// A moulded package and the leads around it. The painter draws the leads and
// the trace router ends its traces on them, so both ask this one place.
class TPackage
{
public:
    // leadsAcross sit on the top and bottom edges, leadsAlong on the left and
    // right edges.
    TPackage(const QRectF &body, int leadsAcross, int leadsAlong, double pitch, double leadLength);

    QRectF Body() const { return FBody; }
    double Pitch() const { return FPitch; }
    double LeadLength() const { return FLeadLength; }
    int Leads(Qt::Edge edge) const;
    // Leads count from the top (left and right edges) or from the left (top and
    // bottom edges).
    QPointF LeadRoot(Qt::Edge edge, int index) const;
    QPointF LeadTip(Qt::Edge edge, int index) const;

private:
    QRectF FBody;
    int FLeadsAcross;
    int FLeadsAlong;
    double FPitch;
    double FLeadLength;
};
