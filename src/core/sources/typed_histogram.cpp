#include "sources/typed_histogram.h"

#include <charconv>
#include <cmath>

#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::sources {

namespace {

constexpr int kMaxLines = kMaxBins;

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

std::string ShortestText(double x) {
  char buffer[32];
  const auto result = std::to_chars(std::begin(buffer), std::end(buffer), x);
  return std::string(buffer, result.ptr);
}

bool ReadNumber(const std::string& text, double& out) {
  return !WithoutBlanks(text).empty() && statvex::ParseLenient(text, out) && std::isfinite(out);
}

}  // namespace

FrequencyCount CountFrequencies(const std::vector<std::string>& lines) {
  FrequencyCount count;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string text = WithoutBlanks(lines[i]);
    std::int64_t value = 0;
    const bool read = text.empty() || statvex::ParseInt64(text, value);
    // A negative frequency would make a negative probability.
    if (!read || value < 0 || __builtin_add_overflow(count.sum, value, &count.sum)) {
      count.badLine = static_cast<int>(i) + 1;
      count.badText = lines[i];
      return count;
    }
  }
  count.lines = static_cast<int>(lines.size());
  return count;
}

std::string BadFrequencyText(const FrequencyCount& count, texts::Language language) {
  return texts::MessageText(194, language) + "  ( integer )\r\n\r\n\t" + texts::MessageText(195, language) +
         std::to_string(count.badLine) + "\r\n\t" + texts::MessageText(196, language) + count.badText;
}

std::optional<std::string> SaveRefusal(const TypedHistogram& form, texts::Language language) {
  const int n = static_cast<int>(form.lines.size());
  if (n == 0) return texts::MessageText(185, language);
  if (n > kMaxLines) {
    return texts::InsertText(texts::MessageText(197, language), std::to_string(kMaxLines)) + std::to_string(n);
  }
  double min = 0.0;
  if (!ReadNumber(form.minText, min)) return "Min - " + texts::MessageText(136, language);
  if (!form.pureDiscrete) {
    double max = 0.0;
    if (!ReadNumber(form.maxText, max)) return "Max - " + texts::MessageText(136, language);
    if (min >= max) return texts::MessageText(31, language);
  }
  const FrequencyCount count = CountFrequencies(form.lines);
  if (count.badLine != 0) return BadFrequencyText(count, language);
  if (count.sum == 0) {
    return language == texts::Language::Czech ? "Součet četností je 0 !" : "Sum of frequencies is 0 !";
  }
  if (WithoutBlanks(form.name).empty()) return texts::MessageText(198, language);
  return std::nullopt;
}

double TypedMax(const TypedHistogram& form) {
  double min = 0.0;
  statvex::ParseLenient(form.minText, min);
  if (form.pureDiscrete) return min + static_cast<double>(form.lines.size() - 1) * form.pureStep;
  double max = 0.0;
  statvex::ParseLenient(form.maxText, max);
  return max;
}

std::string TypedHistogramFileText(const TypedHistogram& form, const std::string& fileName) {
  const FrequencyCount count = CountFrequencies(form.lines);
  const std::string maxText = form.pureDiscrete ? ShortestText(TypedMax(form)) : WithoutBlanks(form.maxText);
  std::string text = "[Description]\r\nIdentification=" + fileName + "\r\nType=" +
                     (form.pureDiscrete ? "Pure Discrete" : "Discrete") + "\r\nForm=Frequency\r\n\r\n[Parameters]\r\n" +
                     "Min=" + WithoutBlanks(form.minText) + "\r\nMax=" + maxText +
                     "\r\nBins=" + std::to_string(form.lines.size()) + "\r\nTotal=" + std::to_string(count.sum) +
                     "\r\n\r\n[Bins]\r\n";
  for (const std::string& line : form.lines) {
    const std::string value = WithoutBlanks(line);
    text += (value.empty() ? std::string("0") : value) + "\r\n";
  }
  return text;
}

model::HandOverBuffer TypedHandOver(const TypedHistogram& form, model::SlotId target) {
  const FrequencyCount count = CountFrequencies(form.lines);
  model::HandOverBuffer buffer;
  buffer.target = target;
  model::Histogram& h = buffer.histogram;
  h.N = count.lines;
  h.Total = static_cast<long double>(count.sum);
  statvex::ParseLenient(form.minText, h.Min);
  h.Max = TypedMax(form);
  h.Range = h.Max - h.Min;
  if (form.pureDiscrete) {
    h.Type = model::HistogramType::PureDiscrete;
    h.d = form.pureStep;
  } else {
    h.Type = model::HistogramType::Discrete;
    h.d = h.Range / h.N;
    h.Min += h.d / 2;
    h.Max -= h.d / 2;
  }
  for (int i = 1; i <= h.N; ++i) {
    std::int64_t value = 0;
    const std::string text = WithoutBlanks(form.lines[static_cast<std::size_t>(i - 1)]);
    if (!text.empty()) statvex::ParseInt64(text, value);
    h.P[static_cast<std::size_t>(i)] = static_cast<double>(value) / static_cast<double>(count.sum);
  }
  return buffer;
}

TypedHistogram TypedFormOfSlot(const model::HistogramSlot& slot, const std::string& minFieldText,
                               const std::string& maxFieldText) {
  TypedHistogram form;
  if (!slot.loaded || slot.name.empty()) return form;
  const model::Histogram& h = slot.scaled;
  form.name = slot.name;
  for (int i = 1; i <= h.N; ++i) {
    const long double frequency = h.Total * static_cast<long double>(h.P[static_cast<std::size_t>(i)]);
    form.lines.push_back(std::to_string(static_cast<long long>(std::llroundl(frequency))));
  }
  form.pureDiscrete = h.Type == model::HistogramType::PureDiscrete;
  if (form.pureDiscrete) {
    form.minText = minFieldText;
    form.maxText = maxFieldText;
    form.pureStep = h.d;
  } else {
    form.minText = statvex::DisplayNumber(h.Min - h.d / 2);
    form.maxText = statvex::DisplayNumber(h.Max + h.d / 2);
  }
  return form;
}

}  // namespace dorvex::sources
