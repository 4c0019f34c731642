#include "Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QPalette::ColorRole SystemColorRole(std::uint32_t index)
{
    switch (index) {
    case 0x05: return QPalette::Base;         // window background
    case 0x08: return QPalette::WindowText;
    case 0x0D: return QPalette::Highlight;
    case 0x0E: return QPalette::HighlightedText;
    case 0x12: return QPalette::ButtonText;
    case 0x0F:                                 // button face
    default: return QPalette::Button;
    }
}

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color & 0x80000000u) {
        const QColor resolved = QGuiApplication::palette().color(SystemColorRole(color & 0xFFu));
        return QColor(resolved.red(), resolved.green(), resolved.blue());
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
