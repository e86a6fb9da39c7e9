#include "rawdata/fitting.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sources/parametric_histogram.h"
#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "statvex/statistics.h"
#include "texts/messages.h"

namespace dorvex::rawdata {

namespace {

using sources::FitInputs;
using sources::ParamState;
using texts::Language;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Panels of the integration that turns a fitted density into a distribution function.
constexpr int kIntegrationPanels = 8192;

// Weibull shapes of the scan: 1.5 + 0.01 i for i = 0 .. 653 (k < 8.04).
constexpr int kWeibullShapes = 654;

double ReadBack(const std::string& text) {
  double value = kNaN;
  statvex::ParseLenient(text, value);
  return value;
}

// The description up to, without, its first ")".
std::string CutDescription(const std::string& description) {
  return description.substr(0, description.find(')'));
}

// A fitting-mode computation of `type`; empty when refused. Fault texts are collected.
std::optional<ParamState> ComputeFit(int type, const FitInputs& inputs, int N, double eps,
                                     std::vector<std::string>* faults, Language language) {
  std::optional<ParamState> st(std::in_place);
  st->type = type;
  st->N = N;
  st->Eps = eps;
  st->fitting.emplace(inputs);
  if (const auto refusal = sources::ComputeParametricHistogram(*st, language)) {
    if (faults && refusal->message == 186) faults->push_back(refusal->text);
    st.reset();
  }
  return st;
}

double ClosenessOf(const ParamState& fit, const SampleHistogram& data) {
  const double c = statvex::CoefficientOfDetermination(fit.P, data.P, data.N);
  return std::isfinite(c) ? c : 0.0;
}

bool Cancelled(const FitControl& control) {
  return control.cancel && control.cancel->load(std::memory_order_relaxed);
}

// ln f; the double logarithm is several times faster than the extended one and
// exact enough for a sum over the sample, wherever f is a normal double.
long double LogOf(long double f) {
  if (!(f > 0.0L)) return -std::numeric_limits<long double>::infinity();
  if (f >= std::numeric_limits<double>::min() && f <= std::numeric_limits<double>::max()) {
    return std::log(static_cast<double>(f));
  }
  return std::log(f);
}

}  // namespace

bool ClosenessAccepted(double c) { return c > 0.0001 && c <= 1.0; }

FitInputs MakeFitInputs(const FitRequest& request) {
  const SampleCharacteristics& c = request.sample.characteristics;
  const SampleHistogram& data = request.data;
  FitInputs in;
  in.m = c.mean;
  in.s = c.standardDeviation;
  in.g = c.skewness;
  in.mText = statvex::DisplayNumber(c.mean);
  in.sText = statvex::DisplayNumber(c.standardDeviation);
  in.gText = statvex::DisplayNumber(c.skewness);
  in.Xmin = data.Xmin();
  in.Xmax = data.Xmax();
  in.Xmed = ReadBack(statvex::MedianText(!request.pureDiscrete, data.P, in.Xmin, in.Xmax, data.N));
  in.Xmod = ReadBack(statvex::ModeText(data.P, data.N, in.Xmin, in.Xmax));
  in.userRange = sources::UserRange{data.Lo, data.Hi};
  return in;
}

FitRow MakeCharacteristicsRow(const ProbabilityArray& P, int N, double Xmin, double Xmax, bool pureDiscrete,
                              const std::string& name, double closeness, const std::string& description) {
  FitRow row;
  row.closeness = closeness;
  row.mean = statvex::Mean(P, N, Xmin, Xmax);
  row.variance = statvex::Variance(P, N, Xmin, Xmax, row.mean);
  row.standardDeviation = std::sqrt(row.variance);
  row.coefficientOfVariation = statvex::CoefficientOfVariation(row.mean, row.standardDeviation);
  row.skewness = statvex::Skewness(P, N, Xmin, Xmax, row.mean);
  row.kurtosis = statvex::Kurtosis(P, N, Xmin, Xmax, row.mean);
  const std::string medianText = statvex::MedianText(!pureDiscrete, P, Xmin, Xmax, N);
  const std::string modeText = statvex::ModeText(P, N, Xmin, Xmax);
  row.median = ReadBack(medianText);
  row.mode = ReadBack(modeText);
  row.columns[kColumnName] = name;
  row.columns[kColumnCloseness] = statvex::DisplayNumber(closeness);
  row.columns[kColumnMedian] = medianText;
  row.columns[kColumnMode] = modeText;
  row.columns[kColumnMean] = statvex::DisplayNumber(row.mean);
  row.columns[kColumnVariance] = statvex::DisplayNumber(row.variance);
  row.columns[kColumnStandardDeviation] = statvex::DisplayNumber(row.standardDeviation);
  row.columns[kColumnVariation] = statvex::DisplayNumber(row.coefficientOfVariation);
  row.columns[kColumnSkewness] = statvex::DisplayNumber(row.skewness);
  row.columns[kColumnKurtosis] = statvex::DisplayNumber(row.kurtosis);
  row.columns[kColumnDescription] = description;
  row.ksDistance = row.logLikelihood = row.aic = row.bic = kNaN;
  return row;
}

FitRow DataHistogramRow(const SampleHistogram& data, bool pureDiscrete) {
  return MakeCharacteristicsRow(data.P, data.N, data.Xmin(), data.Xmax(), pureDiscrete, "Prvotní data", 1.0,
                                " ----- ");
}

FitGoodness MeasureGoodness(int type, const sources::Parameters& para, double Min, double Max,
                            const std::vector<double>& sortedValues) {
  FitGoodness g{1.0, -kInfinity, kInfinity, kInfinity};
  if (sortedValues.empty() || !sources::IsParamType(type)) return g;
  const sources::Distribution& d = sources::DistributionOf(type);
  const sources::Prepared prepared = d.prepare(para);
  if (prepared.refusal) return g;
  const sources::Support support = d.support ? d.support(para) : sources::Support{};
  const auto density = [&](long double x) -> long double {
    if (x < support.lo || x > support.hi) return 0.0L;
    const long double f = prepared.density.At(x);
    return std::isfinite(f) && f > 0.0L ? f : 0.0L;
  };

  const long double lo = std::max<long double>(std::min(Min, sortedValues.front()), support.lo);
  const long double hi = std::min<long double>(std::max(Max, sortedValues.back()), support.hi);
  if (!(hi > lo)) return g;
  // Distribution function by the mid-point rule, then normalised: the densities of
  // the catalogue need not integrate to 1.
  const long double h = (hi - lo) / kIntegrationPanels;
  std::vector<long double> cumulative(kIntegrationPanels + 1, 0.0L);
  for (int i = 0; i < kIntegrationPanels; ++i) {
    cumulative[i + 1] = cumulative[i] + density(lo + (i + 0.5L) * h) * h;
  }
  const long double Z = cumulative.back();
  if (!(Z > 0.0L) || !std::isfinite(Z)) return g;
  const auto F = [&](long double x) -> long double {
    if (x <= lo) return 0.0L;
    if (x >= hi) return 1.0L;
    const long double position = (x - lo) / h;
    const int i = std::min(static_cast<int>(position), kIntegrationPanels - 1);
    const long double t = position - i;
    return (cumulative[i] + t * (cumulative[i + 1] - cumulative[i])) / Z;
  };

  const long double n = static_cast<long double>(sortedValues.size());
  long double ks = 0.0L;
  long double logLikelihood = 0.0L;
  const long double lnZ = std::log(Z);
  // Measured values repeat (a file holds them to a few decimals): each distinct value
  // is evaluated once, for its whole run of equal values j .. end - 1.
  for (std::size_t j = 0; j < sortedValues.size();) {
    const double x = sortedValues[j];
    std::size_t end = j + 1;
    while (end < sortedValues.size() && sortedValues[end] == x) ++end;
    const long double Fx = F(x);
    ks = std::max({ks, end / n - Fx, Fx - j / n});
    const long double f = density(x);
    const long double count = static_cast<long double>(end - j);
    logLikelihood += count * (LogOf(f) - lnZ);
    j = end;
  }
  const double k = sources::ParamCount(type);
  g.ksDistance = static_cast<double>(ks);
  g.logLikelihood = static_cast<double>(logLikelihood);
  g.aic = 2.0 * k - 2.0 * g.logLikelihood;
  g.bic = k * std::log(static_cast<double>(n)) - 2.0 * g.logLikelihood;
  return g;
}

WeibullScan ScanWeibullShape(const FitRequest& request) {
  FitInputs inputs = MakeFitInputs(request);
  WeibullScan best;
  for (int i = 0; i < kWeibullShapes; ++i) {
    inputs.weibullK = 1.5 + 0.01 * i;
    const auto fit = ComputeFit(sources::kWeibull, inputs, request.data.N, request.eps, nullptr,
                                texts::Language::English);
    const double c = fit ? ClosenessOf(*fit, request.data) : 0.0;
    if (c > best.closeness) best = {inputs.weibullK, c};
  }
  return best;
}

void RankByCloseness(std::array<FitEntry, sources::kParamTypeCount>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < entries.size(); ++j) {
      if (entries[j].closeness > entries[best].closeness) best = j;
    }
    if (best != i) std::swap(entries[i], entries[best]);
  }
}

FitRun RunFitting(const FitRequest& request, Language language, const FitControl& control) {
  FitRun run;
  const SampleHistogram& data = request.data;
  const FitInputs inputs = MakeFitInputs(request);
  run.dataRow = DataHistogramRow(data, request.pureDiscrete);
  for (int t = 0; t < sources::kParamTypeCount; ++t) run.ranking[t].type = t;

  int done = 0;
  for (int t = 0; t < sources::kParamTypeCount; ++t) {
    if (t == sources::kUniform || t == sources::kTriangular) continue;
    if (Cancelled(control)) {
      FitRun cancelled;
      cancelled.dataRow = std::move(run.dataRow);
      for (int i = 0; i < sources::kParamTypeCount; ++i) cancelled.ranking[i].type = i;
      cancelled.cancelled = true;
      return cancelled;
    }
    FitInputs typeInputs = inputs;
    bool tried = true;
    if (t == sources::kWeibull) {
      const WeibullScan scan = ScanWeibullShape(request);
      run.weibullShape = scan.k;
      typeInputs.weibullK = scan.k;
      tried = scan.closeness > 0.0;
    }
    if (tried) {
      const auto fit = ComputeFit(t, typeInputs, data.N, request.eps, &run.faults, language);
      const double c = fit ? ClosenessOf(*fit, data) : 0.0;
      if (ClosenessAccepted(c)) {
        // The row describes the fit over its own range, not cut to the data's.
        FitInputs ownInputs = typeInputs;
        ownInputs.userRange.reset();
        if (const auto own = ComputeFit(t, ownInputs, data.N, request.eps, &run.faults, language)) {
          const std::string description = CutDescription(fit->fitDescription);
          run.ranking[t].closeness = c;
          run.ranking[t].description = description;
          FitRow row = MakeCharacteristicsRow(own->P, own->N, own->Min + own->w / 2.0, own->Max - own->w / 2.0,
                                              request.pureDiscrete, sources::ParamListText(t, language), c,
                                              description);
          row.type = t;
          const FitGoodness g = MeasureGoodness(t, own->para, own->Min, own->Max, request.sample.values);
          row.ksDistance = g.ksDistance;
          row.logLikelihood = g.logLikelihood;
          row.aic = g.aic;
          row.bic = g.bic;
          row.columns[kColumnKsDistance] = statvex::DisplayNumber(g.ksDistance);
          row.columns[kColumnLogLikelihood] = statvex::DisplayNumber(g.logLikelihood);
          row.columns[kColumnAic] = statvex::DisplayNumber(g.aic);
          row.columns[kColumnBic] = statvex::DisplayNumber(g.bic);
          run.rows.push_back(std::move(row));
          ++run.accepted;
        }
      }
    }
    if (control.progress) control.progress(++done, kFitSteps);
  }

  RankByCloseness(run.ranking);
  if (run.accepted == 0) run.nothingFits = texts::MessageText(110, language);
  return run;
}

std::vector<std::string> RankedListTexts(const FitRun& run, Language language) {
  std::vector<std::string> texts;
  for (const FitEntry& e : run.ranking) texts.push_back(sources::ParamListText(e.type, language));
  return texts;
}

int ListedFitCount(const FitRun& run) {
  return static_cast<int>(
      std::count_if(run.rows.begin(), run.rows.end(), [](const FitRow& r) { return r.median != 0.0; }));
}

bool MirrorRequired(double fitMedian, double Xmin, double Xmax, double sampleMean) {
  const double mid = Xmin + (Xmax - Xmin) * 0.5;
  return (fitMedian < mid && sampleMean > mid) || (fitMedian > mid && sampleMean < mid);
}

void MirrorProbabilities(ProbabilityArray& P, int N) { std::reverse(P.begin() + 1, P.begin() + 1 + N); }

std::optional<ShownFit> ComputeShownFit(const FitRequest& request, const FitRun& run, int rankedIndex) {
  if (rankedIndex < 0 || rankedIndex >= sources::kParamTypeCount) return std::nullopt;
  const FitEntry& entry = run.ranking[rankedIndex];
  if (entry.closeness <= 0.0) return std::nullopt;
  FitInputs inputs = MakeFitInputs(request);
  inputs.weibullK = run.weibullShape;
  auto fit = ComputeFit(entry.type, inputs, request.data.N, request.eps, nullptr, Language::English);
  if (!fit) return std::nullopt;
  ShownFit shown;
  shown.type = entry.type;
  shown.closeness = entry.closeness;
  shown.description = CutDescription(fit->fitDescription);
  const double Xmin = fit->Min + fit->w / 2.0;
  const double Xmax = fit->Max - fit->w / 2.0;
  const double median = ReadBack(statvex::MedianText(true, fit->P, Xmin, Xmax, fit->N));
  shown.mirrored = MirrorRequired(median, Xmin, Xmax, request.sample.characteristics.mean);
  if (shown.mirrored) MirrorProbabilities(fit->P, fit->N);
  shown.state = std::move(*fit);
  return shown;
}

}  // namespace dorvex::rawdata
