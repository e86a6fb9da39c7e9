#include "rawdata/fit_table.h"

#include <algorithm>
#include <cmath>

#include "sources/distribution.h"

namespace dorvex::rawdata {

namespace {

using texts::Language;

double ValueOf(const FitRow& row, FitSortKey key) {
  switch (key) {
    case FitSortKey::None:
      return 0.0;
    case FitSortKey::Closeness:
      return row.closeness;
    case FitSortKey::Median:
      return row.median;
    case FitSortKey::Mode:
      return row.mode;
    case FitSortKey::Mean:
      return row.mean;
    case FitSortKey::StandardDeviation:
      return row.standardDeviation;
    case FitSortKey::Variance:
      return row.variance;
    case FitSortKey::Variation:
      return row.coefficientOfVariation;
    case FitSortKey::Skewness:
      return row.skewness;
    case FitSortKey::Kurtosis:
      return row.kurtosis;
    case FitSortKey::KsDistance:
      return row.ksDistance;
    case FitSortKey::LogLikelihood:
      return row.logLikelihood;
    case FitSortKey::Aic:
      return row.aic;
    case FitSortKey::Bic:
      return row.bic;
  }
  return 0.0;
}

bool SmallestFirst(FitSortKey key) {
  return IsDifferenceSort(key) || key == FitSortKey::KsDistance || key == FitSortKey::Aic ||
         key == FitSortKey::Bic;
}

double Reference(FitSortKey key, DifferenceReference reference, const FitRow& dataRow,
                 const SampleCharacteristics& sample) {
  if (reference == DifferenceReference::DataHistogram) return ValueOf(dataRow, key);
  switch (key) {
    case FitSortKey::Mean:
      return sample.mean;
    case FitSortKey::Variance:
      return sample.standardDeviation * sample.standardDeviation;
    default:
      return 0.0;  // excess kurtosis of the normal distribution
  }
}

}  // namespace

std::vector<std::string> SortKeyItems() {
  return {"", "Těsnost", "Median", "Mode", "Mi x", "Sigma x", "Sigma x^2", "Variace x", "Šikmosti", "Špičatosti"};
}

std::vector<std::string> DifferenceReferenceItems() { return {"RawData", "Histogram- RawData"}; }

bool IsDifferenceSort(FitSortKey key) {
  return key == FitSortKey::Mean || key == FitSortKey::Variance || key == FitSortKey::Kurtosis;
}

FitRowColumn SortColumn(FitSortKey key) {
  switch (key) {
    case FitSortKey::None:
      return kColumnName;
    case FitSortKey::Closeness:
      return kColumnCloseness;
    case FitSortKey::Median:
      return kColumnMedian;
    case FitSortKey::Mode:
      return kColumnMode;
    case FitSortKey::Mean:
      return kColumnMean;
    case FitSortKey::StandardDeviation:
      return kColumnStandardDeviation;
    case FitSortKey::Variance:
      return kColumnVariance;
    case FitSortKey::Variation:
      return kColumnVariation;
    case FitSortKey::Skewness:
      return kColumnSkewness;
    case FitSortKey::Kurtosis:
      return kColumnKurtosis;
    case FitSortKey::KsDistance:
      return kColumnKsDistance;
    case FitSortKey::LogLikelihood:
      return kColumnLogLikelihood;
    case FitSortKey::Aic:
      return kColumnAic;
    case FitSortKey::Bic:
      return kColumnBic;
  }
  return kColumnName;
}

void SortFitRows(std::vector<FitRow>& rows, FitSortKey key, DifferenceReference reference, const FitRow& dataRow,
                 const SampleCharacteristics& sample) {
  if (key == FitSortKey::None) return;
  const bool difference = IsDifferenceSort(key);
  const double ref = difference ? Reference(key, reference, dataRow, sample) : 0.0;
  const bool smallestFirst = SmallestFirst(key);
  const auto score = [&](const FitRow& row) {
    const double v = ValueOf(row, key);
    return difference ? std::fabs(v - ref) : v;
  };
  // True when a is to come before b; no number comes last.
  const auto before = [&](double a, double b) {
    if (std::isnan(b)) return !std::isnan(a);
    if (std::isnan(a)) return false;
    return smallestFirst ? a < b : a > b;
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      if (before(score(rows[j]), score(rows[best]))) best = j;
    }
    if (best != i) std::swap(rows[i], rows[best]);
  }
}

std::optional<std::size_t> FirstImplausibleRow(const std::vector<FitRow>& rows, double sampleStandardDeviation) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double sd = rows[i].standardDeviation;
    const bool plausible =
        rows[i].median != 0.0 && sd >= 0.75 * sampleStandardDeviation && sd <= 1.25 * sampleStandardDeviation;
    if (!plausible) return i;
  }
  return std::nullopt;
}

void RemoveFitRows(std::vector<FitRow>& rows, std::size_t first, FitRun& run) {
  if (first >= rows.size()) return;
  for (std::size_t i = first; i < rows.size(); ++i) {
    const int type = rows[i].type;
    for (FitEntry& e : run.ranking) {
      if (e.type == type) {
        e.closeness = 0.0;
        e.description.clear();
      }
    }
    std::erase_if(run.rows, [type](const FitRow& r) { return r.type == type; });
  }
  run.accepted = static_cast<int>(run.rows.size());
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(first), rows.end());
}

std::optional<int> RankedIndexOfRow(const FitRun& run, const FitRow& row) {
  for (int i = 0; i < static_cast<int>(run.ranking.size()); ++i) {
    if (run.ranking[i].type == row.type && run.ranking[i].closeness > 0.0) return i;
  }
  return std::nullopt;
}

std::vector<std::string> FitTableHeaders(Language language) {
  const bool czech = language == Language::Czech;
  return {" i",
          czech ? " Typ" : " Type",
          czech ? " Těsnost" : " Closeness",
          " Median",
          " Mode",
          czech ? " Střední hodnota" : " Average",
          czech ? " Rozptyl" : " Dispersion",
          czech ? " Směrodatná odchylka" : " Standard deviation",
          czech ? " Variační koeficient [%]" : " Variation [%]",
          czech ? " Šikmost" : " Skewness",
          czech ? " Špičatost" : " Kurtosis",
          "",
          czech ? " KS vzdálenost" : " KS distance",
          czech ? " ln L" : " ln L",
          " AIC",
          " BIC"};
}

std::vector<std::string> SampleTableHeaders(Language language) {
  const bool czech = language == Language::Czech;
  return {czech ? " Střední hodnota" : " Average", czech ? " Směrodatná odchylka" : " Standard deviation",
          czech ? " Šikmost" : " Skewness"};
}

std::string FitRowNumberText(int row) { return (row < 10 ? "  " : "") + std::to_string(row); }

}  // namespace dorvex::rawdata
