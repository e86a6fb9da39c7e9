#include "app/color_ref.h"

#include <QGuiApplication>
#include <QPalette>

namespace dorvex::gui {

namespace {

// The desktop's colour for a system colour index (the low byte of 0xFF0000nn).
QColor SystemColour(unsigned index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 5: return palette.color(QPalette::Base);                // window
    case 8: return palette.color(QPalette::Text);                // window text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 16: return palette.color(QPalette::Dark);               // button shadow
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);              // button highlight
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);             // button face and the rest
  }
}

}  // namespace

QColor FromColorRef(unsigned value) {
  if ((value >> 24) == 0xFFu) return SystemColour(value & 0xFFu);
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

unsigned ToColorRef(const QColor& colour) {
  return static_cast<unsigned>(colour.red()) | (static_cast<unsigned>(colour.green()) << 8) |
         (static_cast<unsigned>(colour.blue()) << 16);
}

}  // namespace dorvex::gui
