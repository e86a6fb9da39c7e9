// dorvex-cli rawdata: a histogram of measured values, and the parametric fits ranked.

#include <algorithm>
#include <cstdio>
#include <limits>
#include <sstream>

#include "commands.h"
#include "model/distribution_file_writer.h"
#include "rawdata/fitting.h"
#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"
#include "result_output.h"
#include "sources/distribution.h"
#include "texts/messages.h"

namespace dorvex::cli {

namespace {

using rawdata::FitRow;

// A refusal as the window's error box would show it: title, then text.
void PrintRefusal(std::ostream& err, const std::string& text, texts::Language language,
                  int title = texts::kTitleError) {
  err << texts::MessageText(title, language) << '\n' << text << '\n';
}

// The accepted fits in ranked order.
std::vector<const FitRow*> RankedRows(const rawdata::FitRun& run) {
  std::vector<const FitRow*> ranked;
  for (const rawdata::FitEntry& e : run.ranking) {
    if (e.closeness <= 0.0) continue;
    for (const FitRow& row : run.rows) {
      if (row.type == e.type) ranked.push_back(&row);
    }
  }
  return ranked;
}

// The text followed by blanks up to `width` characters (not bytes: list texts such as
// "Normální" hold two-byte characters).
std::string PadRight(const std::string& text, std::size_t width) {
  const auto characters = static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  return characters < width ? text + std::string(width - characters, ' ') : text;
}

void PrintFitsText(std::ostream& out, const std::vector<const FitRow*>& rows) {
  char line[400];
  std::snprintf(line, sizeof line, "\n%4s  %-16s %12s %12s %14s %14s %12s %12s %12s  %s\n", "rank", "type",
                "closeness", "KS", "AIC", "BIC", "mean", "std", "skewness", "fit");
  out << line;
  int rank = 0;
  for (const FitRow* r : rows) {
    std::snprintf(line, sizeof line, "%4d  %s %12.6f %12.6f %14.6g %14.6g %12.6g %12.6g %12.6g  %s\n", ++rank,
                  PadRight(r->columns[rawdata::kColumnName], 16).c_str(), r->closeness, r->ksDistance, r->aic, r->bic, r->mean,
                  r->standardDeviation, r->skewness, r->columns[rawdata::kColumnDescription].c_str());
    out << line;
  }
}

void PrintFitsJson(std::ostream& out, const std::vector<const FitRow*>& rows) {
  out << "[";
  bool first = true;
  for (const FitRow* r : rows) {
    out << (first ? "" : ", ") << "{\"type\": " << JsonString(r->columns[rawdata::kColumnName])
        << ", \"closeness\": " << JsonNumber(r->closeness) << ", \"ks\": " << JsonNumber(r->ksDistance)
        << ", \"aic\": " << JsonNumber(r->aic) << ", \"bic\": " << JsonNumber(r->bic)
        << ", \"mean\": " << JsonNumber(r->mean) << ", \"std\": " << JsonNumber(r->standardDeviation)
        << ", \"skewness\": " << JsonNumber(r->skewness)
        << ", \"description\": " << JsonString(r->columns[rawdata::kColumnDescription]) << "}";
    first = false;
  }
  out << "]";
}

}  // namespace

int RunRawData(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const bool fit = args.Flag("--fit");
  const bool pure = args.Flag("--pure");
  const std::string binsText = args.Option("--bins").value_or("128");
  const auto loText = args.Option("--min");
  const auto hiText = args.Option("--max");
  const auto output = args.Option("-o");
  const auto words = args.Positionals();
  if (words.size() != 1) throw UsageError("one raw-data file expected");

  rawdata::RawSampleReading reading = rawdata::LoadRawSample(words[0], language);
  if (reading.error) {
    PrintRefusal(err, reading.error->text, language);
    return kExitRefused;
  }
  const rawdata::RawSample& sample = *reading.sample;
  const rawdata::SampleCharacteristics& c = sample.characteristics;

  const rawdata::IntervalCountReading bins = rawdata::ReadIntervalCount(binsText, c.n, language);
  if (bins.refusal) {
    PrintRefusal(err, *bins.refusal, language);
    return kExitRefused;
  }
  if (bins.warning) PrintRefusal(err, *bins.warning, language, texts::kTitleWarning);

  double lo = sample.smallest();
  double hi = sample.largest();
  if (loText) {
    const rawdata::RangeReading r = rawdata::ReadRangeEnd(rawdata::RangeEnd::Lo, *loText,
                                                       hiText ? std::numeric_limits<double>::infinity() : hi, language);
    if (r.refusal) {
      PrintRefusal(err, *r.refusal, language);
      return kExitRefused;
    }
    lo = r.value;
  }
  if (hiText) {
    const rawdata::RangeReading r = rawdata::ReadRangeEnd(rawdata::RangeEnd::Hi, *hiText, lo, language);
    if (r.refusal) {
      PrintRefusal(err, *r.refusal, language);
      return kExitRefused;
    }
    hi = r.value;
  }
  if (!(lo < hi)) {
    // Every value the same: no range to divide.
    PrintRefusal(err, "MinX >= MaxX !", language);
    return kExitRefused;
  }

  const rawdata::SampleHistogram data = rawdata::BuildSampleHistogram(sample.values, bins.bins, lo, hi);
  model::Histogram shown = rawdata::HandOverHistogram(data.P, data.N, data.Lo, data.Hi, data.Total, pure);

  std::vector<const FitRow*> ranked;
  rawdata::FitRun run;
  if (fit) {
    const rawdata::FitRequest request{sample, data, 1E-7, pure};
    run = rawdata::RunFitting(request, language);
    for (const std::string& fault : run.faults) PrintRefusal(err, fault, language);
    if (run.nothingFits) {
      PrintRefusal(err, *run.nothingFits, language);
    } else if (const auto best = rawdata::ComputeShownFit(request, run, 0)) {
      shown = rawdata::HandOverHistogram(best->state.P, best->state.N, best->state.Min, best->state.Max,
                                         best->state.Total, pure);
    }
    ranked = RankedRows(run);
  }

  if (output) {
    if (auto error = model::WriteResultDistributionFile(*output, shown, shown.Total)) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }

  long double sum = 0.0L;
  for (int i = 1; i <= shown.N; ++i) sum += shown.P[i];
  ResultSummary summary;
  summary.histogram = &shown;
  summary.total = shown.Total;
  summary.probabilitySum = sum;
  summary.withFailureProbability = false;
  if (json) {
    std::ostringstream histogram;
    PrintSummaryJson(histogram, summary, true);
    std::string histogramText = histogram.str();
    histogramText.pop_back();  // its line end
    out << "{\"n\": " << c.n << ", \"mean\": " << JsonNumber(c.mean) << ", \"std\": " << JsonNumber(c.standardDeviation)
        << ", \"skewness\": " << JsonNumber(c.skewness) << ", \"histogram\": " << histogramText;
    if (fit) {
      out << ", \"fits\": ";
      PrintFitsJson(out, ranked);
    }
    out << "}\n";
  } else {
    out << "Values n             " << c.n << '\n'
        << "Mean                 " << JsonNumber(c.mean) << '\n'
        << "Standard deviation   " << JsonNumber(c.standardDeviation) << '\n'
        << "Skewness             " << JsonNumber(c.skewness) << '\n'
        << "Range                " << JsonNumber(lo) << " .. " << JsonNumber(hi) << '\n';
    PrintSummary(out, summary, !fit);
    if (fit) PrintFitsText(out, ranked);
  }
  return kExitOk;
}

}  // namespace dorvex::cli
