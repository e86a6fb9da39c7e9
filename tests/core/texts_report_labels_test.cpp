// The report labels in both languages, blanks included.

#include <gtest/gtest.h>

#include <string>

#include "texts/report_labels.h"

namespace dorvex::texts {
namespace {

// Characters, not bytes: the Czech labels hold two-byte letters.
std::size_t CodePoints(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

TEST(CharacteristicsLabelTexts, SampleLinesInBothLanguages) {
  struct Case {
    int line;
    const char* english;
    const char* czech;
  };
  const Case cases[] = {
      {0, "Min                              ", "Min                              "},
      {3, "frequency numbers                ", "Součet četností                  "},
      {5, "Dispersion                       ", "Rozptyl                          "},
      {11, "Coefficient of kurtosis (express)", "Koeficient špičatosti (excesu)   "},
      {13, "Mode                             ", "Mode                             "},
  };
  const auto english = CharacteristicsLabelTexts(Language::English);
  const auto czech = CharacteristicsLabelTexts(Language::Czech);
  for (const Case& c : cases) {
    EXPECT_EQ(english[c.line], c.english) << c.line;
    EXPECT_EQ(czech[c.line], c.czech) << c.line;
  }
  for (const auto& labels : {english, czech}) {
    for (const std::string& label : labels) EXPECT_EQ(CodePoints(label), 33u) << label;
  }
}

TEST(FrequencyColumnLabels, FiveColumnsInBothLanguages) {
  EXPECT_EQ(FrequencyColumnLabels(Language::English),
            (std::array<std::string, 5>{" Intervals", "     x", " Probability P(x)", "   Frequency",
                                        " Distr.function F(x)"}));
  EXPECT_EQ(FrequencyColumnLabels(Language::Czech),
            (std::array<std::string, 5>{" Interval", "     x", " Pravděpod. P(x)", "   Četnost",
                                        " Distr.funkce F(x)"}));
}

}  // namespace
}  // namespace dorvex::texts
