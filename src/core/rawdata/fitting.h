#pragma once
// Fitting every parametric type to a sample and ranking the fits by closeness.
//
// A run estimates each type's parameters from the sample (the descriptors'
// fitting rules, sources/distribution.h), computes its histogram on the data
// histogram's grid, scores it by the coefficient of determination against the
// data histogram, keeps it when 0.0001 < closeness <= 1 and ranks the types,
// best first. For each kept fit it also records the characteristics row of its
// histogram over its own range and, beyond closeness, the Kolmogorov-Smirnov
// distance, log-likelihood, AIC and BIC of the raw values under the fitted density.
//
// A run holds no state outside its arguments and result: it may run on any thread,
// and the same request gives the same result wherever it runs.

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"
#include "sources/distribution.h"
#include "sources/parametric_state.h"
#include "statvex/probability_array.h"
#include "texts/language.h"

namespace dorvex::rawdata {

// Text columns of a characteristics row, and what each holds.
inline constexpr int kFitRowColumns = 19;
enum FitRowColumn : int {
  kColumnName = 0,               // list text of the type; "Prvotní data" for the data
  kColumnCloseness = 1,          // DisplayNumber texts from here on
  kColumnMedian = 2,
  kColumnMode = 3,
  kColumnMean = 4,
  kColumnVariance = 5,
  kColumnStandardDeviation = 6,
  kColumnVariation = 7,          // coefficient of variation in percent
  kColumnSkewness = 8,           // "undefined" without spread
  kColumnKurtosis = 9,           // excess kurtosis; "undefined" without spread
  kColumnDescription = 10,       // the fit description without its ")"; " ----- " for the data
  kColumnKsDistance = 11,        // the rest are empty for the data row
  kColumnLogLikelihood = 12,
  kColumnAic = 13,
  kColumnBic = 14,
};

// One characteristics row: its texts and the numbers behind them (NaN where a text
// is "undefined" or empty).
struct FitRow {
  int type = -1;  // the distribution type; -1 for the data histogram
  std::array<std::string, kFitRowColumns> columns;
  double closeness = 0.0;
  double median = 0.0;
  double mode = 0.0;
  double mean = 0.0;
  double variance = 0.0;
  double standardDeviation = 0.0;
  double coefficientOfVariation = 0.0;
  double skewness = 0.0;
  double kurtosis = 0.0;
  double ksDistance = 0.0;
  double logLikelihood = 0.0;
  double aic = 0.0;
  double bic = 0.0;
};

// How well a fitted density explains the raw values themselves.
struct FitGoodness {
  double ksDistance = 0.0;     // sup |F_n(x) - F(x)| over the sample's empirical F_n
  double logLikelihood = 0.0;  // sum of ln f(x_j); -inf when a value has density 0
  double aic = 0.0;            // 2k - 2 ln L, k the number of fitted parameters
  double bic = 0.0;            // k ln n - 2 ln L
};

// One entry of the fit table.
struct FitEntry {
  int type = 0;
  double closeness = 0.0;    // 0 when not fitted or not accepted
  std::string description;   // the fit description without its ")"
};

// What a run fits to: the sample, its data histogram (grid and probabilities) and
// the Eps of the fits. `pureDiscrete` chooses how the data histogram's median is taken.
// The sample and the histogram must outlive the run (and its worker thread).
struct FitRequest {
  const RawSample& sample;
  const SampleHistogram& data;
  double eps = 1E-7;
  bool pureDiscrete = false;
};

// Progress (done, total) is reported after each type; a set cancel flag ends the
// run after the type in hand, with `cancelled` set and nothing ranked.
struct FitControl {
  std::function<void(int done, int total)> progress;
  const std::atomic<bool>* cancel = nullptr;
};

// Number of steps a run reports: the 22 types it tries.
inline constexpr int kFitSteps = 22;

// The result of a run.
struct FitRun {
  std::array<FitEntry, sources::kParamTypeCount> ranking;  // best first (selection sort)
  int accepted = 0;             // number of accepted fits
  FitRow dataRow;               // the data histogram's row
  std::vector<FitRow> rows;     // the accepted fits, in the order of their types
  double weibullShape = 0.0;    // the scan's best k; 0 when no k scored
  // Arithmetic-fault texts (message 186) of types whose computation faulted; such a
  // type counts as not fitted and the run goes on.
  std::vector<std::string> faults;
  bool cancelled = false;
  // Message 110 when no type was accepted (title message 3).
  std::optional<std::string> nothingFits;
};

// The fitting-mode inputs of the data: the sample's m, s, g (with their DisplayNumber
// texts), the data histogram's first and last mid-points, its median and mode as
// shown (DisplayNumber texts read back), and the data range as the user range.
sources::FitInputs MakeFitInputs(const FitRequest& request);

// The whole run: every type but Uniform and Triangular, the Weibull shape scan
// before Weibull, ranking, rows and goodness of the accepted fits.
FitRun RunFitting(const FitRequest& request, texts::Language language, const FitControl& control = {});

// Whether a closeness is accepted: 0.0001 < c <= 1.
bool ClosenessAccepted(double c);

// The Weibull shape scan: k = 1.5 + 0.01 i while k < 8.04 (1.5 ... 8.03), each
// scored as a fit on the data grid; the best k (the first on ties) with its
// closeness, or k 0 and closeness 0 when none scores above 0.
struct WeibullScan {
  double k = 0.0;
  double closeness = 0.0;
};
WeibullScan ScanWeibullShape(const FitRequest& request);

// Sorts the entries by closeness, highest first: for each position the highest of
// the rest (the first one found on ties) is exchanged into it.
void RankByCloseness(std::array<FitEntry, sources::kParamTypeCount>& entries);

// The characteristics row of P[1..N] with values Xmin .. Xmax (interval mid-points):
// columns 2-9 from the histogram statistics; name, closeness and description as given.
FitRow MakeCharacteristicsRow(const ProbabilityArray& P, int N, double Xmin, double Xmax, bool pureDiscrete,
                              const std::string& name, double closeness, const std::string& description);

// Row 0: the data histogram, named "Prvotní data", closeness 1, description " ----- ".
FitRow DataHistogramRow(const SampleHistogram& data, bool pureDiscrete);

// The goodness of `type` with parameters `para` for the sorted sample; `Min`..`Max`
// is the fit's own range, over which (joined with the sample's range, within the
// type's support) the density is normalised and integrated.
FitGoodness MeasureGoodness(int type, const sources::Parameters& para, double Min, double Max,
                            const std::vector<double>& sortedValues);

// The 24 list texts in ranked order, and how many of them the list keeps: the
// number of stored rows whose median is not 0.
std::vector<std::string> RankedListTexts(const FitRun& run, texts::Language language);
int ListedFitCount(const FitRun& run);

// A fit as the window shows it: computed in fitting mode on the data grid and
// mirrored when its median and the sample mean lie on different sides of the
// middle of the data range.
struct ShownFit {
  int type = 0;
  double closeness = 0.0;
  sources::ParamState state;  // P, Min, Max (outer edges), w, Total of the fit
  bool mirrored = false;
  std::string description;    // without its ")"
};
// The fit of ranking entry `rankedIndex` of `run`; empty when its closeness is 0 or
// its computation is refused.
std::optional<ShownFit> ComputeShownFit(const FitRequest& request, const FitRun& run, int rankedIndex);

// Whether a shown fit is reversed: its median below the middle of Xmin .. Xmax
// while the sample mean is above it, or the other way round.
bool MirrorRequired(double fitMedian, double Xmin, double Xmax, double sampleMean);
// P[i] and P[N + 1 - i] exchanged.
void MirrorProbabilities(ProbabilityArray& P, int N);

}  // namespace dorvex::rawdata
