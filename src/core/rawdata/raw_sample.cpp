#include "rawdata/raw_sample.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/checked_math.h"
#include "numeric/round.h"
#include "sources/distributions/distribution_kit.h"
#include "statvex/number_text.h"

namespace dorvex::rawdata {

SampleCharacteristics ComputeSampleCharacteristics(const std::vector<double>& values) {
  SampleCharacteristics c;
  c.n = static_cast<std::int64_t>(values.size());
  if (values.empty()) return c;
  long double sum = 0.0L;
  for (const double x : values) sum += x;
  const long double n = static_cast<long double>(values.size());
  const long double mean = sum / n;
  c.mean = static_cast<double>(mean);
  if (values.size() < 2) {
    c.skewness = std::numeric_limits<double>::quiet_NaN();
    return c;
  }
  // Sums about the mean: the textbook sum of squares minus the squared sum cancels
  // to nothing for values like 1E6 +- 0.001 even in extended precision.
  long double squares = 0.0L, cubes = 0.0L;
  for (const double x : values) {
    const long double d = x - mean;
    squares += d * d;
    cubes += d * d * d;
  }
  const long double s = std::sqrt(squares / (n - 1.0L));
  c.standardDeviation = static_cast<double>(s);
  c.skewness = s > 0.0L ? static_cast<double>(cubes / (s * s * s) / n) : std::numeric_limits<double>::quiet_NaN();
  return c;
}

RawSample MakeRawSample(std::vector<double> values) {
  RawSample sample;
  sample.characteristics = ComputeSampleCharacteristics(values);
  std::sort(values.begin(), values.end());
  sample.values = std::move(values);
  return sample;
}

RawSampleReading LoadRawSample(const std::string& path, texts::Language language) {
  RawDataReading read = ReadRawDataFile(path, language);
  RawSampleReading reading;
  if (read.error) {
    reading.error = std::move(read.error);
    return reading;
  }
  reading.sample = MakeRawSample(std::move(read.values));
  return reading;
}

int SturgesMinimum(std::int64_t n) {
  if (n < 1) return 1;
  const numeric::MathValue lg = numeric::Log10Checked(static_cast<double>(n));
  return static_cast<int>(RoundHalfEven(lg.value * 3.3 + 1.0));
}

std::string ValueListLine(double value, std::size_t position) {
  std::string number = value < 1.0 ? statvex::DisplayNumber(value) : sources::kit::FixedText(value, 5);
  std::string index = std::to_string(position);
  if (index.size() < 6) index.insert(0, 6 - index.size(), '0');
  return number + "  |  " + index;
}

std::string SampleCountText(std::int64_t n) { return "     " + std::to_string(n); }

}  // namespace dorvex::rawdata
