#include "model/listing_rows.h"

#include "numeric/round.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::model {

namespace {

constexpr int kTotalMessage = 49;
constexpr int kGridTotalMessage = 127;
constexpr int kValueHeaderMessage = 167;
constexpr int kProbabilityHeaderMessage = 168;
constexpr int kFrequencyHeaderMessage = 169;
constexpr long double kExponentFrom = 1000000.0L;

const std::string kFour = "    ";

std::string Number(double x) { return statvex::DisplayNumber(x); }

bool IsDiscrete(const Histogram& h) { return h.Type == HistogramType::Discrete; }

}  // namespace

long double FrequencyMultiplier(long double t1, long double t2, long double resultTotal) {
  if (t1 != 1.0L && t2 != 1.0L) return resultTotal;
  return t2 == 0.0L ? t1 : t1 * t2;
}

std::string ListingFrequencyText(long double frequency) {
  if (frequency >= kExponentFrom) return "  " + Number(static_cast<double>(frequency));
  return kFour + std::to_string(RoundHalfEven(frequency));
}

std::vector<ListingRow> ResultListingRows(const Histogram& h, long double c, texts::Language language) {
  const bool discrete = IsDiscrete(h);
  const int n = h.N;
  std::vector<ListingRow> rows(discrete ? 2 * n + 3 : n + 2);
  rows[0] = {"   INT", "  " + texts::MessageText(kValueHeaderMessage, language), "  " + texts::MessageText(kProbabilityHeaderMessage, language),
             "  " + texts::MessageText(kFrequencyHeaderMessage, language)};
  long double sum = 0.0L;
  const auto intervalRow = [&](int k) -> ListingRow {
    return {statvex::CountText(5, k), kFour + Number(h.Min + (k - 1) * h.d), kFour + Number(h.P[k]),
            ListingFrequencyText(c * h.P[k])};
  };
  if (discrete) {
    rows[1][1] = kFour + Number(h.Min - h.d / 2);
    for (int k = 1; k <= n; ++k) {
      sum += h.P[k];
      rows[2 * k] = intervalRow(k);
      rows[2 * k + 1][1] = kFour + Number(h.Min + (k - 0.5) * h.d);
    }
  } else {
    for (int k = 1; k <= n; ++k) {
      sum += h.P[k];
      rows[k] = intervalRow(k);
    }
  }
  rows.back() = {std::string(), texts::MessageText(kTotalMessage, language),
                 kFour + Number(static_cast<double>(RoundHalfEven(sum))), ListingFrequencyText(c)};
  return rows;
}

std::vector<ListingShade> ResultListingShades(const Histogram& h, ListingQuery query, double queried) {
  const bool discrete = IsDiscrete(h);
  const int n = h.N;
  std::vector<ListingShade> shades(discrete ? 2 * n + 3 : n + 2, ListingShade::Grid);
  const auto shade = [&](double lowerEnd) {
    // A row starting at or above the queried point stays plain.
    if (query == ListingQuery::None || lowerEnd >= queried) return ListingShade::Plain;
    return query == ListingQuery::Value ? ListingShade::BelowValue : ListingShade::BelowQuantile;
  };
  for (int k = 1; k <= n; ++k) {
    const double x = h.Min + (k - 1) * h.d;
    if (discrete) shades[2 * k] = shade(k == 1 ? h.Min - h.d / 2 : h.Min + (k - 1.5) * h.d);
    else shades[k] = shade(x - h.d);
  }
  if (shades.size() > 3) shades.back() = ListingShade::Total;
  return shades;
}

std::vector<ProbabilityGridRow> ProbabilityGridRows(std::span<const double> probabilities, double d, double min,
                                                    bool discrete) {
  const int count = static_cast<int>(probabilities.size());
  std::vector<ProbabilityGridRow> rows(discrete ? 2 * count + 3 : count + 2);
  rows[0] = {" INT", "        x", "     P(x)"};
  long double sum = 0.0L;
  for (int i = 1; i <= count; ++i) {
    const double p = probabilities[i - 1];
    sum += p;
    const ProbabilityGridRow row{statvex::CountText(4, i), Number(min + (i - 1) * d), Number(p)};
    if (discrete) {
      rows[2 * i] = row;
      rows[2 * i + 1][1] = Number(min + (i - 0.5) * d);
    } else {
      rows[i] = row;
    }
  }
  if (discrete) rows[1][1] = Number(min - d / 2);
  rows.back() = {std::string(), texts::MessageText(kGridTotalMessage), Number(static_cast<double>(sum))};
  return rows;
}

}  // namespace dorvex::model
