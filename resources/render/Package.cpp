#include "Package.h"

TPackage::TPackage(const QRectF &body, int leadsAcross, int leadsAlong, double pitch, double leadLength)
    : FBody(body), FLeadsAcross(leadsAcross), FLeadsAlong(leadsAlong), FPitch(pitch), FLeadLength(leadLength)
{}

int TPackage::Leads(Qt::Edge edge) const
{
    return edge == Qt::TopEdge || edge == Qt::BottomEdge ? FLeadsAcross : FLeadsAlong;
}

QPointF TPackage::LeadRoot(Qt::Edge edge, int index) const
{
    const double offset = (index - (Leads(edge) - 1) / 2.0) * FPitch;
    const QPointF centre = FBody.center();
    switch (edge) {
    case Qt::LeftEdge:
        return {FBody.left(), centre.y() + offset};
    case Qt::RightEdge:
        return {FBody.right(), centre.y() + offset};
    case Qt::TopEdge:
        return {centre.x() + offset, FBody.top()};
    case Qt::BottomEdge:
        break;
    }
    return {centre.x() + offset, FBody.bottom()};
}

QPointF TPackage::LeadTip(Qt::Edge edge, int index) const
{
    const QPointF root = LeadRoot(edge, index);
    switch (edge) {
    case Qt::LeftEdge:
        return root - QPointF(FLeadLength, 0);
    case Qt::RightEdge:
        return root + QPointF(FLeadLength, 0);
    case Qt::TopEdge:
        return root - QPointF(0, FLeadLength);
    case Qt::BottomEdge:
        break;
    }
    return root + QPointF(0, FLeadLength);
}
