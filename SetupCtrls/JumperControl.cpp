#include "JumperControl.h"

#include "RadioPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

bool IsVertical(TOrientationType orientation)
{
    return orientation == otLeft || orientation == otRight;
}

} // namespace

TJumperControl::TJumperControl(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // The face covers every pixel, so Qt need not paint what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TJumperControl::SetBaseColor(TColor value)
{
    Change(FBaseColor, value);
}

void TJumperControl::SetPinColor(TColor value)
{
    Change(FPinColor, value);
}

void TJumperControl::SetJumperColor(TColor value)
{
    Change(FJumperColor, value);
}

void TJumperControl::SetOrientation(TOrientationType value)
{
    if (value == FOrientation || value > otRight)
        return;
    // A second change of axis before the next paint cancels the first, so the
    // size always ends up matching the axis the control is painted on.
    if (IsVertical(value) != IsVertical(FOrientation))
        FSwapPending = !FSwapPending;
    FOrientation = value;
    update();
}

void TJumperControl::SetBorderStyle(TBorderStyle value)
{
    if (value > bsSingle)
        return;
    Change(FBorderStyle, value);
}

void TJumperControl::Click()
{
    if (OnClick)
        OnClick(this);
}

TRadioPanel *TJumperControl::ParentRadioPanel() const
{
    QObject *owner = parent();
    if (owner && owner->metaObject() == &TRadioPanel::staticMetaObject)
        return static_cast<TRadioPanel *>(owner);
    return nullptr;
}

TColor TJumperControl::OutlineColor(TColor fill) const
{
    return FBorderStyle == bsSingle ? clBlack : fill;
}

void TJumperControl::DrawHousing(TGdiCanvas &canvas, int width, int height) const
{
    canvas.Pen = {OutlineColor(FBaseColor), psSolid};
    canvas.Brush = {FBaseColor};
    canvas.RoundRect(1, 1, width - 1, height - 1, height / 2, height / 2);
}

void TJumperControl::DrawPin(TGdiCanvas &canvas, int centreX, int centreY, int radius) const
{
    canvas.Pen = {FPinColor, psClear};
    canvas.Brush = {FPinColor};
    canvas.Ellipse(centreX - radius, centreY - radius, centreX + radius, centreY + radius);
}

void TJumperControl::paintEvent(QPaintEvent *)
{
    const bool vertical = IsVertical(FOrientation);
    const int sketchWidth = vertical ? height() : width();
    const int sketchHeight = vertical ? width() : height();
    SizeImages(sketchWidth, sketchHeight);
    DrawSketch(sketchWidth, sketchHeight);
    TurnIntoFace(sketchWidth, sketchHeight);
    ApplyPendingSwap();
    QPainter(this).drawImage(0, 0, FFace);
    FPaintedOnce = true;
}

void TJumperControl::SizeImages(int sketchWidth, int sketchHeight)
{
    const QSize sketchSize(sketchWidth, sketchHeight);
    const QSize faceSize = IsVertical(FOrientation) ? sketchSize.transposed() : sketchSize;
    if (FSketch.size() != sketchSize)
        FSketch = QImage(sketchSize, QImage::Format_RGB32);
    if (FFace.size() != faceSize)
        FFace = QImage(faceSize, QImage::Format_RGB32);
}

void TJumperControl::DrawSketch(int sketchWidth, int sketchHeight)
{
    const TGdiCanvas::TPen pen = FCanvas.Pen;
    const TGdiCanvas::TBrush brush = FCanvas.Brush;
    const TRadioPanel *panel = ParentRadioPanel();
    FCanvas.Pen.Color = panel ? panel->Color() : clBtnFace;
    FCanvas.Brush.Color = FCanvas.Pen.Color;
    FCanvas.Rectangle(0, 0, sketchWidth, sketchHeight);
    DrawPicture(FCanvas, sketchWidth, sketchHeight);
    // Every paint starts from the same pen and brush, whatever the picture left.
    FCanvas.Pen = pen;
    FCanvas.Brush = brush;
}

void TJumperControl::TurnIntoFace(int sketchWidth, int sketchHeight)
{
    uchar *const face = FFace.bits();
    const qsizetype stride = FFace.bytesPerLine();
    auto faceLine = [face, stride](int y) { return reinterpret_cast<QRgb *>(face + y * stride); };
    for (int y = 0; y < sketchHeight; ++y) {
        const QRgb *source = reinterpret_cast<const QRgb *>(FSketch.constScanLine(y));
        switch (FOrientation) {
        case otUp:
            std::copy(source, source + sketchWidth, faceLine(y));
            break;
        case otDown:
            std::reverse_copy(source, source + sketchWidth, faceLine(sketchHeight - 1 - y));
            break;
        case otLeft:
            for (int x = 0; x < sketchWidth; ++x)
                faceLine(sketchWidth - 1 - x)[y] = source[x];
            break;
        case otRight:
            for (int x = 0; x < sketchWidth; ++x)
                faceLine(x)[sketchHeight - 1 - y] = source[x];
            break;
        }
    }
}

void TJumperControl::ApplyPendingSwap()
{
    if (!FSwapPending)
        return;
    FSwapPending = false;
    // Before the first paint the size is the one the form gave for the
    // orientation it also gave, so it stays.
    if (FPaintedOnce)
        resize(height(), width());
}

void TJumperControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        FLeftPressed = true;
}

void TJumperControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = FLeftPressed && rect().contains(event->position().toPoint());
    FLeftPressed = false;
    if (click)
        Click();
}

// The second press of a double click arrives here instead of as a press, and
// it is no click.
void TJumperControl::mouseDoubleClickEvent(QMouseEvent *)
{
}
