#pragma once
// The texts of the window where a histogram is typed by hand, keyed by the
// objectName of the control that shows them.

#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

// The item of the main window's input-type selectors that opens the window.
inline constexpr int kTypedHistogramSourceItem = 0;

// The caption of a label or button; empty for a control without one.
std::string DescriptionControlCaption(std::string_view objectName, Language language);

}  // namespace dorvex::texts
