#include "TwoJumper.h"

#include "RadioPanel.h"
#include "Rounding.h"

#include <algorithm>

TTwoJumper::TTwoJumper(QWidget *parent)
    : TJumperControl(parent)
{
    resize(34, 18);
}

void TTwoJumper::SetClosed(bool value)
{
    Change(FClosed, value);
}

void TTwoJumper::DrawPicture(TGdiCanvas &canvas, int width, int height)
{
    if (FClosed) {
        canvas.Pen = {OutlineColor(JumperColor()), psSolid};
        canvas.Brush = {JumperColor()};
        canvas.Rectangle(0, 0, width, height);
    } else {
        DrawHousing(canvas, width, height);
    }
    // Drawn over the cap too, so a closed jumper still shows its pins.
    const int k = Round(width / 3.5);
    const int p = k + 1;
    const int r = std::min(k / 3, Round(height / 4.0));
    const int cy = height / 2;
    DrawPin(canvas, p, cy, r);
    DrawPin(canvas, width - p, cy, r);
}

void TTwoJumper::Click()
{
    // The toggle repaints even when the radio rule below sets it back.
    FClosed = !FClosed;
    update();
    TRadioPanel *panel = ParentRadioPanel();
    if (panel && panel->RadioEnabled())
        panel->SelectJumper(this);
    TJumperControl::Click();
}
