#include "ThreeJumper.h"

#include "Rounding.h"

#include <algorithm>

TThreeJumper::TThreeJumper(QWidget *parent)
    : TJumperControl(parent)
{
    resize(43, 18);
}

void TThreeJumper::SetJumperState(TJumperState value)
{
    if (value > jsRight || (value == jsOpen && !FAllowOpen))
        return;
    Change(FJumperState, value);
}

void TThreeJumper::SetAllowOpen(bool value)
{
    if (value == FAllowOpen)
        return;
    FAllowOpen = value;
    if (!FAllowOpen && FJumperState == jsOpen)
        SetJumperState(jsLeft);
    update();
}

TJumperState TThreeJumper::NextState() const
{
    switch (FJumperState) {
    case jsOpen:
        return jsLeft;
    case jsLeft:
        return jsRight;
    case jsRight:
        break;
    }
    return FAllowOpen ? jsOpen : jsLeft;
}

void TThreeJumper::DrawPicture(TGdiCanvas &canvas, int width, int height)
{
    const int k = Round((width - 2) / 4.5);
    const int p = k + 1;
    const int r = std::min(k / 3, Round((height - 2) / 4.0));
    const int cx = width / 2;
    const int cy = height / 2;
    const int e = (cx - p + 2) / 2;
    DrawHousing(canvas, width, height);
    if (FJumperState != jsOpen) {
        // The cap keeps its black outline even without a border.
        canvas.Pen = {clBlack, psSolid};
        canvas.Brush = {JumperColor()};
        if (FJumperState == jsLeft)
            canvas.Rectangle(0, 0, cx + e, height);
        else
            canvas.Rectangle(cx - e, 0, width, height);
    }
    DrawPin(canvas, p, cy, r);
    DrawPin(canvas, cx, cy, r);
    DrawPin(canvas, width - p, cy, r);
}

void TThreeJumper::Click()
{
    SetJumperState(NextState());
    TJumperControl::Click();
}
