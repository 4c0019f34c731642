#include "PartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor Tin(204, 204, 198);
const QColor Solder(172, 174, 168);
const QColor EpoxyEdge(17, 17, 19);
const double PostHeight = 24;
const double HeaderPitch = 10;

QRectF Around(QPointF centre, QSizeF size)
{
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

QSizeF Along(QSizeF size, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? size : size.transposed();
}

QFont MarkingFont(double pixelSize)
{
    QFont font("DejaVu Sans Condensed");
    font.setPixelSize(std::max(4, static_cast<int>(std::lround(pixelSize))));
    return font;
}

} // namespace

void TPartPainter::Chip(const TPackage &package, const QStringList &marking, bool upright, bool jLeads)
{
    for (Qt::Edge edge : {Qt::LeftEdge, Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge})
        for (int i = 0; i < package.Leads(edge); ++i)
            Lead(package.LeadRoot(edge, i), package.LeadTip(edge, i), package.Pitch() * 0.5, jLeads);
    Epoxy(package.Body());
    PinOneDimple(package.Body());
    Marking(package.Body(), marking, upright);
}

// Tin leads: dark where they leave the body's shadow, bright on the shoulder,
// and standing in a fillet of solder on the pad.
void TPartPainter::Lead(QPointF root, QPointF tip, double width, bool jLead)
{
    const QPointF along = tip - root;
    const QPointF across = QPointF(-along.y(), along.x()) * (width / 2 / std::hypot(along.x(), along.y()));
    const QPointF foot = root + along * (jLead ? 0.0 : 0.45);
    const QPointF beyond = tip + along * (jLead ? 0.6 : 0.18);
    const QPolygonF fillet({foot + across * 1.5, beyond + across * 1.5, beyond - across * 1.5, foot - across * 1.5});
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(Solder);
    FParts.drawPolygon(fillet);
    QLinearGradient shine(root, tip);
    shine.setColorAt(0.0, jLead ? QColor(150, 150, 146) : QColor(85, 85, 84));
    shine.setColorAt(jLead ? 0.5 : 0.35, QColor(232, 232, 226));
    shine.setColorAt(jLead ? 1.0 : 0.7, jLead ? QColor(160, 160, 155) : QColor(170, 170, 165));
    shine.setColorAt(1.0, Tin);
    FParts.setBrush(shine);
    const QPolygonF lead({root + across, tip + across, tip - across, root - across});
    FParts.drawPolygon(lead);
    QPainterPath outline;
    outline.addPolygon(lead);
    Shadow(outline, 1.5, 90);
}

void TPartPainter::Epoxy(const QRectF &body)
{
    const QPainterPath outline = Rounded(body, 1.2);
    Shadow(outline, 6);
    FParts.fillPath(outline, EpoxyEdge);
    const QRectF top = body.adjusted(1.3, 1.3, -1.3, -1.3);
    QLinearGradient matte(top.topLeft(), top.bottomRight());
    matte.setColorAt(0, QColor(50, 50, 54));
    matte.setColorAt(1, QColor(31, 31, 34));
    FParts.fillRect(top, matte);
    QRadialGradient reflection(top.topLeft() + QPointF(top.width() * 0.3, top.height() * 0.25),
                               std::max(top.width(), top.height()) * 0.6);
    reflection.setColorAt(0, QColor(255, 255, 255, 16));
    reflection.setColorAt(1, QColor(255, 255, 255, 0));
    FParts.fillRect(top, reflection);
    FParts.setPen(QPen(QColor(95, 95, 100, 150), 0.8));
    FParts.drawLine(QLineF(body.topLeft() + QPointF(1, 0.6), body.topRight() + QPointF(-1, 0.6)));
    FParts.drawLine(QLineF(body.topLeft() + QPointF(0.6, 1), body.bottomLeft() + QPointF(0.6, -1)));
}

// A shallow dimple: its far wall catches the lamp, its near wall is in shade.
void TPartPainter::PinOneDimple(const QRectF &body)
{
    const double radius = std::clamp(std::min(body.width(), body.height()) * 0.07, 1.6, 3.2);
    const QPointF centre = body.topLeft() + QPointF(radius * 2.2, radius * 2.2);
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(22, 22, 24));
    FParts.drawEllipse(centre, radius, radius);
    FParts.setPen(QPen(QColor(120, 120, 126, 170), 0.8));
    FParts.setBrush(Qt::NoBrush);
    FParts.drawArc(Around(centre, QSizeF(radius * 2, radius * 2)), -40 * 16, -110 * 16);
}

void TPartPainter::Marking(const QRectF &body, const QStringList &lines, bool upright)
{
    if (lines.isEmpty())
        return;
    FParts.save();
    FParts.translate(body.center());
    QSizeF face = body.size();
    if (upright) {
        FParts.rotate(-90);
        face.transpose();
    }
    const double pitch = std::min(face.height() * 0.7 / lines.size(), 8.5);
    QFont font = MarkingFont(pitch * 0.95);
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, QFontMetricsF(font).horizontalAdvance(line));
    if (widest > face.width() * 0.86)
        font = MarkingFont(pitch * 0.95 * face.width() * 0.86 / widest);
    FParts.setFont(font);
    FParts.setPen(QColor(176, 176, 170, 215));
    const double top = -pitch * lines.size() / 2;
    for (int i = 0; i < lines.size(); ++i)
        FParts.drawText(QRectF(-face.width() / 2, top + i * pitch, face.width(), pitch), Qt::AlignCenter, lines[i]);
    FParts.restore();
}

void TPartPainter::Resistor(QPointF centre, Qt::Orientation orientation)
{
    ChipPassive(centre, QSizeF(8, 5), orientation, QColor(30, 30, 31));
}

void TPartPainter::Capacitor(QPointF centre, Qt::Orientation orientation)
{
    ChipPassive(centre, QSizeF(8, 5), orientation, QColor(164, 124, 82));
}

// A chip part: ceramic body between two tinned end caps, each soldered to a
// pad that shows beyond it.
void TPartPainter::ChipPassive(QPointF centre, QSizeF size, Qt::Orientation orientation, const QColor &body)
{
    const QRectF outline = Around(centre, Along(size, orientation));
    Shadow(Rounded(outline), 2.5, 130);
    FParts.fillRect(Around(centre, Along(size + QSizeF(3, 1.2), orientation)), Solder);
    QLinearGradient metal(outline.topLeft(), outline.bottomRight());
    metal.setColorAt(0, QColor(230, 230, 224));
    metal.setColorAt(1, QColor(150, 150, 146));
    FParts.fillRect(outline, metal);
    const QRectF ceramic = Around(centre, Along(QSizeF(size.width() * 0.56, size.height()), orientation));
    QLinearGradient face(ceramic.topLeft(), ceramic.bottomRight());
    face.setColorAt(0, body.lighter(125));
    face.setColorAt(1, body.darker(115));
    FParts.fillRect(ceramic, face);
}

// A moulded tantalum: amber body, a brown band at the anode end, and
// terminations folded under it.
void TPartPainter::Tantalum(QPointF centre, Qt::Orientation orientation)
{
    const QRectF body = Around(centre, Along(QSizeF(14, 10), orientation));
    Shadow(Rounded(body, 1), 4);
    FParts.fillRect(Around(centre, Along(QSizeF(18, 6.5), orientation)), Solder);
    QLinearGradient amber(body.topLeft(), body.bottomRight());
    amber.setColorAt(0, QColor(226, 170, 62));
    amber.setColorAt(1, QColor(180, 120, 32));
    FParts.fillPath(Rounded(body, 1), amber);
    const QSizeF bandSize = Along(QSizeF(2.6, 10), orientation);
    const QPointF bandOffset = orientation == Qt::Horizontal ? QPointF(-4.6, 0) : QPointF(0, -4.6);
    FParts.fillRect(Around(centre + bandOffset, bandSize), QColor(120, 72, 28));
}

// Seen from above a can shows its aluminium lid inside the rolled sleeve;
// being tall it leans away from the camera and lets its side show.
void TPartPainter::Electrolytic(QPointF centre, double radius)
{
    const double height = radius * 2.4;
    const QPointF top = Lean(centre, height);
    QPainterPath foot;
    foot.addEllipse(centre, radius, radius);
    Shadow(foot, height, 170);
    QLinearGradient sleeve(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    sleeve.setColorAt(0, QColor(46, 60, 120));
    sleeve.setColorAt(1, QColor(16, 22, 52));
    FParts.fillPath(Swept(foot, top - centre), sleeve);
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(168, 176, 204));
    FParts.drawPie(Around(top, QSizeF(radius * 2, radius * 2)), 150 * 16, 70 * 16);
    QRadialGradient lid(top - QPointF(radius * 0.35, radius * 0.35), radius);
    lid.setColorAt(0, QColor(236, 236, 240));
    lid.setColorAt(1, QColor(140, 140, 148));
    FParts.setBrush(lid);
    FParts.drawEllipse(top, radius * 0.8, radius * 0.8);
    Vent(top, radius * 0.5);
}

// The cross pressed into the lid, lit on one flank.
void TPartPainter::Vent(QPointF centre, double reach)
{
    for (const QPointF &shade : {QPointF(0.6, 0.6), QPointF(0, 0)}) {
        FParts.setPen(QPen(shade.isNull() ? QColor(105, 105, 112) : QColor(250, 250, 252, 150), 1.1));
        FParts.drawLine(centre + shade + QPointF(-reach, 0), centre + shade + QPointF(reach, 0));
        FParts.drawLine(centre + shade + QPointF(0, -reach), centre + shade + QPointF(0, reach));
    }
}

void TPartPainter::ResistorNetwork(const QRectF &body, const QString &marking)
{
    const QPainterPath foot = Rounded(body, 2);
    const QPointF shift = Lean(body.center(), 20) - body.center();
    Streak(foot, 20, 50);
    FParts.fillPath(Swept(foot, shift), QColor(16, 16, 18));
    const QRectF top = body.translated(shift).adjusted(0.6, 0.6, -0.6, -0.6);
    QLinearGradient matte(top.topLeft(), top.bottomRight());
    matte.setColorAt(0, QColor(58, 58, 62));
    matte.setColorAt(1, QColor(34, 34, 37));
    FParts.fillPath(Rounded(top, 1.6), matte);
    FParts.setPen(Qt::NoPen);
    FParts.setBrush(QColor(225, 225, 215));
    FParts.drawEllipse(top.topLeft() + QPointF(top.width() / 2, 3.2), 1.2, 1.2);
    Marking(top.adjusted(0, 7, 0, 0), {marking}, top.height() > top.width());
}

// Long thin things throw long thin shadows: stack footprints at rising heights.
void TPartPainter::Streak(const QPainterPath &foot, double height, int alpha)
{
    for (double h = 2; h <= height; h += 2)
        Shadow(foot, h, alpha);
}

void TPartPainter::Header(QPointF centre, int pins, Qt::Orientation orientation, int capFrom)
{
    for (int i = 0; i < pins; ++i)
        HeaderBase(Around(HeaderPin(centre, pins, i, orientation), QSizeF(HeaderPitch - 0.4, HeaderPitch - 0.4)));
    for (int i = 0; i < pins; ++i)
        Post(HeaderPin(centre, pins, i, orientation));
    if (capFrom >= 0) {
        const QPointF middle =
            (HeaderPin(centre, pins, capFrom, orientation) + HeaderPin(centre, pins, capFrom + 1, orientation)) / 2;
        Shunt(Around(middle, Along(QSizeF(19, 8.6), orientation)));
    }
}

QPointF TPartPainter::HeaderPin(QPointF centre, int pins, int index, Qt::Orientation orientation)
{
    const double offset = (index - (pins - 1) / 2.0) * HeaderPitch;
    return orientation == Qt::Horizontal ? centre + QPointF(offset, 0) : centre + QPointF(0, offset);
}

// The moulded strip: one octagonal cell per post, so the joins read as notches.
void TPartPainter::HeaderBase(const QRectF &cell)
{
    const double c = 1.6;
    const QPolygonF octagon({cell.topLeft() + QPointF(c, 0), cell.topRight() - QPointF(c, 0),
                             cell.topRight() + QPointF(0, c), cell.bottomRight() - QPointF(0, c),
                             cell.bottomRight() - QPointF(c, 0), cell.bottomLeft() + QPointF(c, 0),
                             cell.bottomLeft() - QPointF(0, c), cell.topLeft() + QPointF(0, c)});
    QPainterPath foot;
    foot.addPolygon(octagon);
    foot.closeSubpath();
    Shadow(foot, 9, 160);
    const QPointF shift = Lean(cell.center(), 9) - cell.center();
    FParts.fillPath(Swept(foot, shift), QColor(12, 12, 13));
    QLinearGradient plastic(cell.topLeft(), cell.bottomRight());
    plastic.setColorAt(0, QColor(62, 62, 66));
    plastic.setColorAt(1, QColor(28, 28, 30));
    FParts.fillPath(foot.translated(shift), plastic);
}

// A square post: its side shows as it leans, its top is gold with a bevelled tip.
void TPartPainter::Post(QPointF base)
{
    const QSizeF side(3.4, 3.4);
    const QPointF top = Lean(base, PostHeight);
    const QPainterPath foot = Rounded(Around(base, side));
    Streak(foot, PostHeight, 45);
    FParts.fillPath(Swept(foot, top - base), QColor(150, 128, 70));
    const QRectF head = Around(top, side);
    QLinearGradient gold(head.topLeft(), head.bottomRight());
    gold.setColorAt(0, QColor(252, 226, 140));
    gold.setColorAt(1, QColor(176, 132, 48));
    FParts.fillRect(head, gold);
    FParts.fillRect(Around(top - QPointF(0.3, 0.3), QSizeF(1.4, 1.4)), QColor(255, 246, 210));
}

void TPartPainter::Shunt(const QRectF &footprint)
{
    const double height = PostHeight + 3;
    const QPointF shift = Lean(footprint.center(), height) - footprint.center();
    const QPainterPath foot = Rounded(footprint, 1.5);
    Streak(foot, height, 40);
    FParts.fillPath(Swept(foot, shift), QColor(8, 14, 40));
    const QRectF top = footprint.translated(shift);
    QLinearGradient moulding(top.topLeft(), top.bottomRight());
    moulding.setColorAt(0, QColor(40, 58, 120));
    moulding.setColorAt(1, QColor(12, 18, 56));
    FParts.fillPath(Rounded(top, 1.5), moulding);
    FParts.setPen(QPen(QColor(150, 175, 235, 160), 0.8));
    FParts.drawLine(top.topLeft() + QPointF(1.5, 0.7), top.topRight() + QPointF(-1.5, 0.7));
    FParts.fillRect(Around(top.center(), QSizeF(3, 3)), QColor(6, 10, 28));
}

void TPartPainter::Sticker(const QRectF &paper, const QString &serial)
{
    const QPainterPath outline = Rounded(paper, 1);
    Shadow(outline, 1.5, 80);
    QLinearGradient sheen(paper.topLeft(), paper.bottomRight());
    sheen.setColorAt(0, QColor(246, 245, 238));
    sheen.setColorAt(1, QColor(220, 218, 208));
    FParts.fillPath(outline, sheen);
    const QRectF bars = paper.adjusted(6, 4, -6, -12);
    for (double x = bars.left(); x < bars.right() - 2;) {
        const double width = FRandom.Uniform(0.8, 2.6);
        if (FRandom.Uniform(0, 1) < 0.55)
            FParts.fillRect(QRectF(x, bars.top(), width, bars.height()), QColor(28, 28, 30));
        x += width + FRandom.Uniform(0.6, 1.6);
    }
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(8);
    FParts.setFont(font);
    FParts.setPen(QColor(30, 30, 32));
    FParts.drawText(QRectF(paper.left(), bars.bottom(), paper.width(), 11), Qt::AlignCenter, serial);
}
