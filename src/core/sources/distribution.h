#pragma once
// What a parametric distribution type is, and the catalogue of the 24 types.
//
// Each type is one `Distribution` descriptor in its own file under distributions/
// (normal.cpp, weibull.cpp, ...), in the manner of Boost.Math's header per
// distribution: its list texts, parameter labels, positivity, caption suffix and
// default texts, its parameter checks, the constants it prepares with its density,
// its range rule and its fitting rule, side by side. The computation
// (parametric_histogram.h) knows no type: it reads, checks, prepares, finds the
// range, discretises and totals through the descriptor's members; the shared
// searches are in range_searches.h, the pieces descriptors share in
// distributions/distribution_kit.h. Adding a type is one new file, plus its index
// below, its declaration in distributions/distributions.h and its place in the
// catalogue table (distribution.cpp).

#include <array>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "numeric/fp_fault.h"
#include "texts/language.h"

namespace dorvex::sources {

inline constexpr int kParamTypeCount = 24;

// Index of each type in the distribution list.
enum ParamTypeIndex : int {
  kNormal = 0,
  kLogNormal2P = 1,
  kGumbelI = 2,
  kGumbelII = 3,
  kRaisedCosine = 4,
  kCauchy = 5,
  kFisherTippett = 6,
  kLaplace = 7,
  kLogistic = 8,
  kWeibull = 9,
  kRayleigh = 10,
  kLevy = 11,
  kStudent = 12,
  kBetaZero = 13,
  kBetaUniversal = 14,
  kGamma = 15,
  kSnedecor = 16,
  kPareto = 17,
  kUniform = 18,
  kTriangular = 19,
  kExponential = 20,
  kChiSquare = 21,
  kHalfLogistic = 22,
  kLogNormal3P = 23,
};

// Parameter texts of a computation: the fields EdPara1 .. EdPara4.
using ParameterTexts = std::array<std::string, 4>;
// P1 .. P4 as read from the texts.
using Parameters = std::array<long double, 4>;

// The range typed in the primary-data window (outer edges of its histogram).
struct UserRange {
  double Lo = 0.0;
  double Hi = 0.0;
};

// What the primary-data window hands to a run in fitting mode.
struct FitInputs {
  double m = 0.0;  // sample mean
  double s = 0.0;  // sample standard deviation
  double g = 0.0;  // sample skewness
  // The sample table's texts of m, s and g; a parameter equal to one of them is
  // written with that text. Empty: the shortest text that reads back to the value.
  std::string mText;
  std::string sText;
  std::string gText;
  // The data histogram: first and last interval mid-points, median and mode.
  double Xmin = 0.0;
  double Xmax = 0.0;
  double Xmed = 0.0;
  double Xmod = 0.0;
  // Set during the fitting run: the histogram takes this grid instead of a range rule.
  std::optional<UserRange> userRange;
  // Weibull shape chosen by the shape scan.
  double weibullK = 1.5;
};

// A density with its prepared constants, whatever the type. A type's density is a
// small trivially copyable struct with `long double At(long double x) const`;
// Density keeps a copy and calls it. Densities need not be normalised: the
// discretisation divides by their sum.
class Density {
 public:
  Density() = default;

  template <class Shape>
  explicit Density(const Shape& shape) : at_(&Call<Shape>) {
    static_assert(std::is_trivially_copyable_v<Shape>);
    static_assert(sizeof(Shape) <= sizeof(storage_) && alignof(Shape) <= alignof(long double));
    ::new (static_cast<void*>(storage_)) Shape(shape);
  }

  // f(x), in extended precision; 0 for a density never prepared. Floating-point
  // faults are left in the flags.
  long double At(long double x) const { return at_ ? at_(storage_, x) : 0.0L; }

 private:
  template <class Shape>
  static long double Call(const unsigned char* storage, long double x) {
    return std::launder(reinterpret_cast<const Shape*>(storage))->At(x);
  }

  alignas(long double) unsigned char storage_[8 * sizeof(long double)] = {};
  long double (*at_)(const unsigned char*, long double) = nullptr;
};

// A parameter condition that does not hold: message 505 or 509 followed by the
// condition's text, and the field that gets the focus.
struct ConditionRefusal {
  int message = 505;
  const char* condition = "";
  int field = 0;
};

// A prepared constant the density cannot work with: message 506 or 508 (0: refused
// without a dialog), and the field that gets the focus.
struct ConstantRefusal {
  int message = 0;
  int field = 0;
};

// The density prepared from P1 .. P4, or the refusal of its constants.
struct Prepared {
  Density density;
  std::optional<ConstantRefusal> refusal;
};

// What a range rule works from. In fitting mode `fit` is set and Min0..Max0 is the
// start range (Xmin..Xmax, Lo..Xmax with a user range).
struct RangeInputs {
  const Density& f;
  const Parameters& p;
  long double eps;  // Eps scaled for the type
  const FitInputs* fit;
  double Min0;
  double Max0;
};

// The range of one computation, or why there is none.
struct RangeOutcome {
  long double Min = 0.0L;
  long double Max = 0.0L;
  long double step = 0.1L;                          // step of the search used
  numeric::FpFault fault = numeric::FpFault::None;  // a fault ended the search
  int message = 0;         // a refusal: 190 (Gama, Min = Max) or 507 (Snedecorovo, Max < 0)
  int field = 0;           // parameter field focused by the refusal
  bool fitFailed = false;  // fitting mode rejected the type for this sample
};

// The sample a fitting rule estimates from. Min and Max are the start range
// (Beta_obecné takes them as a and b); middle is the middle of the data range.
struct FitSample {
  const FitInputs& fit;
  double Min;
  double Max;
  double middle;
};

// The estimate of one type for one sample.
struct FitOutcome {
  bool fits = false;    // false: the type cannot be fitted to this sample
  int message = 0;      // the refusal's message when there is one (507, Snedecorovo)
  numeric::FpFault fault = numeric::FpFault::None;  // a fault in the estimate
  std::string description;  // e.g. "Mi=     10.0000,Sigma=     1.00000)"
};

// The probability a range leaves out below its Min and above its Max.
struct CutTails {
  long double lower = 0.0L;
  long double upper = 0.0L;
};

// Where a density carries probability; an end may be infinite.
struct Support {
  long double lo = -std::numeric_limits<long double>::infinity();
  long double hi = std::numeric_limits<long double>::infinity();
};

// One distribution type. prepare and range are required; every other function
// member may stay empty.
struct Distribution {
  // The list text in both languages, or when listMessage is set, the message that
  // holds it in each language.
  const char* listText = "";
  int listMessage = 0;
  // Labels of the parameters the type uses (its visible fields); the rest empty.
  std::array<const char*, 4> labels = {};
  // Whether P1 and P2 must be > 0 (P3 and P4 never need to be).
  std::array<bool, 2> mustBePositive = {};
  // The caption's " F (x | ...)" after message 199.
  const char* captionSuffix = "";
  // The texts loaded by the first run after the type changed; an empty entry
  // keeps the field's text.
  std::array<const char*, 4> defaultTexts = {"10", "1", "1.1", "1.9"};
  // Whether the window shows the Eps field for these P1 and P2; empty: always.
  bool (*epsFieldShown)(long double p1, long double p2) = nullptr;
  // Eps as the range rule uses it is the field's Eps times this.
  long double epsFactor = 1.0L;

  // The conditions on P1 .. P4 beyond positivity, checked before preparing.
  std::optional<ConditionRefusal> (*check)(const Parameters& p) = nullptr;
  // The density and its constants.
  Prepared (*prepare)(const Parameters& p) = nullptr;
  // Fitting mode, before a user range replaces the range rule: a fit this test
  // fails (fitFailed or a fault in the outcome) goes no further.
  RangeOutcome (*fitCheck)(const RangeInputs& in) = nullptr;
  // Whether a user range replaces the range rule (fitting mode).
  bool userRangeReplacesRange = true;
  // The range rule.
  RangeOutcome (*range)(const RangeInputs& in) = nullptr;
  // With a user range, intervals below 0 (instead of below Lo) stay empty.
  bool emptyBelowZero = false;
  // The tails left out by Min..Max, from the type's distribution function; empty:
  // the density is integrated over the support outside the range.
  CutTails (*cut)(const Parameters& p, long double Min, long double Max) = nullptr;
  // Where the density lives, for that integration; empty: the whole line.
  Support (*support)(const Parameters& p) = nullptr;
  // Fitting mode: writes the parameters estimated from the sample into `texts`;
  // empty for a type that cannot be fitted.
  FitOutcome (*fit)(const FitSample& sample, ParameterTexts& texts) = nullptr;
};

// True for 0 .. 23.
bool IsParamType(int type);
// The descriptor of a type; the type must exist.
const Distribution& DistributionOf(int type);
// The list text of a type in a language (items 0, 12, 13, 14 and 20 follow the
// language, the others are the same in both). The type must exist.
std::string ParamListText(int type, texts::Language language);
// Number of parameters the type uses (the visible parameter fields), 1 .. 4.
int ParamCount(int type);
// Label of parameter field 1 .. 4 of the type ("Mi", "Sigma", ...); a field the
// type does not use gets the generic "<field>.parametr".
std::string ParamLabel(int type, int field);
// True when parameter field 1 or 2 of the type must be > 0 (fields 3 and 4 never).
bool ParamMustBePositive(int type, int field);
// Caption of the parameter box: message 199 followed by the type's " F (x | ...)" suffix.
std::string ParamCaption(int type, texts::Language language);
// Whether the window shows the Eps field for these values of P1 and P2: hidden for
// Uniform and Triangular; Weibull only with k >= 1; Beta_v_nule only with
// alfa > 1 and beta > 1.
bool EpsFieldShown(int type, long double p1, long double p2);
// The texts loaded by the first run after the type changed: "0", "20", "5" for
// Uniform and Triangular (the fourth text stays), "10", "1", "1.1", "1.9" otherwise.
ParameterTexts DefaultParameterTexts(int type, const ParameterTexts& current);
// False for the types that fitting mode cannot fit (Cauchy, Lévy, Pareto, Uniform,
// Triangular).
bool ParamFittable(int type);
// The type named by text: an index "0" .. "23" or a list text in either language,
// compared without regard to ASCII case and surrounding blanks; empty when none matches.
std::optional<int> FindParamType(std::string_view text);

}  // namespace dorvex::sources
