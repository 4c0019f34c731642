#pragma once

#include <QImage>

// The photograph of the card's component side as the setup program shows it:
// bracket at the left, edge connector at the bottom, and the three option
// jumpers exactly where the program's highlight rings fall.
class TCardPhoto
{
public:
    static constexpr int Width = 600;
    static constexpr int Height = 418;

    QImage Render() const;
};
