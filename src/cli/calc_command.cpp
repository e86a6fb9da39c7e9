// dorvex-cli calc: one operation of the engine on distribution files.

#include <array>
#include <sstream>
#include <string_view>

#include "commands.h"
#include "engine/engine.h"
#include "engine/multiples.h"
#include "engine/rescale.h"
#include "histogram_outputs.h"
#include "model/listing_rows.h"
#include "model/slot_texts.h"
#include "statvex/number_text.h"
#include "model/distribution_file_reader.h"
#include "model/distribution_file_writer.h"
#include "result_output.h"

namespace dorvex::cli {

namespace {

// Command words in the order of the operation codes 1..10.
constexpr std::array<std::string_view, 10> kOperationWords = {
    "add", "sub", "mul", "div", "sq", "abs", "pow", "sum", "prod", "quot"};

int OperationCodeOf(const std::string& word) {
  for (std::size_t i = 0; i < kOperationWords.size(); ++i)
    if (kOperationWords[i] == word) return static_cast<int>(i) + 1;
  throw UsageError("unknown operation \"" + word + "\"");
}

// Reads a slot's file and scales it as the main window does.
std::optional<model::ModelError> LoadScaled(const std::string& path, double multiple,
                                            model::SlotId slot, model::Histogram& scaled) {
  const model::DistributionReadResult read = model::ReadDistributionFile(path);
  if (!read.ok()) return read.error;
  const model::Histogram& base = read.record.histogram;
  if (auto refused = engine::CheckInputMultiple(multiple, base.Type, slot)) return refused;
  scaled = model::ApplyMultiple(base, multiple);
  return std::nullopt;
}

}  // namespace

int RunCalc(Arguments& args, std::ostream& out, std::ostream& err) {
  ApplyLanguage(args);
  const bool json = args.Flag("--json");
  const bool table = args.Flag("--table");
  const double na = ParseStrict("--na", args.Option("--na").value_or("1"));
  const double nb = ParseStrict("--nb", args.Option("--nb").value_or("1"));
  const double nab = ParseStrict("--nab", args.Option("--nab").value_or("1"));
  const std::string exponent = args.Option("--n").value_or("");
  const long limit = ParseInteger("--limit", args.Option("--limit").value_or("256"));
  if (limit < 2 || limit > kMaxBins) throw UsageError("--limit takes 2 .. 1024");
  const auto output = args.Option("-o");
  FileOutputs outputs{args.Option("--report"), args.Option("--xlsx")};
  const auto words = args.Positionals();
  if (words.empty()) throw UsageError("operation and input files expected");

  const int code = OperationCodeOf(words[0]);
  const std::size_t inputs = engine::IsBinaryOperation(code) ? 2 : 1;
  if (words.size() != 1 + inputs)
    throw UsageError(words[0] + (inputs == 2 ? " takes files A and B" : " takes one file A"));
  if (nab == 0.0) throw UsageError("--nab must not be 0");

  model::Histogram a;
  model::Histogram b;
  if (auto error = LoadScaled(words[1], na, model::SlotId::A, a)) {
    PrintError(err, *error);
    return kExitRefused;
  }
  if (inputs == 2) {
    if (auto error = LoadScaled(words[2], nb, model::SlotId::B, b)) {
      PrintError(err, *error);
      return kExitRefused;
    }
  }

  engine::OperationRequest request;
  request.code = code;
  request.a = &a;
  request.b = inputs == 2 ? &b : nullptr;
  request.exponent = exponent;
  request.pointLimit = static_cast<int>(limit);

  const engine::RescaleOutcome rescaled = engine::RescaleResult(request, nab);
  if (rescaled.notice) {
    PrintError(err, *rescaled.notice);
    return kExitRefused;
  }
  const engine::OperationOutcome& outcome = rescaled.outcome;
  if (outcome.error) {
    PrintError(err, *outcome.error);
    return kExitRefused;
  }
  const engine::OperationResult& result = *outcome.result;

  if (output) {
    if (auto error = model::WriteResultDistributionFile(*output, result.histogram,
                                                        result.totalExtended)) {
      PrintError(err, *error);
      return kExitRefused;
    }
  }

  OutputSource source;
  source.histogram = &result.histogram;
  source.resultTotal = result.totalExtended;
  source.multiplier = model::FrequencyMultiplier(a.Total, inputs == 2 ? b.Total : 0.0L, result.totalExtended);
  source.label = result.label + "   (nAB=" + statvex::MultipleText(rescaled.multiple) + ")";
  source.nameA = model::SlotNameFromPath(words[1]);
  source.multipleA = statvex::MultipleText(na);
  if (inputs == 2) {
    source.nameB = model::SlotNameFromPath(words[2]);
    source.multipleB = statvex::MultipleText(nb);
  }
  if (auto error = WriteOutputs(outputs, source)) {
    PrintError(err, *error);
    return kExitRefused;
  }
  const analysis::Characteristics characteristics = analysis::ComputeCharacteristics(result);

  ResultSummary summary;
  summary.histogram = &result.histogram;
  summary.total = result.totalExtended;
  summary.probabilitySum = result.probabilitySum;
  summary.failureProbability = result.failureProbability;
  if (json) {
    std::ostringstream object;
    PrintSummaryJson(object, summary, table);
    std::string text = object.str();
    text.insert(text.rfind('}'), CharacteristicsJson(characteristics));
    out << text;
  } else {
    out << "Operation            " << result.label << '\n';
    PrintSummary(out, summary, false);
    out << '\n';
    PrintCharacteristics(out, characteristics);
    if (table) PrintTable(out, result.histogram);
  }
  return kExitOk;
}

}  // namespace dorvex::cli
