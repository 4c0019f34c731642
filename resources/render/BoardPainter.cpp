#include "BoardPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>

namespace {

const QColor Mask(15, 70, 42);
const QColor Copper(34, 106, 60);
const QColor Silk(234, 238, 228);

QRectF Anchored(QPointF anchor, QSizeF size, Qt::Alignment align)
{
    QPointF corner = anchor - QPointF(size.width() / 2, size.height() / 2);
    if (align & Qt::AlignLeft)
        corner.setX(anchor.x());
    if (align & Qt::AlignRight)
        corner.setX(anchor.x() - size.width());
    if (align & Qt::AlignTop)
        corner.setY(anchor.y());
    if (align & Qt::AlignBottom)
        corner.setY(anchor.y() - size.height());
    return {corner, size};
}

} // namespace

TBoardPainter::TBoardPainter(QPainter &painter) : FPainter(painter)
{
    FPainter.setRenderHint(QPainter::Antialiasing);
    FPainter.setRenderHint(QPainter::TextAntialiasing);
}

void TBoardPainter::Backdrop(const QRectF &area)
{
    QLinearGradient paper(area.topLeft(), area.bottomRight());
    paper.setColorAt(0, QColor(226, 226, 221));
    paper.setColorAt(1, QColor(186, 186, 181));
    FPainter.fillRect(area, paper);
}

void TBoardPainter::Laminate(const QPainterPath &outline, const QRectF &bare)
{
    FPainter.fillPath(outline.translated(1.2, 2.2), QColor(128, 134, 92));
    QLinearGradient gloss(outline.boundingRect().topLeft(), outline.boundingRect().bottomRight());
    gloss.setColorAt(0.0, Mask.lighter(112));
    gloss.setColorAt(0.45, Mask);
    gloss.setColorAt(1.0, Mask.darker(108));
    FPainter.fillPath(outline, gloss);
    QPainterPath exposed;
    exposed.addRect(bare);
    FPainter.fillPath(outline.intersected(exposed), QColor(150, 150, 96));
}

void TBoardPainter::Pour(const QPainterPath &area)
{
    FPour = FPour.united(area);
}

void TBoardPainter::Trace(const QPolygonF &path, double width)
{
    FTraces.append({path, width});
}

void TBoardPainter::Via(QPointF centre, double radius)
{
    FVias.append({centre, radius});
}

void TBoardPainter::Etch()
{
    QImage layer(FPainter.device()->width(), FPainter.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter copper(&layer);
    copper.setRenderHint(QPainter::Antialiasing);
    copper.fillPath(FPour, Copper);
    EtchClearances(copper);
    EtchCopper(copper);
    copper.end();
    FPainter.drawImage(0, 0, layer);
}

void TBoardPainter::EtchClearances(QPainter &copper) const
{
    copper.setCompositionMode(QPainter::CompositionMode_Clear);
    copper.setBrush(Qt::NoBrush);
    for (const TTrace &trace : FTraces) {
        copper.setPen(QPen(Qt::black, trace.Width + 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        copper.drawPolyline(trace.Path);
    }
    copper.setPen(Qt::NoPen);
    copper.setBrush(Qt::black);
    for (const TVia &via : FVias)
        copper.drawEllipse(via.Centre, via.Radius + 1.7, via.Radius + 1.7);
    copper.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The mask rises over each trace and catches the lamp along its upper edge.
void TBoardPainter::EtchCopper(QPainter &copper) const
{
    copper.setBrush(Qt::NoBrush);
    for (const TTrace &trace : FTraces) {
        copper.setPen(QPen(Copper, trace.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        copper.drawPolyline(trace.Path);
        copper.setPen(QPen(QColor(92, 178, 108, 80), trace.Width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        copper.drawPolyline(trace.Path.translated(-trace.Width * 0.25, -trace.Width * 0.25));
    }
    copper.setPen(Qt::NoPen);
    for (const TVia &via : FVias) {
        copper.setBrush(QColor(44, 128, 74));
        copper.drawEllipse(via.Centre, via.Radius, via.Radius);
        copper.setBrush(QColor(110, 186, 120, 100));
        copper.drawEllipse(via.Centre - QPointF(0.5, 0.5), via.Radius * 0.7, via.Radius * 0.7);
        copper.setBrush(QColor(10, 42, 22));
        copper.drawEllipse(via.Centre, via.Radius * 0.42, via.Radius * 0.42);
    }
}

// A bare tinned dot in a ring cleared of mask, for the placement camera.
void TBoardPainter::Fiducial(QPointF centre)
{
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(QColor(82, 96, 46));
    FPainter.drawEllipse(centre, 5, 5);
    FPainter.setBrush(QColor(214, 214, 206));
    FPainter.drawEllipse(centre, 2.4, 2.4);
}

void TBoardPainter::Finger(const QRectF &finger)
{
    QLinearGradient gold(finger.topLeft(), finger.bottomLeft());
    gold.setColorAt(0.0, QColor(196, 150, 60));
    gold.setColorAt(0.35, QColor(246, 214, 128));
    gold.setColorAt(0.7, QColor(222, 180, 90));
    gold.setColorAt(1.0, QColor(176, 134, 52));
    FPainter.fillRect(finger, gold);
    FPainter.fillRect(QRectF(finger.left(), finger.top(), 0.8, finger.height()), QColor(255, 240, 190, 140));
}

void TBoardPainter::SilkText(QPointF anchor, const QString &text, double pixelSize, Qt::Alignment align, bool vertical)
{
    QFont font("DejaVu Sans Condensed");
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(true);
    FPainter.save();
    FPainter.setFont(font);
    FPainter.setPen(Silk);
    FPainter.translate(anchor);
    if (vertical)
        FPainter.rotate(-90);
    const QSizeF size = QFontMetricsF(font).size(Qt::TextSingleLine, text);
    FPainter.drawText(Anchored(QPointF(0, 0), size, align), Qt::AlignCenter, text);
    FPainter.restore();
}

void TBoardPainter::SilkBox(const QRectF &box)
{
    FPainter.setPen(QPen(Silk, 1.1));
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawRect(box);
}
