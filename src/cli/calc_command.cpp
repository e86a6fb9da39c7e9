// dorvex-cli calc: one operation of the engine on distribution files.

#include <sstream>

#include "commands.h"
#include "engine/operation_table.h"
#include "histogram_outputs.h"
#include "model/distribution_file_writer.h"
#include "numeric/reliability.h"
#include "reliability_output.h"
#include "result_output.h"
#include "workbench/workbench.h"

namespace dorvex::cli {

namespace {

using model::SlotId;

// "BELOW,ABOVE": the probability an input's span leaves out at each end.
model::CutProbability ParseCut(const std::string& option, const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) throw UsageError(option + " takes BELOW,ABOVE");
  const model::CutProbability cut{ParseStrict(option, text.substr(0, comma)), ParseStrict(option, text.substr(comma + 1))};
  if (!(cut.below >= 0.0 && cut.above >= 0.0 && cut.below + cut.above <= 1.0))
    throw UsageError(option + " takes two probabilities that sum to at most 1");
  return cut;
}

// Reads a slot's file and scales it as the main window does.
std::optional<model::ModelError> Load(workbench::Workbench& bench, SlotId slot, const std::string& path,
                                      double multiple, texts::Language language) {
  if (auto refused = bench.Open(slot, path, false, language).error) return refused;
  return bench.SetMultiple(slot, multiple).error;
}

}  // namespace

int RunCalc(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const bool table = args.Flag("--table");
  const double na = ParseStrict("--na", args.Option("--na").value_or("1"));
  const double nb = ParseStrict("--nb", args.Option("--nb").value_or("1"));
  const double nab = ParseStrict("--nab", args.Option("--nab").value_or("1"));
  const std::string exponent = args.Option("--n").value_or("");
  const long limit = ParseInteger("--limit", args.Option("--limit").value_or("256"));
  if (limit < 2 || limit > kMaxBins) throw UsageError("--limit takes 2 .. 1024");
  const auto targetText = args.Option("--target-beta");
  const double target = targetText ? ParseStrict("--target-beta", *targetText) : numeric::kDefaultTargetIndex;
  const auto cutA = args.Option("--cut-a");
  const auto cutB = args.Option("--cut-b");
  const auto output = args.Option("-o");
  FileOutputs outputs{args.Option("--report"), args.Option("--xlsx")};
  const auto words = args.Positionals();
  if (words.empty()) throw UsageError("operation and input files expected");

  const engine::OperationEntry* operation = engine::FindOperationByCommand(words[0]);
  if (operation == nullptr) throw UsageError("unknown operation \"" + words[0] + "\"");
  const bool binary = operation->arity == engine::Arity::Binary;
  if (words.size() != (binary ? 3u : 2u))
    throw UsageError(words[0] + (binary ? " takes files A and B" : " takes one file A"));
  if (nab == 0.0) throw UsageError("--nab must not be 0");

  workbench::Workbench bench;
  if (auto error = Load(bench, SlotId::A, words[1], na, language)) {
    PrintError(err, *error, language);
    return kExitRefused;
  }
  if (binary) {
    if (auto error = Load(bench, SlotId::B, words[2], nb, language)) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }

  if (cutA) bench.SetCutProbability(SlotId::A, ParseCut("--cut-a", *cutA));
  if (cutB) bench.SetCutProbability(SlotId::B, ParseCut("--cut-b", *cutB));

  workbench::RunRequest request;
  request.code = operation->code;
  request.exponent = exponent;
  request.pointLimit = static_cast<int>(limit);
  const workbench::RunOutcome run = bench.Rescale(request, nab);
  if (run.notice) {
    PrintError(err, *run.notice, language);
    return kExitRefused;
  }
  if (run.outcome.error) {
    PrintError(err, *run.outcome.error, language);
    return kExitRefused;
  }
  const engine::OperationResult& result = *bench.Result();

  if (output) {
    if (auto error = model::WriteResultDistributionFile(*output, result.histogram,
                                                        result.totalExtended)) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }

  const analysis::ReliabilitySummary reliability = analysis::SummariseReliability(result, target, language);
  OutputSource source{bench.ReportInput({}, {}, {}), bench.ListingMultiplier(workbench::Listed::Result)};
  source.report.reliabilityLines = analysis::ReliabilityReportLines(reliability, language);
  if (auto error = WriteOutputs(outputs, source, language)) {
    PrintError(err, *error, language);
    return kExitRefused;
  }
  const analysis::Characteristics characteristics = analysis::ComputeCharacteristics(result);

  const ResultSummary summary = SummaryOf(result);
  if (json) {
    std::ostringstream object;
    PrintSummaryJson(object, summary, table);
    std::string text = object.str();
    text.insert(text.rfind('}'), CharacteristicsJson(characteristics) + ReliabilityJson(reliability, language));
    out << text;
  } else {
    out << "Operation            " << result.label << '\n';
    PrintSummary(out, summary, false);
    PrintReliability(out, reliability, language);
    out << '\n';
    PrintCharacteristics(out, characteristics, language);
    if (table) PrintTable(out, result.histogram);
  }
  return kExitOk;
}

}  // namespace dorvex::cli
