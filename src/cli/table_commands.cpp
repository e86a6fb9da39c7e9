// dorvex-cli summary, combine and table: the summary and combination windows'
// computations on a saved table file, and the file's rows.

#include <sstream>

#include "analysis/characteristics.h"
#include "commands.h"
#include "histogram_outputs.h"
#include "model/distribution_file_writer.h"
#include "result_output.h"
#include "tables/combination.h"
#include "tables/summary.h"
#include "texts/messages.h"

namespace dorvex::cli {

namespace {

// The window selects row 1 after loading a table.
constexpr int kSelectedAfterLoad = 1;

// Reads a table file of `kind`; a file that cannot be read whole is refused.
std::optional<model::ModelError> Load(const std::string& path, tables::TableKind kind, texts::Language language,
                                      tables::HistogramTable& table) {
  table = tables::NewTable(kind, language);
  return tables::ReadTableFile(path, table, language).error;
}

// Which table the file holds, by its column and row counts.
tables::TableKind KindOf(const std::string& path, texts::Language language) {
  tables::HistogramTable probe = tables::NewTable(tables::TableKind::Summary, language);
  const auto read = tables::ReadTableFile(path, probe, language);
  return read.read.fault == tables::TableReadFault::WrongShape ? tables::TableKind::Combination
                                                               : tables::TableKind::Summary;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

long double SumOfProbabilities(const model::Histogram& h) {
  long double sum = 0.0L;
  for (int i = 1; i <= h.N; ++i) sum += h.P[i];
  return sum;
}

// The total the result file's frequencies are scaled to: the result's Total, or
// where that rounds below 1, 1 / its smallest probability.
long double FileTotal(const model::Histogram& h) {
  if (h.Total >= 1.0L) return h.Total;
  double smallest = 1.0;
  for (int i = 1; i <= h.N; ++i) {
    if (h.P[i] > 0.0 && h.P[i] < smallest) smallest = h.P[i];
  }
  return 1.0L / smallest;
}

int RunTableComputation(Arguments& args, std::ostream& out, std::ostream& err, tables::TableKind kind) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const bool table = args.Flag("--table");
  const bool yes = args.Flag("--yes");
  const bool no = args.Flag("--no");
  if (yes && no) throw UsageError("--yes and --no exclude each other");
  const auto output = args.Option("-o");
  const auto files = args.Positionals();
  if (files.size() != 1) throw UsageError("one table file expected");

  tables::HistogramTable rows;
  if (auto error = Load(files[0], kind, language, rows)) {
    PrintError(err, *error, language);
    return kExitRefused;
  }
  // Each question takes its default answer, Yes, unless --no; a Yes to the
  // multiples question is followed by starting the computation again.
  tables::TableOutcome outcome;
  for (;;) {
    outcome = kind == tables::TableKind::Summary ? tables::ComputeSummary(rows, kSelectedAfterLoad, language)
                                                 : tables::ComputeCombination(rows, language);
    if (outcome.question == 0) break;
    if (no) {
      err << texts::MessageText(texts::kTitleError, language) << '\n'
          << texts::MessageText(outcome.question, language) << "\n(--no)\n";
      return kExitRefused;
    }
    tables::AnswerQuestion(rows, outcome.question, true);
  }
  if (outcome.error) {
    PrintError(err, *outcome.error, language);
    return kExitRefused;
  }
  if (!outcome.result) return kExitRefused;  // a stop without a message
  const model::Histogram& h = *outcome.result;

  if (output) {
    if (auto error = model::WriteResultDistributionFile(*output, h, FileTotal(h))) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }
  const analysis::Characteristics characteristics = analysis::ComputeCharacteristics(h);
  ResultSummary summary;
  summary.histogram = &h;
  summary.total = h.Total;
  summary.probabilitySum = SumOfProbabilities(h);
  summary.withFailureProbability = false;
  if (json) {
    std::ostringstream object;
    PrintSummaryJson(object, summary, table);
    std::string text = object.str();
    text.insert(text.rfind('}'), CharacteristicsJson(characteristics));
    out << text;
  } else {
    out << "Histogram            "
        << (kind == tables::TableKind::Summary ? tables::kSummarySlotName : tables::kCombinationSlotName) << '\n';
    PrintSummary(out, summary, false);
    out << '\n';
    PrintCharacteristics(out, characteristics, language);
    if (table) PrintTable(out, h);
  }
  return kExitOk;
}

}  // namespace

int RunSummary(Arguments& args, std::ostream& out, std::ostream& err) {
  return RunTableComputation(args, out, err, tables::TableKind::Summary);
}

int RunCombine(Arguments& args, std::ostream& out, std::ostream& err) {
  return RunTableComputation(args, out, err, tables::TableKind::Combination);
}

int RunTable(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const auto files = args.Positionals();
  if (files.size() != 1) throw UsageError("one table file expected");

  const tables::TableKind kind = KindOf(files[0], language);
  tables::HistogramTable rows;
  const auto error = Load(files[0], kind, language, rows);
  const bool summary = kind == tables::TableKind::Summary;
  const int n = tables::FilledRowCount(rows);
  using C = tables::TableColumn;
  if (json) {
    out << "{\"kind\": " << JsonString(summary ? "summary" : "combination") << ", \"filled\": " << n
        << ", \"max_intervals\": " << tables::MaxIntervalCount(rows) << ", \"rows\": [";
    for (int row = 1; row <= n; ++row) {
      const auto& cells = rows.cells[static_cast<std::size_t>(row)];
      out << (row > 1 ? ", " : "") << "{\"row\": " << row << ", \"file\": " << JsonString(cells[C::kFileColumn])
          << ", \"multiple\": " << JsonString(cells[C::kMultipleColumn]);
      if (summary) out << ", \"weight\": " << JsonString(cells[C::kWeightColumn]);
      out << ", \"note\": " << JsonString(cells[C::kNoteColumn])
          << ", \"min\": " << JsonString(Trimmed(cells[C::kMinColumn]))
          << ", \"max\": " << JsonString(Trimmed(cells[C::kMaxColumn]))
          << ", \"intervals\": " << JsonString(cells[C::kBinsColumn])
          << ", \"folder\": " << JsonString(cells[C::kFolderColumn]) << "}";
    }
    out << "]}\n";
  } else {
    out << (summary ? "Summary table" : "Combination table") << ", " << n << " histogram(s), max. intervals "
        << tables::MaxIntervalCount(rows) << '\n';
    for (int row = 1; row <= n; ++row) {
      const auto& cells = rows.cells[static_cast<std::size_t>(row)];
      out << tables::RowLabel(row) << "  " << cells[C::kFileColumn] << "  multiple " << cells[C::kMultipleColumn];
      if (summary) out << "  weight " << cells[C::kWeightColumn];
      out << "  \"" << cells[C::kNoteColumn] << "\"  Min " << Trimmed(cells[C::kMinColumn]) << "  Max "
          << Trimmed(cells[C::kMaxColumn]) << "  intervals " << cells[C::kBinsColumn] << "  "
          << cells[C::kFolderColumn] << '\n';
    }
  }
  if (error) {
    PrintError(err, *error, language);
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace dorvex::cli
