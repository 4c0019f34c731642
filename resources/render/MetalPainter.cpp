#include "MetalPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {

QPolygonF Hexagon(QPointF centre, double radius)
{
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i) {
        const double angle = M_PI / 3 * i + M_PI / 6;
        hexagon << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    return hexagon;
}

} // namespace

void TMetalPainter::Bracket(const QRectF &strip, const QRectF &cutOut)
{
    const QPainterPath outline = BracketOutline(strip);
    Shadow(outline, 16, 170);
    Plating(outline, strip, QColor(226, 228, 230), QColor(128, 130, 134));
    Brush(outline, strip, Qt::Vertical);
    FParts.setPen(QPen(QColor(245, 246, 248, 200), 1));
    FParts.drawLine(QLineF(strip.left() + 1.5, strip.top() + 14, strip.left() + 1.5, strip.bottom() - 12));
    FParts.setPen(QPen(QColor(70, 72, 76, 220), 1.2));
    FParts.drawLine(QLineF(strip.right() - 0.6, strip.top() + 13, strip.right() - 0.6, strip.bottom() - 26));
    ScrewTab(strip);
    ConnectorFace(cutOut);
}

// The strip and the tongue that drops into the slot below the board.
QPainterPath TMetalPainter::BracketOutline(const QRectF &strip) const
{
    QPainterPath outline;
    outline.addRect(strip.adjusted(0, 12, 0, -24));
    outline.addPolygon(QPolygonF({strip.bottomLeft() + QPointF(3, -24), strip.bottomRight() + QPointF(-2, -24),
                                  strip.bottomRight() + QPointF(-6, 0), strip.bottomLeft() + QPointF(8, 0),
                                  strip.bottomLeft() + QPointF(3, -10)}));
    return outline.simplified();
}

// The tab bent over at the top of the bracket, slotted for the case screw; the
// bend itself is in shade.
void TMetalPainter::ScrewTab(const QRectF &strip)
{
    const QRectF tab(strip.left(), strip.top(), strip.width() + 30, 13);
    QPainterPath outline;
    outline.addRoundedRect(tab, 1.5, 1.5);
    QPainterPath slot;
    slot.addRoundedRect(QRectF(tab.right() - 17, tab.top() - 6, 8, 13), 4, 4);
    outline = outline.subtracted(slot);
    Shadow(outline, 10, 160);
    QLinearGradient bend(tab.topLeft(), tab.bottomLeft());
    bend.setColorAt(0.0, QColor(236, 237, 238));
    bend.setColorAt(0.6, QColor(190, 192, 196));
    bend.setColorAt(1.0, QColor(96, 98, 102));
    FParts.fillPath(outline, bend);
    Brush(outline, tab, Qt::Horizontal);
}

void TMetalPainter::Plating(const QPainterPath &area, const QRectF &bounds, const QColor &light, const QColor &dark)
{
    QLinearGradient across(bounds.topLeft(), bounds.topRight());
    across.setColorAt(0.0, light);
    across.setColorAt(0.3, light.darker(108));
    across.setColorAt(0.55, light.darker(122));
    across.setColorAt(1.0, dark);
    FParts.fillPath(area, across);
}

// Fine streaks along the grain, some bright and some dark.
void TMetalPainter::Brush(const QPainterPath &area, const QRectF &bounds, Qt::Orientation grain)
{
    FParts.save();
    FParts.setClipPath(area);
    const bool vertical = grain == Qt::Vertical;
    const double span = vertical ? bounds.width() : bounds.height();
    const double reach = vertical ? bounds.height() : bounds.width();
    for (int i = 0; i < static_cast<int>(span * 9); ++i) {
        const double offset = FRandom.Uniform(0, span);
        const double start = FRandom.Uniform(-reach * 0.2, reach);
        const double length = FRandom.Uniform(reach * 0.1, reach * 0.6);
        const bool bright = FRandom.Uniform(0, 1) < 0.5;
        FParts.setPen(QPen(bright ? QColor(255, 255, 255, 26) : QColor(0, 0, 0, 24), FRandom.Uniform(0.4, 1.0)));
        if (vertical)
            FParts.drawLine(QLineF(bounds.left() + offset, bounds.top() + start, bounds.left() + offset,
                                   bounds.top() + start + length));
        else
            FParts.drawLine(QLineF(bounds.left() + start, bounds.top() + offset, bounds.left() + start + length,
                                   bounds.top() + offset));
    }
    FParts.restore();
}

// Through the cut-out shows the D-shaped shell around its dark insert, held by
// a hex jack post at each end.
void TMetalPainter::ConnectorFace(const QRectF &cutOut)
{
    FParts.fillPath(Rounded(cutOut, 3), QColor(26, 26, 28));
    const QRectF shell = cutOut.adjusted(1.5, 5, -1.5, -5);
    QPolygonF dShape(
        {shell.topLeft(), shell.topRight() + QPointF(0, 6), shell.bottomRight() - QPointF(0, 6), shell.bottomLeft()});
    QPainterPath d;
    d.addPolygon(dShape);
    d.closeSubpath();
    Plating(d, shell, QColor(236, 236, 232), QColor(110, 110, 112));
    FParts.fillPath(Rounded(shell.adjusted(2.2, 6, -2.2, -6), 1.5), QColor(20, 20, 22));
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(70, 70, 74));
    for (double y = shell.top() + 12; y < shell.bottom() - 10; y += 11.08)
        FParts.drawEllipse(QPointF(shell.center().x(), y), 0.9, 1.6);
    JackPost(QPointF(cutOut.center().x(), cutOut.top() - 8));
    JackPost(QPointF(cutOut.center().x(), cutOut.bottom() + 8));
}

void TMetalPainter::JackPost(QPointF centre)
{
    QPainterPath hex;
    hex.addPolygon(Hexagon(centre, 5.6));
    hex.closeSubpath();
    Shadow(hex, 5, 150);
    QLinearGradient faces(centre - QPointF(5, 5), centre + QPointF(5, 5));
    faces.setColorAt(0, QColor(250, 250, 246));
    faces.setColorAt(0.5, QColor(168, 168, 164));
    faces.setColorAt(1, QColor(78, 78, 80));
    FParts.setPen(QPen(QColor(60, 60, 62), 0.8));
    FParts.setBrush(faces);
    FParts.drawPolygon(Hexagon(centre, 5.6));
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(24, 24, 26));
    FParts.drawEllipse(centre, 2.2, 2.2);
}

void TMetalPainter::DSub(const QRectF &body, const QVector<QPointF> &joints)
{
    for (const QPointF &joint : joints)
        PinRun(QPointF(body.right() - 2, joint.y()), joint);
    const QPainterPath outline = Rounded(body, 1.5);
    Shadow(outline, 14, 165);
    const QRectF moulding = body.adjusted(12, 24, 0, -24);
    QLinearGradient plastic(moulding.topLeft(), moulding.topRight());
    plastic.setColorAt(0, QColor(48, 48, 52));
    plastic.setColorAt(1, QColor(22, 22, 24));
    FParts.fillRect(moulding, plastic);
    FParts.setPen(QPen(QColor(0, 0, 0, 120), 1));
    for (double y = moulding.top() + 6; y < moulding.bottom(); y += 11.08)
        FParts.drawLine(QLineF(moulding.left() + 3, y, moulding.right() - 2, y));
    const QRectF shell(body.left(), body.top(), 12, body.height());
    Plating(Rounded(shell), shell, QColor(222, 222, 218), QColor(140, 140, 140));
    Brush(Rounded(shell), shell, Qt::Vertical);
    for (const QRectF &ear : {QRectF(body.left(), body.top(), body.width(), 24),
                              QRectF(body.left(), body.bottom() - 24, body.width(), 24)}) {
        Plating(Rounded(ear, 1.5), ear, QColor(230, 230, 224), QColor(150, 150, 146));
        Rivet(ear.center() + QPointF(4, 0), 5.5);
    }
}

void TMetalPainter::Rivet(QPointF centre, double radius)
{
    QRadialGradient dome(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.3);
    dome.setColorAt(0, QColor(250, 250, 246));
    dome.setColorAt(1, QColor(110, 110, 110));
    FParts.setPen(QPen(QColor(80, 80, 80), 0.7));
    FParts.setBrush(dome);
    FParts.drawEllipse(centre, radius, radius);
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(40, 40, 42));
    FParts.drawEllipse(centre, radius * 0.35, radius * 0.35);
}

void TMetalPainter::PinRun(QPointF from, QPointF joint)
{
    QPainterPath wire;
    wire.addRect(QRectF(from.x(), joint.y() - 0.8, joint.x() - from.x(), 1.6));
    Shadow(wire, 5, 90);
    FParts.fillPath(wire, QColor(190, 190, 184));
    FParts.fillRect(QRectF(from.x(), joint.y() - 0.8, joint.x() - from.x(), 0.6), QColor(240, 240, 234));
    SolderJoint(joint);
}

// A through-hole joint: a cone of solder with the clipped pin end on top.
void TMetalPainter::SolderJoint(QPointF centre)
{
    QRadialGradient cone(centre - QPointF(1.2, 1.2), 4.2);
    cone.setColorAt(0, QColor(250, 250, 246));
    cone.setColorAt(0.6, QColor(176, 178, 174));
    cone.setColorAt(1, QColor(110, 112, 110));
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(cone);
    FParts.drawEllipse(centre, 3.6, 3.6);
    FParts.setBrush(QColor(132, 132, 128));
    FParts.drawEllipse(centre, 1.1, 1.1);
}

void TMetalPainter::Oscillator(const QRectF &can, const QStringList &marking)
{
    const double height = 18;
    const QPointF shift = Lean(can.center(), height) - can.center();
    QPainterPath foot;
    foot.addRoundedRect(can, 5, 5);
    Shadow(foot, height, 170);
    FParts.fillPath(Swept(foot, shift), QColor(112, 112, 116));
    const QRectF top = can.translated(shift);
    const QPainterPath lid = Rounded(top, 5);
    Plating(lid, top, QColor(236, 236, 238), QColor(150, 150, 156));
    Brush(lid, top, Qt::Horizontal);
    FParts.setPen(QPen(QColor(255, 255, 255, 120), 1));
    FParts.setBrush(Qt::NoBrush);
    FParts.drawRoundedRect(top.adjusted(2.5, 2.5, -2.5, -2.5), 3.5, 3.5);
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(30, 30, 34));
    FParts.drawEllipse(top.topLeft() + QPointF(6, 6), 1.6, 1.6);
    QFont font("DejaVu Sans Condensed");
    font.setPixelSize(9);
    font.setBold(true);
    FParts.setFont(font);
    FParts.setPen(QColor(34, 34, 40, 230));
    const double pitch = 11;
    const double first = top.center().y() - pitch * marking.size() / 2;
    for (int i = 0; i < marking.size(); ++i)
        FParts.drawText(QRectF(top.left(), first + i * pitch, top.width(), pitch), Qt::AlignCenter, marking[i]);
}
