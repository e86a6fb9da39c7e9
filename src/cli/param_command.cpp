// dorvex-cli param: a histogram of one of the parametric distributions.

#include <cmath>
#include <sstream>

#include "commands.h"
#include "model/distribution_file_writer.h"
#include "result_output.h"
#include "sources/distribution.h"
#include "sources/parametric_request.h"
#include "sources/range_tails.h"
#include "statvex/statistics.h"
#include "texts/messages.h"

namespace dorvex::cli {

namespace {

// A refusal as the window's dialog would show it. Refusals the window passes over
// silently still need words on a command line: message 507 says what happened.
void PrintRefusal(std::ostream& err, const sources::ParamRefusal& refusal, texts::Language language) {
  err << texts::MessageText(refusal.titleMessage, language) << '\n'
      << (refusal.shown && !refusal.text.empty() ? refusal.text : texts::MessageText(507, language)) << '\n';
}

model::Histogram HistogramOf(const sources::ParametricResult& r) {
  model::Histogram h;
  h.P = r.buffer.histogram.P;
  h.N = r.buffer.histogram.N;
  h.Min = r.buffer.histogram.Min;
  h.Max = r.buffer.histogram.Max;
  h.d = r.buffer.histogram.d;
  h.Range = r.buffer.histogram.Range;
  h.Total = r.buffer.histogram.Total;
  h.Type = r.histogramType;
  return h;
}

}  // namespace

int RunParam(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const bool table = args.Flag("--table");
  const bool pure = args.Flag("--pure");
  const long bins = ParseInteger("--bins", args.Option("--bins").value_or("128"));
  const double eps = ParseStrict("--eps", args.Option("--eps").value_or("1E-7"));
  const auto output = args.Option("-o");
  const auto words = args.Positionals();
  if (words.empty()) throw UsageError("distribution type and parameters expected");

  const auto type = sources::FindParamType(words[0]);
  if (!type) throw UsageError("unknown distribution type \"" + words[0] + "\"");
  const std::size_t count = words.size() - 1;
  if (count < 1 || count > static_cast<std::size_t>(sources::ParamCount(*type)))
    throw UsageError(sources::ParamListText(*type, language) + " takes 1 to " +
                     std::to_string(sources::ParamCount(*type)) + " parameters");

  sources::ParametricRequest request;
  request.type = *type;
  request.parameters.assign(words.begin() + 1, words.end());
  request.bins = static_cast<std::int32_t>(bins);
  request.eps = eps;
  request.pureDiscrete = pure;
  const sources::ParametricResult result = sources::ComputeParametric(request, language);
  if (!result.ok()) {
    PrintRefusal(err, *result.error, language);
    return kExitRefused;
  }
  const model::Histogram h = HistogramOf(result);

  if (output) {
    if (auto error = model::WriteResultDistributionFile(*output, h, h.Total)) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }

  long double sum = 0.0L;
  for (int i = 1; i <= h.N; ++i) sum += h.P[i];
  const double mean = statvex::Mean(h.P, h.N, h.Min, h.Max);
  const double deviation = std::sqrt(statvex::Variance(h.P, h.N, h.Min, h.Max, mean));
  const sources::CutTails cut = sources::CutByRange(result.state);

  ResultSummary summary;
  summary.histogram = &h;
  summary.total = h.Total;
  summary.probabilitySum = sum;
  summary.withFailureProbability = false;
  if (json) {
    // The summary object, with the distribution's name and moments added in front.
    out << "{\"name\": " << JsonString(result.name) << ", \"mean\": " << JsonNumber(mean)
        << ", \"std\": " << JsonNumber(deviation)
        << ", \"cut_lower\": " << JsonNumber(static_cast<double>(cut.lower))
        << ", \"cut_upper\": " << JsonNumber(static_cast<double>(cut.upper)) << ", ";
    std::ostringstream rest;
    PrintSummaryJson(rest, summary, table);
    out << rest.str().substr(1);
  } else {
    out << "Distribution         " << result.name << '\n';
    PrintSummary(out, summary, false);
    out << "Mean                 " << JsonNumber(mean) << '\n'
        << "Standard deviation   " << JsonNumber(deviation) << '\n'
        << "Cut below Min        " << JsonNumber(static_cast<double>(cut.lower)) << '\n'
        << "Cut above Max        " << JsonNumber(static_cast<double>(cut.upper)) << '\n';
    if (table) PrintTable(out, h);
  }
  return kExitOk;
}

}  // namespace dorvex::cli
