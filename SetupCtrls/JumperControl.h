#pragma once
// What the two- and three-pin jumper drawings share: the colours, border and
// orientation, the way a paint draws a horizontal sketch and turns it into the
// face shown on screen, and the mouse handling that turns a press and release
// into a click.  The kinds differ only in their picture and their click.

#include "SetupTypes.h"

#include "Color.h"
#include "GdiCanvas.h"

#include <QImage>
#include <QWidget>

class TRadioPanel;

class TJumperControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(unsigned BaseColor READ BaseColor WRITE SetBaseColor)
    Q_PROPERTY(unsigned PinColor READ PinColor WRITE SetPinColor)
    Q_PROPERTY(unsigned JumperColor READ JumperColor WRITE SetJumperColor)
    Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

public:
    TColor BaseColor() const { return FBaseColor; }
    TColor PinColor() const { return FPinColor; }
    TColor JumperColor() const { return FJumperColor; }
    TOrientationType Orientation() const { return FOrientation; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }

    void SetBaseColor(TColor Value);
    void SetPinColor(TColor Value);
    void SetJumperColor(TColor Value);
    // A change to the other axis swaps width and height at the next paint,
    // unless the control has never been painted.
    void SetOrientation(TOrientationType Value);
    void SetBorderStyle(TBorderStyle Value);

    // Raised after the click has moved the jumper on, so it sees the new state.
    TNotifyEvent OnClick;

protected:
    explicit TJumperControl(QWidget *Parent);

    // Draws the jumper's own picture into a Width x Height horizontal sketch
    // whose background is already painted.
    virtual void DrawPicture(TGdiCanvas &Canvas, int Width, int Height) = 0;
    virtual void Click();

    // The parent when its class is exactly TRadioPanel, else null.
    TRadioPanel *ParentRadioPanel() const;
    TColor OutlineColor(TColor Fill) const;
    void DrawHousing(TGdiCanvas &Canvas, int Width, int Height) const;
    void DrawPin(TGdiCanvas &Canvas, int CentreX, int CentreY, int Radius) const;

    template <typename T>
    void Change(T &Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        update();
    }

    void paintEvent(QPaintEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;

private:
    void SizeImages(int SketchWidth, int SketchHeight);
    void DrawSketch(int SketchWidth, int SketchHeight);
    void TurnIntoFace(int SketchWidth, int SketchHeight);
    void ApplyPendingSwap();

    TOrientationType FOrientation = otUp;
    QImage FFace;
    QImage FSketch;
    TGdiCanvas FCanvas{FSketch};
    bool FSwapPending = false;
    bool FPaintedOnce = false;
    TColor FBaseColor = 0x00808080;
    TColor FJumperColor = 0x00000080;
    TColor FPinColor = 0x0000FFFF;
    TBorderStyle FBorderStyle = bsSingle;
    bool FLeftPressed = false;
};
