#pragma once
// The hints of the chart tool bar's buttons in both languages, keyed by the
// button's objectName. Every window's chart tool bar speaks as the main window's.

#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

// The hint ("short|long") of the tool-bar button `objectName`; empty for another name.
std::string ChartToolBarHint(std::string_view objectName, Language language);

}  // namespace dorvex::texts
