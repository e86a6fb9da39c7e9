#pragma once
// The texts of the window that checks the engine against cases with exact answers.

#include <string>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

std::string VerificationWindowTitle(Language language);
// Column headings: case, exact, Dorvex, lower bound, upper bound, relative error, verdict.
std::vector<std::string> VerificationHeadings(Language language);
// A row's verdict: the exact value inside its bounds or not.
std::string VerificationVerdict(bool inside, Language language);
// The line under the table.
std::string VerificationSummary(bool allInside, Language language);

}  // namespace dorvex::texts
