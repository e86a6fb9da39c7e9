#include "sources/param_types.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "texts/messages.h"

namespace dorvex::sources {

namespace {

struct TypeEntry {
  const char* listText;  // the same in both languages unless listMessage is set
  int listMessage;       // message holding the list text in each language, or 0
  std::array<const char*, 4> labels;
  int count;
  bool p1Positive;
  bool p2Positive;
  const char* captionSuffix;
};

const TypeEntry kTypes[kParamTypeCount] = {
    {"Normal", 91, {"Mi", "Sigma"}, 2, false, true, " F (x | Mi,Sigma)"},
    {"LogNormal_2P", 0, {"Mi", "Sigma"}, 2, true, true, " F (x | Mi,Sigma)"},
    {"Gumbelovo_I", 0, {"Mi", "Sigma"}, 2, false, true, " F (x | Mi,Sigma)"},
    {"Gumbelovo_II", 0, {"Mi", "Sigma"}, 2, false, true, " F (x | Mi,Sigma)"},
    {"Raised-cosine", 0, {"Mi", "s"}, 2, false, true, " F (x | Mi,s)"},
    {"Cauchy", 0, {"Xo", "Gama"}, 2, false, true, " F (x | Xo,gama)"},
    {"Fisher-Tippett", 0, {"Mi", "Beta"}, 2, false, true, " F (x | Mi,beta)"},
    {"Laplace", 0, {"Mi", "b"}, 2, false, true, " F (x | Mi,b)"},
    {"Logistic", 0, {"Mi", "s"}, 2, false, true, " F (x | Mi,s)"},
    {"Weibull", 0, {"k", "lambda"}, 2, true, true, " F (x | k,lambda)"},
    {"Rayleigh", 0, {"Sigma"}, 1, true, false, " F (x | Sigma)"},
    {"L\xC3\xA9vy", 0, {"c"}, 1, true, false, " F (x | c)"},
    {"Students", 93, {"n"}, 1, true, false, " F (x | n)"},
    {"Beta_in_zero", 94, {"alfa", "beta"}, 2, true, true, " F (x | alfa,beta)"},
    {"Beta_universal", 95, {"alfa", "beta", "a", "b"}, 4, true, true, " F (x | alfa,beta,a,b)"},
    {"Gama", 0, {"k", "theta"}, 2, true, true, " F (x | k,theta)"},
    {"Snedecorovo", 0, {"n1", "n2"}, 2, true, true, " F(x|n1,n2)"},
    {"Pareto", 0, {"Xm", "k"}, 2, true, true, " F (x | xm,k)"},
    {"Uniform", 0, {"a", "b"}, 2, false, false, " F (x | a,b)"},
    {"Triangular", 0, {"a", "b", "c"}, 3, false, false, " F (x | a,b,c)"},
    {"Exponencials", 92, {"delta"}, 1, true, false, " F (x | delta)"},
    {"X2", 0, {"n"}, 1, true, false, " F(x | n)"},
    {"Half-Logistic", 0, {"delta"}, 1, false, false, " F (x | delta)"},
    {"LogNormal_3P", 0, {"Mi", "Sigma", "        Skewness"}, 3, true, true,
     " F (x | Mi,Sigma,Skewness)"},
};

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

bool IsParamType(int type) { return type >= 0 && type < kParamTypeCount; }

std::string ParamListText(int type, texts::Language language) {
  const TypeEntry& entry = kTypes[type];
  return entry.listMessage != 0 ? texts::MessageText(entry.listMessage, language) : entry.listText;
}

std::string ParamListText(int type) { return ParamListText(type, texts::CurrentLanguage()); }

int ParamCount(int type) { return kTypes[type].count; }

std::string ParamLabel(int type, int field) {
  const TypeEntry& entry = kTypes[type];
  if (field >= 1 && field <= entry.count) return entry.labels[field - 1];
  return std::to_string(field) + ".parametr";
}

bool ParamMustBePositive(int type, int field) {
  if (field == 1) return kTypes[type].p1Positive;
  if (field == 2) return kTypes[type].p2Positive;
  return false;
}

std::string ParamCaption(int type, texts::Language language) {
  return texts::MessageText(199, language) + kTypes[type].captionSuffix;
}

bool EpsFieldShown(int type, long double p1, long double p2) {
  switch (type) {
    case kUniform:
    case kTriangular:
      return false;
    case kWeibull:
      return p1 >= 1.0L;
    case kBetaZero:
      return p1 > 1.0L && p2 > 1.0L;
    default:
      return true;
  }
}

ParameterTexts DefaultParameterTexts(int type, const ParameterTexts& current) {
  if (type == kUniform || type == kTriangular) return {"0", "20", "5", current[3]};
  return {"10", "1", "1.1", "1.9"};
}

bool ParamFittable(int type) {
  return type != kCauchy && type != kLevy && type != kPareto && type != kUniform &&
         type != kTriangular;
}

std::optional<int> FindParamType(std::string_view text) {
  text = TrimBlanks(text);
  int index = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (ec == std::errc{} && end == text.data() + text.size()) {
    if (IsParamType(index)) return index;
    return std::nullopt;
  }
  for (int type = 0; type < kParamTypeCount; ++type) {
    for (const auto language : {texts::Language::English, texts::Language::Czech}) {
      if (SameIgnoringAsciiCase(text, ParamListText(type, language))) return type;
    }
  }
  return std::nullopt;
}

}  // namespace dorvex::sources
