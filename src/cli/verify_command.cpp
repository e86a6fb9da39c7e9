// dorvex-cli verify: the engine and its bounds against cases with exact answers.

#include <cstdio>

#include "analysis/verification_cases.h"
#include "commands.h"
#include "reliability_output.h"

namespace dorvex::cli {

int RunVerify(Arguments& args, std::ostream& out, std::ostream&) {
  const bool json = args.Flag("--json");
  if (!args.Positionals().empty()) throw UsageError("verify takes no files");
  const std::vector<analysis::VerificationOutcome> outcomes = analysis::RunVerification();
  bool allInside = true;
  if (json) out << "[";
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    const analysis::VerificationOutcome& o = outcomes[i];
    allInside = allInside && o.Inside();
    if (json) {
      out << (i > 0 ? ",\n " : "") << "{\"name\": " << JsonString(o.name)
          << ", \"exact\": " << JsonNumberOrNull(o.exact) << ", \"pf\": " << JsonNumberOrNull(o.value)
          << ", \"pf_lower\": " << (o.bounded ? JsonNumberOrNull(o.lower) : "null")
          << ", \"pf_upper\": " << (o.bounded ? JsonNumberOrNull(o.upper) : "null")
          << ", \"rel_error\": " << JsonNumberOrNull(o.relativeError) << ", \"inside\": "
          << (o.Inside() ? "true" : "false") << ", \"source\": " << JsonString(o.source);
      if (!o.failure.empty()) out << ", \"failure\": " << JsonString(o.failure);
      out << "}";
      continue;
    }
    char numbers[200];
    std::snprintf(numbers, sizeof numbers, "  exact %.6E   Dorvex %.6E   bounds %.6E .. %.6E   rel. error %.2E   %s\n",
                  o.exact, o.value, o.lower, o.upper, o.relativeError, o.Inside() ? "inside" : "OUTSIDE");
    out << o.name << '\n' << (o.failure.empty() ? numbers : "  " + o.failure + "\n")
        << "  source: " << o.source << '\n';
  }
  out << (json ? "]\n" : allInside ? "All exact values lie within their bounds.\n"
                                    : "Some exact values lie outside their bounds.\n");
  return allInside ? kExitOk : kExitRefused;
}

}  // namespace dorvex::cli
