#pragma once
// Colours are stored as 0x00BBGGRR with red in the low byte; a value with the
// top bit set names a system colour, resolved through the application palette.

#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindowText = 0x80000008;

QColor ColorToQColor(TColor color);
