#pragma once
// A three-pin jumper: a grey housing with three yellow pins in a row and a
// maroon cap over the first two pins, the last two, or none.  A click moves
// the cap on.  It takes no part in a radio panel's radio rule.

#include "JumperControl.h"

class TThreeJumper : public TJumperControl
{
    Q_OBJECT
    Q_PROPERTY(TJumperState JumperState READ JumperState WRITE SetJumperState)
    Q_PROPERTY(bool AllowOpen READ AllowOpen WRITE SetAllowOpen)

public:
    explicit TThreeJumper(QWidget *Parent = nullptr);

    TJumperState JumperState() const { return FJumperState; }
    bool AllowOpen() const { return FAllowOpen; }

    // jsOpen is refused while AllowOpen is false.
    void SetJumperState(TJumperState Value);
    // Forbidding the open state moves an open jumper to jsLeft.
    void SetAllowOpen(bool Value);

protected:
    void DrawPicture(TGdiCanvas &Canvas, int Width, int Height) override;
    void Click() override;

private:
    TJumperState NextState() const;

    TJumperState FJumperState = jsOpen;
    bool FAllowOpen = true;
};
