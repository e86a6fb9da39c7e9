#include "app/color_ref.h"

namespace dorvex::gui {

QColor FromColorRef(unsigned value) {
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

unsigned ToColorRef(const QColor& colour) {
  return static_cast<unsigned>(colour.red()) | (static_cast<unsigned>(colour.green()) << 8) |
         (static_cast<unsigned>(colour.blue()) << 16);
}

}  // namespace dorvex::gui
