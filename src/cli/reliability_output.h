#pragma once
// The failure probability's bounds, the reliability index and the warnings of a
// result, as text lines and as JSON members.

#include <ostream>
#include <string>

#include "analysis/reliability_summary.h"
#include "texts/language.h"

namespace dorvex::cli {

// JSON members pf_lower, pf_upper (null without bounds), bounds (the reason when
// there are none, else ""), beta, beta_lower, beta_upper, target_beta and
// warnings (a list of texts), each preceded by ", ".
std::string ReliabilityJson(const analysis::ReliabilitySummary& s, texts::Language language);

// The same as lines of the calc summary.
void PrintReliability(std::ostream& out, const analysis::ReliabilitySummary& s, texts::Language language);

// A finite number as JsonNumber writes it, anything else as null.
std::string JsonNumberOrNull(double value);

}  // namespace dorvex::cli
