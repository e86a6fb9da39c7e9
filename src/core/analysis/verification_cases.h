#pragma once
// Cases with exact answers that the engine and its bounds are checked against:
// each input generated as the parametric window makes it (1024 intervals), the
// operation run, and the exact probability compared with the result and its
// bounds.

#include <string>
#include <vector>

namespace dorvex::analysis {

struct VerificationOutcome {
  std::string name;
  std::string source;    // where the exact value comes from
  double exact = 0.0;
  double value = 0.0;    // Dorvex's probability
  double lower = 0.0;    // its bounds
  double upper = 0.0;
  double relativeError = 0.0;  // |value - exact| / exact
  bool bounded = false;  // the run gave bounds
  std::string failure;   // why the case could not run; empty when it ran
  // The exact value lies within the bounds.
  bool Inside() const { return failure.empty() && bounded && lower <= exact && exact <= upper; }
};

// Runs every case.
std::vector<VerificationOutcome> RunVerification();

}  // namespace dorvex::analysis
