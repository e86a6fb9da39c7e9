#pragma once
// The texts of the window where a limit-state expression of several histograms is
// written and evaluated.

#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

std::string ExpressionWindowTitle(Language language);
// The caption of a label, button or check box; empty for a control without one.
std::string ExpressionControlCaption(std::string_view objectName, Language language);
// Headings of the inputs table (name, source) and of the steps table.
std::vector<std::string> ExpressionInputHeadings(Language language);
std::vector<std::string> ExpressionStepHeadings(Language language);
// The line after a successful evaluation; the note that an exact rewrite was used.
std::string ExpressionEvaluatedText(Language language);
std::string ExpressionRewrittenText(std::string_view rewrite, Language language);

}  // namespace dorvex::texts
