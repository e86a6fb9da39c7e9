#include "reliability_output.h"

#include <cmath>
#include <optional>

#include "cli_options.h"

namespace dorvex::cli {

namespace {

std::string Optional(const std::optional<double>& value) {
  return value ? JsonNumberOrNull(*value) : "null";
}

}  // namespace

std::string JsonNumberOrNull(double value) { return std::isfinite(value) ? JsonNumber(value) : "null"; }

std::string ReliabilityJson(const analysis::ReliabilitySummary& s, texts::Language language) {
  std::string json = ", \"pf_lower\": " + Optional(s.pfLower) + ", \"pf_upper\": " + Optional(s.pfUpper) +
                     ", \"bounds\": " + JsonString(analysis::NoBoundsText(s.boundsKind, language)) +
                     ", \"beta\": " + JsonNumberOrNull(s.beta) + ", \"beta_lower\": " + Optional(s.betaLower) +
                     ", \"beta_upper\": " + Optional(s.betaUpper) +
                     ", \"target_beta\": " + JsonNumberOrNull(s.targetBeta) + ", \"warnings\": [";
  for (std::size_t i = 0; i < s.warnings.size(); ++i) json += (i > 0 ? ", " : "") + JsonString(s.warnings[i]);
  return json + "]";
}

void PrintReliability(std::ostream& out, const analysis::ReliabilitySummary& s, texts::Language language) {
  if (s.pfLower && s.pfUpper) {
    out << "Pf lower bound       " << JsonNumber(*s.pfLower) << '\n'
        << "Pf upper bound       " << JsonNumber(*s.pfUpper) << '\n';
  } else {
    out << "Pf bounds            " << analysis::NoBoundsText(s.boundsKind, language) << '\n';
  }
  out << "Reliability index    " << analysis::IndexText(s.beta);
  if (s.betaLower && s.betaUpper) {
    out << " (" << analysis::IndexText(*s.betaLower) << " .. " << analysis::IndexText(*s.betaUpper) << ")";
  }
  out << '\n' << "Target index         " << analysis::IndexText(s.targetBeta) << '\n'
      << analysis::ReliabilityLine(s, language) << '\n';
  for (const std::string& warning : s.warnings) out << "Warning: " << warning << '\n';
}

}  // namespace dorvex::cli
