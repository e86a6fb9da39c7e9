#pragma once
// The catalogue of the 24 parametric distribution types: list texts, parameter
// labels, the parameters that must be positive, captions and default texts.

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// True for 0 .. 23.
bool IsParamType(int type);
// The list text of a type in a language (items 0, 12, 13, 14 and 20 follow the
// language, the others are the same in both). The type must exist.
std::string ParamListText(int type, texts::Language language);
// The same in the current language.
std::string ParamListText(int type);
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
