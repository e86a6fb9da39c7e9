// dorvex-cli info: what the main window shows of a distribution file.

#include <sstream>

#include "commands.h"
#include "model/distribution_file_reader.h"
#include "histogram_outputs.h"
#include "model/histogram.h"
#include "workbench/workbench.h"

namespace dorvex::cli {

namespace {

long double SumOfProbabilities(const model::Histogram& h) {
  long double sum = 0.0L;
  for (int i = 1; i <= h.N; ++i) sum += h.P[i];
  return sum;
}

const char* TypeName(model::HistogramType type) {
  return type == model::HistogramType::Discrete ? "Discrete" : "Pure Discrete";
}

}  // namespace

int RunInfo(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  FileOutputs outputs{args.Option("--report"), args.Option("--xlsx")};
  const auto files = args.Positionals();
  if (files.size() != 1) throw UsageError("one distribution file expected");

  const model::DistributionReadResult read = model::ReadDistributionFile(files[0]);
  if (!read.ok()) {
    PrintError(err, *read.error, language);
    return kExitRefused;
  }
  const model::Histogram& h = read.record.histogram;
  const double sumP = static_cast<double>(SumOfProbabilities(h));
  const double total = static_cast<double>(h.Total);
  const analysis::Characteristics characteristics = analysis::ComputeCharacteristics(h);

  OutputSource source;
  source.report.result = h;
  source.report.resultTotal = h.Total;
  source.report.label = files[0];
  source.multiplier = workbench::InputFrequencyMultiplier(model::SlotId::A, h.Total);
  if (auto error = WriteOutputs(outputs, source, language)) {
    PrintError(err, *error, language);
    return kExitRefused;
  }

  if (json) {
    out << "{\"type\": " << JsonString(TypeName(h.Type)) << ", \"n\": " << h.N
        << ", \"min\": " << JsonNumber(h.Min) << ", \"max\": " << JsonNumber(h.Max)
        << ", \"d\": " << JsonNumber(h.d) << ", \"range\": " << JsonNumber(h.Range)
        << ", \"total\": " << JsonNumber(total) << ", \"sum_p\": " << JsonNumber(sumP)
        << ", \"sum_frequencies\": " << read.record.roundedFrequencySum
        << CharacteristicsJson(characteristics) << "}\n";
    return kExitOk;
  }
  out << "Type                 " << TypeName(h.Type) << '\n'
      << "Intervals N          " << h.N << '\n'
      << "Min                  " << JsonNumber(h.Min) << '\n'
      << "Max                  " << JsonNumber(h.Max) << '\n'
      << "Class width d        " << JsonNumber(h.d) << '\n'
      << "Range                " << JsonNumber(h.Range) << '\n'
      << "Total                " << JsonNumber(total) << '\n'
      << "Sum of probabilities " << JsonNumber(sumP) << '\n'
      << "Sum of frequencies   " << read.record.roundedFrequencySum << "\n\n";
  PrintCharacteristics(out, characteristics, language);
  return kExitOk;
}

}  // namespace dorvex::cli
