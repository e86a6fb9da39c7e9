#include "texts/report_labels.h"

namespace dorvex::texts {

namespace {

struct LabelPair {
  const char* english;
  const char* czech;
};

// Blanks are part of the labels: the reports line their values up behind them.
constexpr LabelPair kCharacteristics[kCharacteristicsLabelCount] = {
    {"Min                              ", "Min                              "},
    {"Max                              ", "Max                              "},
    {"Number of intervals              ", "Počet intervalů                  "},
    {"frequency numbers                ", "Součet četností                  "},
    {"Average                          ", "Střední hodnota                  "},
    {"Dispersion                       ", "Rozptyl                          "},
    {"standard deviation               ", "Směrodatná odchylka              "},
    {"Average (central) deviation      ", "Průměrná (střední) odchylka      "},
    {"Coefficient of variation [%]     ", "Variační koeficient [%]          "},
    {"Coefficient of skewness          ", "Koeficient šikmosti              "},
    {"Coefficient of concentration     ", "Koeficient koncentrace           "},
    {"Coefficient of kurtosis (express)", "Koeficient špičatosti (excesu)   "},
    {"Median                           ", "Median                           "},
    {"Mode                             ", "Mode                             "},
};

constexpr LabelPair kFrequencyColumns[kFrequencyColumnCount] = {
    {" Intervals", " Interval"},
    {"     x", "     x"},
    {" Probability P(x)", " Pravděpod. P(x)"},
    {"   Frequency", "   Četnost"},
    {" Distr.function F(x)", " Distr.funkce F(x)"},
};

template <std::size_t N>
std::array<std::string, N> Pick(const LabelPair (&pairs)[N], Language language) {
  std::array<std::string, N> labels;
  for (std::size_t i = 0; i < N; ++i) labels[i] = language == Language::Czech ? pairs[i].czech : pairs[i].english;
  return labels;
}

}  // namespace

std::array<std::string, kCharacteristicsLabelCount> CharacteristicsLabelTexts(Language language) {
  return Pick(kCharacteristics, language);
}

std::array<std::string, kFrequencyColumnCount> FrequencyColumnLabels(Language language) {
  return Pick(kFrequencyColumns, language);
}

}  // namespace dorvex::texts
