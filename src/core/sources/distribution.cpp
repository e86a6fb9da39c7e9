#include "sources/distribution.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "sources/distributions/distributions.h"
#include "texts/messages.h"

namespace dorvex::sources {

namespace {

// In the order of the distribution list.
constexpr const Distribution* kCatalogue[kParamTypeCount] = {
    &kNormalType,        &kLogNormal2PType, &kGumbelIType,        &kGumbelIIType,
    &kRaisedCosineType,  &kCauchyType,      &kFisherTippettType,  &kLaplaceType,
    &kLogisticType,      &kWeibullType,     &kRayleighType,       &kLevyType,
    &kStudentType,       &kBetaZeroType,    &kBetaUniversalType,  &kGammaType,
    &kSnedecorType,      &kParetoType,      &kUniformType,        &kTriangularType,
    &kExponentialType,   &kChiSquareType,   &kHalfLogisticType,   &kLogNormal3PType,
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

const Distribution& DistributionOf(int type) { return *kCatalogue[type]; }

std::string ParamListText(int type, texts::Language language) {
  const Distribution& d = DistributionOf(type);
  return d.listMessage != 0 ? texts::MessageText(d.listMessage, language) : d.listText;
}

int ParamCount(int type) {
  const auto& labels = DistributionOf(type).labels;
  return static_cast<int>(std::count_if(labels.begin(), labels.end(),
                                        [](const char* label) { return label != nullptr; }));
}

std::string ParamLabel(int type, int field) {
  if (field >= 1 && field <= ParamCount(type)) return DistributionOf(type).labels[field - 1];
  return std::to_string(field) + ".parametr";
}

bool ParamMustBePositive(int type, int field) {
  return (field == 1 || field == 2) && DistributionOf(type).mustBePositive[field - 1];
}

std::string ParamCaption(int type, texts::Language language) {
  return texts::MessageText(199, language) + DistributionOf(type).captionSuffix;
}

bool EpsFieldShown(int type, long double p1, long double p2) {
  const auto shown = DistributionOf(type).epsFieldShown;
  return shown == nullptr || shown(p1, p2);
}

ParameterTexts DefaultParameterTexts(int type, const ParameterTexts& current) {
  const auto& defaults = DistributionOf(type).defaultTexts;
  ParameterTexts texts = current;
  for (int i = 0; i < 4; ++i) {
    if (defaults[i] != nullptr) texts[i] = defaults[i];
  }
  return texts;
}

bool ParamFittable(int type) { return DistributionOf(type).fit != nullptr; }

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
