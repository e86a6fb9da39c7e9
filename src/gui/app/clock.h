#pragma once
// The desktop's clock as the date and time texts read it.

#include "workbench/date_time_text.h"

namespace dorvex::gui {

// The local date and time now.
workbench::ClockReading ClockNow();

}  // namespace dorvex::gui
