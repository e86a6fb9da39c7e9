#pragma once
// The program's colour values: 32-bit 0x00BBGGRR, as stored in the settings file.

#include <QColor>

namespace dorvex::gui {

// The colour of a 0x00BBGGRR value; a system colour (top byte 0xFF) is the
// desktop palette's colour for it.
QColor FromColorRef(unsigned value);
// The 0x00BBGGRR value of a colour.
unsigned ToColorRef(const QColor& colour);

}  // namespace dorvex::gui
