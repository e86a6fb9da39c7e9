#pragma once
// Runs of the parametric-distribution computation for tests: a plain run, a
// fitting-mode run, the moments of the result, and one refusal table row.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "sources/distribution.h"
#include "sources/parametric_histogram.h"

namespace dorvex::test_support {

using sources::ParamState;

// Normalisation divides up to 1024 doubles by their extended sum; the tiny
// probabilities dropped by the Total step are below 1024 * 0.5 / 9.2E17.
inline constexpr double kSumTolerance = 1e-12;

// A successful run of `type` with the given leading parameter texts (the type's
// defaults after them).
inline ParamState RunParametric(int type, const std::vector<std::string>& parameters,
                                int bins = 1024, double eps = 1E-7) {
  ParamState st;
  st.type = type;
  st.parameterTexts = sources::DefaultParameterTexts(type, st.parameterTexts);
  std::copy(parameters.begin(), parameters.end(), st.parameterTexts.begin());
  st.N = bins;
  st.Eps = eps;
  const auto refusal = sources::ComputeParametricHistogram(st, texts::Language::English);
  EXPECT_FALSE(refusal.has_value()) << type << ": " << (refusal ? refusal->text : "");
  return st;
}

// A sample with mean m and deviation s whose data histogram spans m +- 3s.
inline sources::FitInputs Sample(double m, double s, double g = 0.5) {
  sources::FitInputs fit;
  fit.m = m;
  fit.s = s;
  fit.g = g;
  fit.Xmin = m - 3 * s;
  fit.Xmax = m + 3 * s;
  fit.Xmed = m;
  fit.Xmod = m;
  return fit;
}

// The state of a fitting-mode run of `type` on a sample (not yet run).
inline ParamState Fitting(int type, const sources::FitInputs& fit, int bins = 128) {
  ParamState st;
  st.type = type;
  st.N = bins;
  st.fitting = fit;
  return st;
}

inline long double Sum(const ParamState& st) {
  long double s = 0;
  for (int i = 1; i <= st.N; ++i) s += st.P[i];
  return s;
}

struct Moments {
  double mean = 0;
  double sd = 0;
  double skewness = 0;
};

// Moments of the discrete distribution P over the interval mid-points.
inline Moments HistogramMoments(const ParamState& st) {
  long double mean = 0, m2 = 0, m3 = 0;
  for (int i = 1; i <= st.N; ++i) mean += st.P[i] * (st.Min + (i - 0.5L) * st.w);
  for (int i = 1; i <= st.N; ++i) {
    const long double d = st.Min + (i - 0.5L) * st.w - mean;
    m2 += st.P[i] * d * d;
    m3 += st.P[i] * d * d * d;
  }
  return {static_cast<double>(mean), static_cast<double>(std::sqrt(m2)),
          static_cast<double>(m3 / std::pow(m2, 1.5L))};
}

// A run refused with a dialog text, in English.
struct RefusalCase {
  const char* why;
  int type;
  std::vector<std::string> parameters;
  int message;
  std::string text;
  int field;
  bool shown;
};

inline void ExpectRefusal(const RefusalCase& c) {
  ParamState st;
  st.type = c.type;
  std::copy(c.parameters.begin(), c.parameters.end(), st.parameterTexts.begin());
  const auto refusal = sources::ComputeParametricHistogram(st, texts::Language::English);
  ASSERT_TRUE(refusal.has_value()) << c.why;
  EXPECT_FALSE(st.ok) << c.why;
  EXPECT_EQ(refusal->message, c.message) << c.why;
  EXPECT_EQ(refusal->text, c.text) << c.why;
  EXPECT_EQ(refusal->field, c.field) << c.why;
  EXPECT_EQ(refusal->shown, c.shown) << c.why;
  EXPECT_EQ(refusal->titleMessage, 3) << c.why;
}

// The start of message 186, the arithmetic-fault text.
inline const std::string kFaultText =
    "        Error in procedure VypParaRoz : \r\n\r\nParametric distribution = ";

}  // namespace dorvex::test_support
