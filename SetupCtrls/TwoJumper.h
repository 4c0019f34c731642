#pragma once
// A two-pin jumper as the user finds it on the board: a grey housing with two
// yellow pins when open, a maroon cap over both pins when closed.  A click
// toggles it; inside a radio panel with RadioEnabled the panel's two-pin
// jumpers act as a radio group.

#include "JumperControl.h"

class TTwoJumper : public TJumperControl
{
    Q_OBJECT
    Q_PROPERTY(bool Closed READ Closed WRITE SetClosed)

public:
    explicit TTwoJumper(QWidget *Parent = nullptr);

    bool Closed() const { return FClosed; }
    void SetClosed(bool Value);

protected:
    void DrawPicture(TGdiCanvas &Canvas, int Width, int Height) override;
    void Click() override;

private:
    bool FClosed = false;
};
