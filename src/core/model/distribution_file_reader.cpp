#include "model/distribution_file_reader.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "model/distribution_file_lines.h"
#include "numeric/round.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::model {

namespace {

using dis::FrequencyFault;
using dis::HeaderFault;
using dis::LineSource;

ModelError Error(int code, std::string insert = {}, std::string append = {}) {
  return ModelError{code, std::move(insert), std::move(append), 0};
}

ModelError HeaderError(const dis::HeaderScan& scan) {
  switch (scan.fault) {
    case HeaderFault::MinNotNumber:
      return Error(4, {}, scan.text);
    case HeaderFault::MaxNotNumber:
      return Error(5, {}, scan.text);
    case HeaderFault::UnknownType:
      return Error(6, scan.text);
    case HeaderFault::BinsNotInteger:
      return Error(7, {}, scan.text);
    case HeaderFault::BinsAbove1024:
      return Error(8, {}, scan.text);
    case HeaderFault::BinsBelow2:
      return Error(39);
    case HeaderFault::TotalNotNumber:
      return Error(9, {}, scan.text);
    case HeaderFault::NoBinsSection:
      return Error(2);
    case HeaderFault::KeyMissing:
    case HeaderFault::None:
      break;
  }
  return Error(3);
}

DistributionReadResult Fail(DistributionReadResult& result, ModelError error) {
  result.error = std::move(error);
  result.record = DistributionRecord{};
  return std::move(result);
}

DistributionReadResult Read(LineSource& lines, const DistributionReadOptions& options) {
  DistributionReadResult result;
  const dis::HeaderScan scan = ScanHeader(lines, dis::NumberSyntax::Prevod);
  if (scan.fault != HeaderFault::None) return Fail(result, HeaderError(scan));
  const dis::HeaderValues& keys = scan.values;
  const int n = keys.bins;

  Histogram& h = result.record.histogram;
  h.Type = keys.type.value_or(options.typeWhenMissing);

  auto& listing = result.listing;
  if (options.controlListing) {
    listing.assign(static_cast<std::size_t>(n) + 2, ControlListingRow{});
    listing[0] = {"   I N T", texts::MessageText(122, options.language)};
  }

  const dis::Geometry geometry = dis::ConvertByType(keys, h.Type);
  // A span beyond the range of a double would make every value infinite.
  if (!std::isfinite(geometry.range)) return Fail(result, Error(5, {}, keys.maxText));
  h.N = n;
  h.Min = geometry.min;
  h.Max = geometry.max;
  h.d = geometry.d;
  h.Range = geometry.range;
  h.Total = keys.total;

  // Frequencies are divided by Total only once the file has passed every check,
  // so a Total of 0 or one far off the sum never produces a value out of range.
  const dis::FrequencyRead read = dis::ReadFrequencies(lines, n, [&](int position, long double value) {
    if (options.controlListing) {
      listing[static_cast<std::size_t>(position)] = {statvex::CountText(8, position),
                                                     statvex::CountText(12, value)};
    }
  });
  const std::string position = std::to_string(read.count + 1);
  switch (read.stop) {
    case dis::FrequencyRead::Stop::NotInteger:
      return Fail(result, Error(10, position, read.line));
    case dis::FrequencyRead::Stop::Negative:
      return Fail(result, Error(11, position));
    case dis::FrequencyRead::Stop::TooMany:
      return Fail(result, Error(14, std::to_string(n), std::to_string(read.count)));
    case dis::FrequencyRead::Stop::End:
      break;
  }
  const long double sum = read.sum;
  const int i = read.count;

  if (options.controlListing) {
    listing[static_cast<std::size_t>(n) + 1] = {texts::MessageText(49, options.language), statvex::CountText(12, sum)};
  }
  // The rounded sum is a 64-bit integer; a larger sum is refused rather than wrapped.
  constexpr auto kMaxInt64 = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
  if (sum > kMaxInt64) return Fail(result, Error(12, {}, dis::IntegerText(sum)));
  const std::int64_t roundedSum = RoundHalfEven(sum);

  const long double ratio = sum / keys.total;
  // Written so that a NaN ratio (Total = 0, sum = 0) is refused as well.
  if (!(ratio >= 0.99999L && ratio <= 1.00001L)) {
    return Fail(result, Error(13, std::to_string(roundedSum), keys.totalText));
  }
  if (i != n) return Fail(result, Error(14, std::to_string(n), std::to_string(i)));
  if (h.Min > h.Max) return Fail(result, Error(15, keys.minText, keys.maxText));
  if (h.Min == 0.0 && h.Max == 0.0) return Fail(result, Error(16));

  for (int k = 1; k <= n; ++k) {
    h.P[static_cast<std::size_t>(k)] =
        static_cast<double>(read.frequency[static_cast<std::size_t>(k)] / keys.total);
  }
  TrimZeroEnds(h);
  result.record.roundedFrequencySum = roundedSum;
  return result;
}

}  // namespace

DistributionReadResult ReadDistributionFile(const std::string& path,
                                            const DistributionReadOptions& options) {
  std::error_code ignored;
  std::ifstream file;
  if (!std::filesystem::is_directory(path, ignored)) file.open(path, std::ios::binary);
  if (!file.is_open()) {
    DistributionReadResult result;
    result.error = Error(1, {}, path);
    return result;
  }
  return ReadDistribution(file, options);
}

DistributionReadResult ReadDistribution(std::istream& in, const DistributionReadOptions& options) {
  dis::MemoryBuffer nothing({});
  LineSource lines(in.rdbuf() != nullptr ? *in.rdbuf() : nothing);
  return Read(lines, options);
}

DistributionReadResult ReadDistributionText(std::string_view text,
                                            const DistributionReadOptions& options) {
  dis::MemoryBuffer buffer(text);
  LineSource lines(buffer);
  return Read(lines, options);
}

}  // namespace dorvex::model
