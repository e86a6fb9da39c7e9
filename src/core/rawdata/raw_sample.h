#pragma once
// A sample of measured values: sorted, with its count, mean, standard deviation
// and skewness, and the texts the primary-data window lists it by.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rawdata/raw_data_file.h"
#include "texts/language.h"

namespace dorvex::rawdata {

// n, m, s and g of a sample. s is the standard deviation with n - 1 in the
// denominator, g = sum (x - m)^3 / s^3 / n; the sums are in extended precision
// (about the mean, so a large mean does not swamp a small spread). g is NaN
// when s is 0.
struct SampleCharacteristics {
  std::int64_t n = 0;
  double mean = 0.0;
  double standardDeviation = 0.0;
  double skewness = 0.0;
};

// The characteristics of `values` (any order); all 0 for an empty sample, s and g
// 0 and NaN for one value.
SampleCharacteristics ComputeSampleCharacteristics(const std::vector<double>& values);

// A loaded sample: its values sorted ascending and its characteristics.
struct RawSample {
  std::vector<double> values;  // ascending
  SampleCharacteristics characteristics;
  double smallest() const { return values.front(); }
  double largest() const { return values.back(); }
};

// The sample of values read from a file (at least three); `values` is taken over.
RawSample MakeRawSample(std::vector<double> values);

// A file read into a sample, or why it was refused; a refusal carries no sample,
// so whatever sample the caller had stays usable.
struct RawSampleReading {
  std::optional<RawSample> sample;
  std::optional<RawDataError> error;
};
RawSampleReading LoadRawSample(const std::string& path, texts::Language language);

// Sturges' smallest advisable interval count for n values:
// round(log10(n) * 3.3 + 1), halves to even; 1 for n < 1.
int SturgesMinimum(std::int64_t n);

// The line of the value list for the value at 1-based `position`: the value
// (DisplayNumber below 1, fixed with 5 decimals otherwise) + "  |  " + the
// position padded with zeros to six digits.
std::string ValueListLine(double value, std::size_t position);

// The count cell of the sample table: "     " + n.
std::string SampleCountText(std::int64_t n);

}  // namespace dorvex::rawdata
